#include "rpt/editor/SRptMenu.h"

#include "platform/base/SModuleState.h"
#include "platform/repo/SRepModuleState.h"
#include "varod9/RptApi.h"

SString SRptMenu::GetLabel(const SString& text) {
    const int32_t lineFeed = text.Find('\n');
    return lineFeed < 0 ? text : text.Mid(lineFeed + 1);
}

void SRptMenu::AddPopupMenuItem(uint32_t stringId, uint32_t itemId, int32_t insertFirst, int32_t popup) {
    const uint32_t flags = popup ? MF_POPUP : MF_STRING;
    SString text;
    {
        SModuleStateGuard library(SRptGetModuleState());
        if (!text.LoadString(stringId)) {
            SModuleStateGuard framework(SRepGetModuleState());
            text.LoadString(stringId);
        }
    }
    if (insertFirst) InsertMenu(0, flags | MF_BYPOSITION, itemId, GetLabel(text).c_str());
    else AppendMenu(flags, itemId, GetLabel(text).c_str());
}
