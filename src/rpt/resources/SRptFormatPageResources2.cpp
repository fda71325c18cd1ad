#include "rpt/resources/SRptFormatPageResources2.h"

#include <iterator>
#include <vector>

#include "platform/ui/SResourceBuilder.h"
#include "platform/ui/SResourceTypes.h"
#include "platform/ui/SWinDefs.h"
#include "rpt/resources/SRptDialogInstaller.h"

namespace {
constexpr uint32_t kPage = WS_CHILD | WS_CAPTION | WS_DISABLED | DS_SETFONT;
constexpr uint32_t kChild = WS_CHILD | WS_VISIBLE;
constexpr uint32_t kLabel = kChild | SS_LEFT;
constexpr uint32_t kGroup = kChild | BS_GROUPBOX;
constexpr uint32_t kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
// The pagination boxes change their state in the page's own click handlers.
constexpr uint32_t kThreeState = kChild | WS_TABSTOP | BS_3STATE;
constexpr uint32_t kRadio = kChild | WS_TABSTOP | BS_AUTORADIOBUTTON;
constexpr uint32_t kEdit = kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
// The tab stop positions: a field to type a position in above the list of the stops.
constexpr uint32_t kPositions = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
constexpr uint32_t kSpin = kChild;
constexpr const char* kUpDown = "msctls_updown32";

const SDlgResourceControl kLineAndPageBreaks225[] = {
    {IDC_STATIC, "BUTTON", "Pagination", kGroup, 6, 4, 208, 76},
    {1099, "BUTTON", "&Widow/Orphan control", kThreeState, 14, 18, 120, 10},
    {1100, "BUTTON", "&Keep lines together", kThreeState, 14, 32, 120, 10},
    {1101, "BUTTON", "Keep with ne&xt", kThreeState, 14, 46, 120, 10},
    {1102, "BUTTON", "&Page break before", kThreeState, 14, 60, 120, 10},
    {IDC_STATIC, "BUTTON", "Preview", kGroup, 6, 86, 208, 68},
    {1016, "STATIC", "AaBbYyZz", kLabel, 14, 100, 192, 48},
};

const SDlgResourceControl kTabs227[] = {
    {IDC_STATIC, "STATIC", "&Tab stop position:", kLabel, 6, 6, 90, 8},
    {1110, "COMBOBOX", "", kPositions, 6, 16, 90, 90},
    {IDC_STATIC, "STATIC", "De&fault tab stops:", kLabel, 110, 6, 90, 8},
    {1111, "EDIT", "", kEdit, 110, 16, 60, 12},
    {1121, kUpDown, "", kSpin, 170, 16, 10, 12},
    {IDC_STATIC, "BUTTON", "Alignment", kGroup, 110, 34, 104, 52},
    {1107, "BUTTON", "&Left", kRadio | WS_GROUP, 118, 46, 60, 10},
    {1108, "BUTTON", "&Center", kRadio, 118, 58, 60, 10},
    {1109, "BUTTON", "&Right", kRadio, 118, 70, 60, 10},
    {1104, "BUTTON", "&Set", kButton, 6, 136, 50, 14},
    {1105, "BUTTON", "Cl&ear", kButton, 62, 136, 50, 14},
    {1106, "BUTTON", "Clear &All", kButton, 118, 136, 50, 14},
};

const SRptDialogInstaller::Row kPages[] = {
    {225, SDlgResource{"Line and Page Breaks", kPage, 0, 0, 220, 160, kLineAndPageBreaks225, std::size(kLineAndPageBreaks225)}},
    {227, SDlgResource{"Tabs", kPage, 0, 0, 220, 160, kTabs227, std::size(kTabs227)}},
};

}  // namespace

void SRptFormatPageResources2::Install(SModuleState& state) {
    SRptDialogInstaller::Install(state, kPages, std::size(kPages));
}
