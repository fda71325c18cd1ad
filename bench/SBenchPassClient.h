#pragma once
// A generation client for the report benchmarks: it lives on the stack of a run, and tells the
// benchmark when the run starts and when the tree is complete (the last template of the second
// pass is done), before the run's finish turns the tree into its output.
#include <cstdint>

#include "varod9/ISRptGenerationClient.h"

namespace bench {

class SBenchPassClient : public ISRptGenerationClient {
public:
    explicit SBenchPassClient(int32_t templates) : m_templates(templates) {}

    HRESULT QueryInterface(const GUID& riid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (riid != IUnknown::iid && riid != ISRptGenerationClient::iid) return E_NOINTERFACE;
        *out = static_cast<ISRptGenerationClient*>(this);
        return S_OK;
    }
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 1; }
    HRESULT OnGenerationStart() override {
        m_templatesDone = 0;
        OnRunStart();
        return S_OK;
    }
    HRESULT OnTemplateStart(int32_t) override { return S_OK; }
    HRESULT OnTemplateEnd(int32_t) override { return S_OK; }
    HRESULT OnTemplateDone() override {
        // Each template is done once in each pass; the last of the second pass completes the tree.
        if (++m_templatesDone == 2 * m_templates) OnTreeComplete();
        return S_OK;
    }

protected:
    virtual ~SBenchPassClient() = default;
    virtual void OnRunStart() {}
    virtual void OnTreeComplete() {}

private:
    int32_t m_templates;
    int32_t m_templatesDone = 0;
};

}  // namespace bench
