#include "rpt/resources/SRptDialogResources.h"

#include <iterator>
#include <vector>

#include "platform/ui/SResourceBuilder.h"
#include "platform/ui/SResourceTypes.h"
#include "platform/ui/SWinDefs.h"
#include "rpt/resources/SRptDialogInstaller.h"

namespace {
// Control styles: every control is a visible child; the ones the user reaches by Tab stop there.
constexpr uint32_t kChild = WS_CHILD | WS_VISIBLE;
constexpr uint32_t kLabel = kChild | SS_LEFT;
constexpr uint32_t kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr uint32_t kDefButton = kChild | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr uint32_t kCheck = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr uint32_t kThreeState = kChild | WS_TABSTOP | BS_3STATE;
constexpr uint32_t kRadio = kChild | WS_TABSTOP | BS_RADIOBUTTON;
constexpr uint32_t kGroup = kChild | BS_GROUPBOX;
constexpr uint32_t kEdit = kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr uint32_t kRichEdit = kChild | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
constexpr uint32_t kDropDown = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
constexpr uint32_t kDropList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr uint32_t kList = kChild | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
// The paragraph list of the format sheets, hidden where the sheet formats a single paragraph.
constexpr uint32_t kParaList = WS_CHILD | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_EXTENDEDSEL;

// Dialog styles.
constexpr uint32_t kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr uint32_t kResizable = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT;
constexpr uint32_t kPage = WS_CHILD | WS_CAPTION | WS_DISABLED | DS_SETFONT;

const SDlgResourceControl kPrinting204[] = {
    {1126, "STATIC", "Action", kLabel, 40, 8, 140, 8},
    {1000, "STATIC", "Report", kLabel, 40, 20, 140, 8},
    {1001, "STATIC", "on Printer", kLabel, 40, 32, 140, 8},
    {1002, "STATIC", "to LPT2:", kLabel, 40, 44, 140, 8},
    {1003, "STATIC", "", kLabel, 40, 56, 140, 8},
    {1132, "SysAnimate32", "Animate1", kChild | ACS_TRANSPARENT | ACS_AUTOPLAY, 8, 8, 26, 26},
    {2, "BUTTON", "Cancel", kDefButton, 70, 72, 50, 14},
};

const SDlgResourceControl kGraphFormat209[] = {
    {1139, "BUTTON", "&One page", kRadio | WS_GROUP, 12, 10, 80, 10},
    {1009, "BUTTON", "&Centered", kRadio | WS_GROUP, 24, 24, 80, 10},
    {1010, "BUTTON", "As &paragraph", kRadio, 24, 36, 80, 10},
    {1140, "BUTTON", "&Several pages", kRadio | WS_GROUP, 12, 52, 80, 10},
    {IDC_STATIC, "BUTTON", "Zoom to", kGroup, 6, 66, 130, 30},
    {1012, "STATIC", "&Zoom:", kLabel, 14, 80, 30, 8},
    {1005, "EDIT", "", kEdit, 46, 78, 40, 12},
    {1013, "STATIC", "%", kLabel, 90, 80, 10, 8},
    {1, "BUTTON", "OK", kDefButton, 146, 6, 50, 14},
    {2, "BUTTON", "Cancel", kButton, 146, 24, 50, 14},
    {9, "BUTTON", "Help", kButton, 146, 42, 50, 14},
};

const SDlgResourceControl kEditor210[] = {
    {1156, "BUTTON", "", kGroup, 6, 2, 226, 112},
    {13005, "BUTTON", "&User-defined", kCheck, 12, 10, 80, 10},
    {1005, "RichEdit20A", "", kRichEdit, 12, 24, 214, 84},
    {1006, "BUTTON", "&Format...", kButton, 6, 120, 50, 14},
    {1007, "S_ExtendedButton", "&Insert", kButton, 60, 120, 50, 14},
    {1, "BUTTON", "OK", kDefButton, 238, 6, 50, 14},
    {2, "BUTTON", "Cancel", kButton, 238, 24, 50, 14},
    {9, "BUTTON", "Help", kButton, 238, 42, 50, 14},
};

const SDlgResourceControl kFont211[] = {
    {IDC_STATIC, "STATIC", "&Font:", kLabel, 6, 6, 90, 8},
    {1017, "COMBOBOX", "", kDropDown | CBS_SORT, 6, 16, 90, 80},
    {IDC_STATIC, "STATIC", "Font st&yle:", kLabel, 102, 6, 60, 8},
    {1018, "COMBOBOX", "", kDropDown, 102, 16, 60, 80},
    {IDC_STATIC, "STATIC", "&Size:", kLabel, 168, 6, 36, 8},
    {1019, "COMBOBOX", "", kDropDown, 168, 16, 36, 80},
    {IDC_STATIC, "BUTTON", "Effects", kGroup, 6, 100, 90, 40},
    {1014, "BUTTON", "Stri&keout", kThreeState, 12, 112, 70, 10},
    {1015, "BUTTON", "&Underline", kThreeState, 12, 124, 70, 10},
    {IDC_STATIC, "BUTTON", "Preview", kGroup, 102, 100, 102, 40},
    {1016, "STATIC", "AaBbYyZz", kLabel, 108, 112, 90, 20},
};

// The format sheets: the paragraph list on the left, the page area on its right.
const SDlgResourceControl kFormat213[] = {
    {IDC_STATIC, "STATIC", "Available &items:", kLabel, 6, 6, 80, 8},
    {1082, "LISTBOX", "", kParaList | WS_VISIBLE, 6, 16, 80, 150},
    {12320, "SysTabControl32", "PropSht", kChild | WS_TABSTOP, 92, 6, 220, 160},
    {1, "BUTTON", "OK", kDefButton, 150, 172, 50, 14},
    {2, "BUTTON", "Cancel", kButton, 206, 172, 50, 14},
    {9, "BUTTON", "Help", kButton, 262, 172, 50, 14},
};

const SDlgResourceControl kFormat229[] = {
    {IDC_STATIC, "STATIC", "Available &items:", WS_CHILD | SS_LEFT, 6, 6, 80, 8},
    {1082, "LISTBOX", "", kParaList, 6, 16, 80, 150},
    {12320, "SysTabControl32", "PropSht", kChild | WS_TABSTOP, 6, 6, 220, 160},
    {1, "BUTTON", "OK", kDefButton, 64, 172, 50, 14},
    {2, "BUTTON", "Cancel", kButton, 120, 172, 50, 14},
    {9, "BUTTON", "Help", kButton, 176, 172, 50, 14},
};

const SDlgResourceControl kFormat237[] = {
    {IDC_STATIC, "STATIC", "Available &items:", kLabel, 6, 6, 80, 8},
    {1082, "LISTBOX", "", kParaList | WS_VISIBLE, 6, 16, 80, 118},
    {1154, "STATIC", "Show &levels to:", kLabel, 6, 140, 80, 8},
    {1152, "COMBOBOX", "", kDropDown, 6, 150, 80, 80},
    {12320, "SysTabControl32", "PropSht", kChild | WS_TABSTOP, 92, 6, 220, 160},
    {1, "BUTTON", "OK", kDefButton, 150, 172, 50, 14},
    {2, "BUTTON", "Cancel", kButton, 206, 172, 50, 14},
    {9, "BUTTON", "Help", kButton, 262, 172, 50, 14},
};

const SDlgResourceControl kType222[] = {
    {IDC_STATIC, "STATIC", "&Name:", kLabel, 6, 8, 40, 8},
    {1005, "EDIT", "", kEdit, 50, 6, 130, 12},
    {IDC_STATIC, "STATIC", "&Language:", kLabel, 6, 26, 40, 8},
    {1080, "COMBOBOX", "", kDropList | CBS_SORT, 50, 24, 130, 80},
    {IDC_STATIC, "STATIC", "&Type:", kLabel, 6, 44, 40, 8},
    {1079, "LISTBOX", "", kList | LBS_SORT, 50, 42, 130, 60},
    {1, "BUTTON", "OK", kDefButton, 188, 6, 50, 14},
    {2, "BUTTON", "Cancel", kButton, 188, 24, 50, 14},
    {9, "BUTTON", "Help", kButton, 188, 42, 50, 14},
};

const SDlgResourceControl kText226[] = {
    {1005, "RichEdit20A", "", kRichEdit, 6, 6, 208, 148},
};

const SDlgResourceControl kHeaderFooter228[] = {
    {1112, "S_TabWnd", "Tab", kChild | WS_TABSTOP, 6, 6, 226, 100},
    {1113, "RichEdit20A", "", kRichEdit, 10, 22, 218, 80},
    {1114, "RichEdit20A", "", kRichEdit, 10, 22, 218, 80},
    {1159, "BUTTON", "User Defined Header", kCheck, 6, 110, 100, 10},
    {1160, "BUTTON", "User Defined Footer", kCheck, 110, 110, 100, 10},
    {1006, "BUTTON", "&Format...", kButton, 6, 126, 50, 14},
    {1007, "S_ExtendedButton", "&Insert", kButton, 60, 126, 50, 14},
    {1, "BUTTON", "OK", kDefButton, 238, 6, 50, 14},
    {2, "BUTTON", "Cancel", kButton, 238, 24, 50, 14},
    {9, "BUTTON", "Help", kButton, 238, 42, 50, 14},
};

const SDlgResourceControl kZoom230[] = {
    {IDC_STATIC, "STATIC", "&Zoom:", kLabel, 6, 8, 30, 8},
    {1133, "COMBOBOX", "", kDropDown | CBS_SORT, 40, 6, 60, 80},
    {1, "BUTTON", "OK", kDefButton, 108, 6, 50, 14},
    {2, "BUTTON", "Cancel", kButton, 108, 24, 50, 14},
};

const SDlgResourceControl kTemplatesList234[] = {
    {1134, "ToolbarWindow32", "", kChild, 0, 0, 220, 16},
    {IDC_STATIC, "STATIC", "Type:", kLabel, 6, 22, 30, 8},
    {1023, "COMBOBOX", "", kDropList, 40, 20, 180, 80},
    {1135, "LISTBOX", "", kList | LBS_SORT | WS_HSCROLL, 6, 38, 214, 90},
    {IDC_STATIC, "STATIC", "Path:", kLabel, 6, 134, 40, 8},
    {1005, "EDIT", "", kEdit | WS_DISABLED, 50, 132, 170, 12},
    {IDC_STATIC, "STATIC", "File name:", kLabel, 6, 150, 40, 8},
    {1136, "EDIT", "", kEdit | WS_DISABLED, 50, 148, 170, 12},
    {1, "BUTTON", "Close", kDefButton, 226, 6, 50, 14},
    {9, "BUTTON", "Help", kButton, 226, 24, 50, 14},
};

const SDlgResourceControl kListLayout235[] = {
    {1137, "SRepGridWndTB", "List Layout", kChild | WS_TABSTOP, 6, 6, 226, 105},
    {1, "BUTTON", "OK", kDefButton, 73, 117, 50, 14},
    {2, "BUTTON", "Cancel", kButton, 127, 117, 50, 14},
    {9, "BUTTON", "Help", kButton, 182, 117, 50, 14},
};

const SDlgResourceControl kCardLayout236[] = {
    {1138, "SRepGridWndTB", "Card Layout", kChild | WS_TABSTOP, 6, 6, 226, 105},
    {1, "BUTTON", "OK", kDefButton, 73, 117, 50, 14},
    {2, "BUTTON", "Cancel", kButton, 127, 117, 50, 14},
    {9, "BUTTON", "Help", kButton, 182, 117, 50, 14},
};

template <size_t N>
constexpr SDlgResource Dialog(const char* caption, uint32_t style, int16_t cx, int16_t cy,
                              const SDlgResourceControl (&controls)[N]) {
    return SDlgResource{caption, style, 0, 0, cx, cy, controls, N};
}

const SRptDialogInstaller::Row kDialogs[] = {
    {204, Dialog("Report", kModal, 190, 92, kPrinting204)},
    {209, Dialog("Graph Format", kModal, 202, 102, kGraphFormat209)},
    {210, Dialog("Editor", kResizable, 294, 140, kEditor210)},
    {211, Dialog("Font", kPage, 210, 150, kFont211)},
    {213, Dialog("Format", kModal, 318, 192, kFormat213)},
    {222, Dialog("Report Template Type", kModal, 244, 108, kType222)},
    {226, Dialog("Text", kPage, 220, 160, kText226)},
    {228, Dialog("Header and Footer", kModal, 294, 146, kHeaderFooter228)},
    {229, Dialog("Format", kModal, 232, 192, kFormat229)},
    {230, Dialog("Zoom Scale", kModal, 164, 44, kZoom230)},
    {234, Dialog("List of Report Templates", kModal, 282, 166, kTemplatesList234)},
    {235, Dialog("List Layout", kResizable, 238, 137, kListLayout235)},
    {236, Dialog("Card Layout", kResizable, 238, 137, kCardLayout236)},
    {237, Dialog("Format", kModal, 318, 192, kFormat237)},
};

}  // namespace

void SRptDialogResources::Install(SModuleState& state) {
    SRptDialogInstaller::Install(state, kDialogs, std::size(kDialogs));
}
