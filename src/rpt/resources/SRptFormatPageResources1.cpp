#include "rpt/resources/SRptFormatPageResources1.h"

#include <iterator>
#include <utility>
#include <vector>

#include "platform/ui/SResourceBuilder.h"
#include "platform/ui/SResourceTypes.h"
#include "platform/ui/SWinDefs.h"
#include "rpt/resources/SRptDialogInstaller.h"

namespace {
constexpr uint32_t kChild = WS_CHILD | WS_VISIBLE;
constexpr uint32_t kLabel = kChild | SS_LEFT;
constexpr uint32_t kGroup = kChild | BS_GROUPBOX;
constexpr uint32_t kEdit = kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr uint32_t kDropList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
// Three-state boxes whose state only the page's click handlers change.
constexpr uint32_t kThreeState = kChild | WS_TABSTOP | BS_3STATE;
// Up-down controls: arrow keys, aligned right of their edit, the page writes the edit's text.
constexpr uint32_t UDS_ALIGNRIGHT = 0x0004;
constexpr uint32_t UDS_ARROWKEYS = 0x0020;
constexpr uint32_t kSpin = kChild | UDS_ALIGNRIGHT | UDS_ARROWKEYS;
constexpr uint32_t kPage = WS_CHILD | WS_CAPTION | WS_DISABLED | DS_SETFONT;
constexpr const char* kUpDown = "msctls_updown32";

const SDlgResourceControl kParagraph221[] = {
    {IDC_STATIC, "BUTTON", "Indent", kGroup, 6, 4, 100, 62},
    {IDC_STATIC, "STATIC", "&Left:", kLabel, 12, 16, 40, 8},
    {1005, "EDIT", "", kEdit, 54, 14, 40, 12},
    {1115, kUpDown, "Spin1", kSpin, 94, 14, 10, 12},
    {IDC_STATIC, "STATIC", "&Right:", kLabel, 12, 32, 40, 8},
    {1007, "EDIT", "", kEdit, 54, 30, 40, 12},
    {1116, kUpDown, "Spin2", kSpin, 94, 30, 10, 12},
    {IDC_STATIC, "STATIC", "F&irst line:", kLabel, 12, 48, 40, 8},
    {1008, "EDIT", "", kEdit, 54, 46, 40, 12},
    {1117, kUpDown, "Spin3", kSpin, 94, 46, 10, 12},
    {IDC_STATIC, "BUTTON", "Space", kGroup, 112, 4, 102, 46},
    {IDC_STATIC, "STATIC", "&Before:", kLabel, 118, 16, 40, 8},
    {1010, "EDIT", "", kEdit, 160, 14, 40, 12},
    {1118, kUpDown, "Spin4", kSpin, 200, 14, 10, 12},
    {IDC_STATIC, "STATIC", "A&fter:", kLabel, 118, 32, 40, 8},
    {1011, "EDIT", "", kEdit, 160, 30, 40, 12},
    {1119, kUpDown, "Spin5", kSpin, 200, 30, 10, 12},
    {IDC_STATIC, "STATIC", "Line &spacing:", kLabel, 6, 74, 60, 8},
    {1085, "COMBOBOX", "", kDropList, 6, 84, 70, 80},
    {1012, "EDIT", "", kEdit, 80, 84, 40, 12},
    {1120, kUpDown, "Spin6", kSpin, 120, 84, 10, 12},
    {IDC_STATIC, "STATIC", "Align&ment:", kLabel, 140, 74, 60, 8},
    {1064, "COMBOBOX", "", kDropList, 140, 84, 70, 80},
    {IDC_STATIC, "BUTTON", "Preview", kGroup, 6, 104, 208, 50},
    {1016, "STATIC", "AaBbYyZz", kLabel, 12, 116, 196, 32},
};

const SDlgResourceControl kBorder224[] = {
    {IDC_STATIC, "BUTTON", "Frame", kGroup, 6, 4, 100, 76},
    {1062, "BUTTON", "&Left", kThreeState, 12, 16, 40, 10},
    {1060, "BUTTON", "&Top", kThreeState, 12, 28, 40, 10},
    {1063, "BUTTON", "&Right", kThreeState, 12, 40, 40, 10},
    {1061, "BUTTON", "&Bottom", kThreeState, 12, 52, 40, 10},
    {1157, "BUTTON", "&Box", kThreeState, 12, 64, 40, 10},
    {IDC_STATIC, "STATIC", "&Width:", kLabel, 112, 6, 50, 8},
    {1084, "COMBOBOX", "", kDropList, 112, 16, 60, 80},
    {IDC_STATIC, "STATIC", "&Box Width:", kLabel, 112, 34, 50, 8},
    {1086, "COMBOBOX", "", kDropList, 112, 44, 60, 80},
    {IDC_STATIC, "BUTTON", "From text", kGroup, 6, 84, 208, 46},
    {IDC_STATIC, "STATIC", "Top:", kLabel, 12, 96, 30, 8},
    {1095, "EDIT", "", kEdit, 44, 94, 40, 12},
    {1122, kUpDown, "", kSpin, 84, 94, 10, 12},
    {IDC_STATIC, "STATIC", "Bottom:", kLabel, 12, 112, 30, 8},
    {1096, "EDIT", "", kEdit, 44, 110, 40, 12},
    {1123, kUpDown, "", kSpin, 84, 110, 10, 12},
    {IDC_STATIC, "STATIC", "Left:", kLabel, 112, 96, 30, 8},
    {1097, "EDIT", "", kEdit, 144, 94, 40, 12},
    {1124, kUpDown, "", kSpin, 184, 94, 10, 12},
    {IDC_STATIC, "STATIC", "Right:", kLabel, 112, 112, 30, 8},
    {1098, "EDIT", "", kEdit, 144, 110, 40, 12},
    {1125, kUpDown, "", kSpin, 184, 110, 10, 12},
    {IDC_STATIC, "BUTTON", "Preview", kGroup, 6, 132, 208, 26},
    {1016, "STATIC", "AaBbYyZz", kLabel, 12, 142, 196, 12},
};

const SRptDialogInstaller::Row kPages[] = {
    {221, SDlgResource{"Paragraph", kPage, 0, 0, 220, 160, kParagraph221, std::size(kParagraph221)}},
    {224, SDlgResource{"Border", kPage, 0, 0, 220, 160, kBorder224, std::size(kBorder224)}},
};

const std::pair<uint32_t, const char*> kStrings[] = {
    {6011, "%.2f cm"},
    {6012, "%.2f in"},
};

}  // namespace

void SRptFormatPageResources1::Install(SModuleState& state) {
    state.AddStrings(kStrings, std::size(kStrings));
    SRptDialogInstaller::Install(state, kPages, std::size(kPages));
}
