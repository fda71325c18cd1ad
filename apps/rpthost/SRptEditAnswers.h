#pragma once
// The answers an edit script gives the library's prompts: each prompt takes the next answer the
// script queued; once none is left, rpthost's own answers serve.
#include <deque>

#include "SRptHostScript.h"

class SRptEditAnswers : public SInteractionScript {
public:
    void Queue(const SAnswer& answer) { m_queued.push_back(answer); }
    size_t GetQueuedCount() const { return m_queued.size(); }

    SAnswer Answer(const SPrompt& prompt) override {
        if (m_queued.empty()) return m_otherwise.Answer(prompt);
        SAnswer answer = m_queued.front();
        m_queued.pop_front();
        return answer;
    }

private:
    std::deque<SAnswer> m_queued;
    SRptHostScript m_otherwise{SString()};
};
