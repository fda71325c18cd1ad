#include "rpt/editor/SRptViewTemplate.h"

#include "platform/com/SComThrow.h"
#include "platform/repo/SRepObjectBaseMem.h"
#include "rpt/editor/SRptBrowserNodeTemplate.h"
#include "rpt/editor/SRptContentsItemsBrowser.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/editor/SRptShellViewClassTemplate.h"
#include "varod9/ISRptTemplate.h"

namespace {
// The root of the template's tree: shown.
constexpr uint32_t kRootNodeFlags = 1;
}  // namespace

const SClassInfo SRptViewTemplate::classSRptViewTemplate = {"SRptViewTemplate", &SRptViewBase::classSRptViewBase};

S_BEGIN_MESSAGE_MAP(SRptViewTemplate, SRptViewBase)
S_END_MESSAGE_MAP()

SRptViewTemplate::SRptViewTemplate(ISRptReport* report, SShellView* shellView) : SRptViewBase(1, report, shellView) {}

SRptContentsPane* SRptViewTemplate::CreateContentsPane() {
    ISRptReport* report = GetReportPtr();
    if (!report) SComThrow(E_POINTER);
    SComWrap<ISRptTemplate> tpl;
    report->GetTemplateAtPos(0, &tpl);
    auto* browser = new SRptContentsItemsBrowser(tpl.Get(), this, SRptShellModule::GetTemplateViewClass());
    browser->AddRef();
    browser->Create(this, 0);
    SComWrap<ISRepObject> object;
    object = static_cast<IUnknown*>(tpl.Get());
    auto* root = new SRptBrowserNodeTemplate(browser, GetIsTemplateEditor());
    root->InitNode(object.Get(), kRootNodeFlags, nullptr, nullptr, SREP_DISPID_NAME);
    // A root that found no place (a report without templates) belongs to no one else.
    if (!root->IsPlaced()) delete root;
    return browser;
}
