#include "rpt/editor/SRptShellViewClassPreview.h"

#include <vector>

#include "platform/ui/SResInstance.h"
#include "varod9/RptApi.h"

namespace {
constexpr uint32_t kMaskColour = 0x00C0C0C0;
constexpr uint32_t kButtonKind = 1;
// The one-page and multiple-pages buttons, which the host shows as a pair.
constexpr uint32_t kPairedKind = 2;
constexpr uint32_t kControlKind = 5;
constexpr size_t kOnePageEntry = 2;
constexpr size_t kMultiPageEntry = 3;
constexpr size_t kZoomEntry = 4;
constexpr uint32_t kZoomWidth = 100;
// Child, visible, vertical scroll bar, drop-down list.
constexpr uint32_t kZoomStyle = 0x50200002;
}  // namespace

HRESULT SRptShellViewClassPreview::OnInitialize(int32_t) {
    {
        SModuleStateGuard library(SRptGetModuleState());
        std::vector<SHELLTOOLBARBUTTON> buttons;
        LoadToolbarButtons(SGetResInstance(), IDR_RPT_PREVIEW_TOOLBAR, kMaskColour, buttons, GetCommandClassFace(),
                           kButtonKind);
        if (buttons.size() > kZoomEntry) {
            buttons[kOnePageEntry].kind = kPairedKind;
            buttons[kMultiPageEntry].kind = kPairedKind;
            SHELLTOOLBARBUTTON& zoom = buttons[kZoomEntry];
            zoom.kind = kControlKind;
            zoom.width = kZoomWidth;
            zoom.style = kZoomStyle;
            zoom.windowClass = u"COMBOBOX";
            AddToolbar(0, SString(), buttons.data(), static_cast<uint32_t>(buttons.size()), IDR_RPT_PREVIEW_TOOLBAR,
                       kMaskColour);
        }
        RegisterAcceleratorTable(IDR_RPT_PREVIEW_ACCEL);
    }
    RegisterAcceleratorTable(IDR_RPT_EDITOR_ACCEL);
    return S_OK;
}

HRESULT SRptShellViewClassPreview::GetViewClassID(GUID* id) {
    return GetViewClassIDOf(CLSID_SRptPreviewViewClass, id);
}

HRESULT SRptShellViewClassPreview::OnCommandHelp(uint32_t id, uint32_t which, char16_t* buffer, uint32_t size) {
    return LibraryCommandHelp(id, which, buffer, size);
}
