#include "rpt/editor/SRptShellViewClassBase.h"

#include "platform/base/SExceptionResult.h"
#include "platform/base/CopyToHostBuffer.h"
#include "platform/ui/SAccelerators.h"
#include "platform/ui/SMenu.h"
#include "platform/ui/SResInstance.h"
#include "rpt/resources/RptLoadStringPart.h"
#include "varod9/RptApi.h"

HRESULT SRptShellViewClassBase::OnInitialize(int32_t) {
    RegisterAcceleratorTable(IDR_RPT_EDITOR_ACCEL);
    return S_OK;
}

HRESULT SRptShellViewClassBase::GetViewClassIDOf(const GUID& classId, GUID* id) const {
    if (!id) return E_POINTER;
    *id = classId;
    return S_OK;
}

HRESULT SRptShellViewClassBase::GetViewClassID(GUID* id) {
    return GetViewClassIDOf(CLSID_SRptEditorViewClass, id);
}

HRESULT SRptShellViewClassBase::GetShellHostFrame(ISShellHostFrame** out) const {
    if (!out) return E_POINTER;
    *out = GetHostFrame();
    return S_OK;
}

SModuleState* SRptShellViewClassBase::GetResourceState() const {
    return SRptGetModuleState();
}

int32_t SRptShellViewClassBase::GetStandardCommandHelp(uint32_t id, char16_t* buffer, uint32_t size, int32_t tooltip) {
    if (id != 120 && id != 122) return 0;
    SString part;
    if (!RptLoadStringPart(SRptGetModuleState(), id, tooltip ? 2 : 1, &part)) return 0;
    return CopyToHostBuffer(part, buffer, size);
}

HRESULT SRptShellViewClassBase::LibraryCommandHelp(uint32_t id, uint32_t which, char16_t* buffer, uint32_t size) {
    if (!buffer) return E_POINTER;
    return SExceptionResult::Guard([&]() -> HRESULT {
        SString text;
        {
            SModuleStateGuard library(SRptGetModuleState());
            text.LoadString(id);
        }
        if (text.IsEmpty()) {
            // The host's standard commands are worded by the user-interface library.
            SModuleStateGuard userInterface(SLibGetModuleState());
            text.LoadString(id);
        }
        if (text.IsEmpty()) return S_FALSE;
        CopyToHostBuffer(CommandTextPart(text, which == 1 ? 1 : 0), buffer, size);
        return S_OK;
    });
}

void SRptShellViewClassBase::RegisterEditorMenu() {
    SModuleStateGuard library(SRptGetModuleState());
    SMenu menu;
    if (!menu.LoadMenu(IDR_RPT_EDITOR_MENU)) return;
    MENUITEMINFOA popup;
    popup.fMask = MIIM_ID;
    popup.wID = ID_RPT_REPORT_POPUP;
    SetMenuItemInfoA(menu.GetSafeHmenu(), 0, 1, &popup);
    RegisterMenu(menu.GetSafeHmenu());
}

void SRptShellViewClassBase::RegisterAcceleratorTable(uint32_t id) {
    SModuleStateGuard library(SRptGetModuleState());
    const HACCEL table = LoadAcceleratorsA(SGetResInstance(), id);
    if (!table) return;
    // The host copies the entries; the table stays the library's.
    struct SDestroyTable {
        HACCEL table;
        ~SDestroyTable() { DestroyAcceleratorTable(table); }
    } destroy{table};
    RegisterAccelerators(table);
}
