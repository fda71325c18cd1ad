#pragma once
// `rpthost edit`: a template opened in the library's template editor inside the stand-in host,
// edited by the actions of a script as a user would (commands, the Tab key, selections, items
// dropped from the available items, answers to the library's prompts), then saved where it was
// read from. A template file that is not there yet starts as an empty template of the model.
#include <ostream>

#include "SRptEditScript.h"
#include "platform/com/HRESULT.h"
#include "platform/host/SStandInHost.h"

class SRptEditAnswers;
class SRptViewBase;
struct ISRptReport;

class SRptHostEditor {
public:
    SRptHostEditor(const SString& templatePath, const SRptEditScript& script, std::ostream& out, std::ostream& err)
        : m_templatePath(templatePath), m_script(script), m_out(out), m_err(err) {}

    // 0 once the template is saved; a failure is said on `err`. With `verbose` what the host
    // recorded and the prompts of the library follow on `out`.
    int Run(bool verbose);

private:
    // The editing proper, between the opening of the editor and its close.
    HRESULT Edit(ISRptReport* report, SRptViewBase* window, SStandInHost& host, SRptEditAnswers& answers);
    HRESULT Select(const SRptEditStep& step, ISRptReport* report, SRptViewBase* window);
    HRESULT Add(const SRptEditStep& step, ISRptReport* report, SRptViewBase* window);
    HRESULT PressTab(SStandInHost& host);
    HRESULT Save(ISRptReport* report);
    void SayRecorded(const SStandInHost& host) const;

    SString m_templatePath;
    const SRptEditScript& m_script;
    std::ostream& m_out;
    std::ostream& m_err;
    int32_t m_savedItems = 0;
};
