#include "rpt/editor/SRptShellViewIntraModelReport.h"

#include <new>

#include "platform/base/SEOutOfMemory.h"
#include "platform/com/SComThrow.h"
#include "platform/repo/ISRepObject.h"
#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/editor/SRptViewReport.h"

const SClassInfo SRptShellViewIntraModelReport::classSRptShellViewIntraModelReport = {
    "SRptShellViewIntraModelReport", &SRptShellViewBase::classSRptShellViewBase};

namespace {
constexpr uint32_t IDS_REPORT_EDITOR_TITLE = 5511;
}  // namespace

HRESULT SRptShellViewIntraModelReport::QueryCommandSupport(uint32_t id, ISShellCommandClass* commandClass) {
    switch (id) {
    case 106: case 107: case 108: case 112: case 113:
        return S_FALSE;
    default:
        break;
    }
    if (SShellView::QueryCommandSupport(id, commandClass) == S_OK) return S_OK;
    return m_pInnerTarget ? m_pInnerTarget->QueryCommandSupport(id, commandClass) : S_FALSE;
}

HRESULT SRptShellViewIntraModelReport::OnCommand(uint32_t id, ISShellCommandClass* commandClass) {
    if (SShellView::OnCommand(id, commandClass) == S_OK) return S_OK;
    return m_pInnerTarget ? m_pInnerTarget->OnCommand(id, commandClass) : S_FALSE;
}

HRESULT SRptShellViewIntraModelReport::OnCommandUI(uint32_t id, ISShellCommandClass* commandClass, uint32_t* state,
                                                   char16_t* text, uint32_t cch) {
    if (SShellView::OnCommandUI(id, commandClass, state, text, cch) == S_OK) return S_OK;
    return m_pInnerTarget ? m_pInnerTarget->OnCommandUI(id, commandClass, state, text, cch) : S_FALSE;
}

SString SRptShellViewIntraModelReport::GetTitle() {
    ISRepSession* session = GetSession();
    if (!session) return SString();
    SComWrap<ISRepObject> model;
    session->GetRootObject(ISRepObject::iid, reinterpret_cast<void**>(&model));
    if (!model) return SString();
    SRepVariant name;
    model->GetAttribute(SREP_DISPID_NAME, &name);
    if (!GetReport()) SComThrow(E_POINTER);
    SString title;
    title.Format(LoadTitleFormat(IDS_REPORT_EDITOR_TITLE).c_str(), name.GetText(), GetReport()->GetName());
    return title;
}

SRptViewBase* SRptShellViewIntraModelReport::MakeWindow() {
    auto* window = new (std::nothrow) SRptViewReport(GetReport(), this);
    if (!window) throw SEOutOfMemory();
    return window;
}
