#include "rpt/resources/SRptDialogResourcesMM.h"

#include <iterator>
#include <vector>

#include "platform/ui/SResourceBuilder.h"
#include "platform/ui/SResourceTypes.h"
#include "platform/ui/SWinDefs.h"
#include "rpt/resources/SRptDialogInstaller.h"

namespace {
constexpr uint32_t kChild = WS_CHILD | WS_VISIBLE;
constexpr uint32_t kLabel = kChild | SS_LEFT;
constexpr uint32_t kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr uint32_t kDefButton = kChild | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr uint32_t kCheck = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr uint32_t kRadio = kChild | WS_TABSTOP | BS_AUTORADIOBUTTON;
constexpr uint32_t kGroup = kChild | BS_GROUPBOX;
constexpr uint32_t kEdit = kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr uint32_t kRichEdit = kChild | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
constexpr uint32_t kList = kChild | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_SORT;
constexpr uint32_t kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

const SDlgResourceControl kLanguage206[] = {
    {IDC_STATIC, "STATIC", "Available &languages:", kLabel, 6, 6, 120, 8},
    {1004, "LISTBOX", "", kList, 6, 16, 120, 80},
    {1, "BUTTON", "OK", kDefButton, 134, 6, 50, 14},
    {2, "BUTTON", "Cancel", kButton, 134, 24, 50, 14},
};

const SDlgResourceControl kTitlePage218[] = {
    {1046, "BUTTON", "&No title page", kRadio | WS_GROUP, 6, 6, 100, 10},
    {1047, "BUTTON", "&Include title page", kRadio, 6, 18, 100, 10},
    {1067, "STATIC", "&Title:", kLabel | WS_GROUP, 6, 36, 50, 8},
    {1005, "EDIT", "", kEdit, 60, 34, 170, 12},
    {1045, "BUTTON", "Optional fields", kGroup, 6, 52, 226, 130},
    {1058, "BUTTON", "&Summary:", kCheck, 12, 64, 50, 10},
    {1008, "RichEdit20A", "", kRichEdit, 66, 64, 160, 52},
    {1050, "BUTTON", "&Author:", kCheck, 12, 122, 50, 10},
    {1007, "EDIT", "", kEdit, 66, 120, 160, 12},
    {1052, "BUTTON", "&Date:", kCheck, 12, 140, 50, 10},
    {1009, "EDIT", "", kEdit, 66, 138, 160, 12},
    {1051, "BUTTON", "&Version:", kCheck, 12, 158, 50, 10},
    {1006, "EDIT", "", kEdit, 66, 156, 160, 12},
    {1049, "BUTTON", "F&ormat...", kButton, 6, 188, 50, 14},
    {1, "BUTTON", "OK", kDefButton, 238, 6, 50, 14},
    {2, "BUTTON", "Cancel", kButton, 238, 24, 50, 14},
    {9, "BUTTON", "Help", kButton, 238, 42, 50, 14},
};

template <size_t N>
constexpr SDlgResource Dialog(const char* caption, int16_t cx, int16_t cy, const SDlgResourceControl (&controls)[N]) {
    return SDlgResource{caption, kModal, 0, 0, cx, cy, controls, N};
}

const SRptDialogInstaller::Row kDialogs[] = {
    {206, Dialog("Select a Language", 190, 102, kLanguage206)},
    {218, Dialog("Title Page", 294, 208, kTitlePage218)},
};

}  // namespace

void SRptDialogResourcesMM::Install(SModuleState& state) {
    SRptDialogInstaller::Install(state, kDialogs, std::size(kDialogs));
}
