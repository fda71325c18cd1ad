#include "rpt/editor/SRptShellViewTemplate.h"

#include <new>

#include "platform/base/SEOutOfMemory.h"
#include "rpt/editor/SRptViewTemplate.h"

const SClassInfo SRptShellViewTemplate::classSRptShellViewTemplate = {"SRptShellViewTemplate",
                                                                      &SRptShellViewBase::classSRptShellViewBase};

namespace {
constexpr uint32_t IDS_TEMPLATE_EDITOR_TITLE = 5510;
}  // namespace

HRESULT SRptShellViewTemplate::QueryCommandSupport(uint32_t id, ISShellCommandClass* commandClass) {
    switch (id) {
    case 104: case 105: case 106: case 107: case 108: case 112: case 113: case 118:
        return S_FALSE;
    default:
        return SShellView::QueryCommandSupport(id, commandClass);
    }
}

SString SRptShellViewTemplate::GetTitle() {
    SString title;
    title.Format(LoadTitleFormat(IDS_TEMPLATE_EDITOR_TITLE).c_str(), GetNameWithPath());
    return title;
}

SRptViewBase* SRptShellViewTemplate::MakeWindow() {
    auto* window = new (std::nothrow) SRptViewTemplate(GetReport(), this);
    if (!window) throw SEOutOfMemory();
    return window;
}
