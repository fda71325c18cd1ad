#include "rpt/resources/SRptCommandResources.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "platform/ui/SAccelerators.h"
#include "platform/ui/SMenu.h"
#include "platform/ui/SResourceBuilder.h"
#include "platform/ui/SResourceTypes.h"
#include "rpt/resources/SRptToolbarBitmap.h"

namespace {
constexpr uint16_t POPUP = MF_POPUP;
constexpr uint16_t END = MF_END;

const SMenuResourceItem kMenu302[] = {
    {POPUP | END, 0, "&Report"},
    {0, 45001, "&Up"},
    {0, 45002, "&Down"},
    {0, 45003, "&Raise Level"},
    {0, 45004, "&Lower Level"},
    {0, 0, ""},
    {0, 45005, "&Add"},
    {0, 0, ""},
    {0, 45006, "&Format..."},
    {0, 45007, "La&yout..."},
    {0, 45008, "&Edit..."},
    {0, 45009, "&Header/Footer..."},
    {0, 45010, "&Change Fonts..."},
    {0, 0, ""},
    {END, 61439, "INSERT MARK"},
};
const SMenuResourceItem kMenu350[] = {
    {POPUP | END, 0, "Browser"},
    {0, 45005, "&Add"},
    {END, 45006, "&Format..."},
};
const SMenuResourceItem kMenu317[] = {{POPUP | END, 0, "Page Break"}, {END, 45260, "&Generate in HTML"}};
const SMenuResourceItem kMenu318[] = {{POPUP | END, 0, "Page Break"}, {END, 45560, "&Generate in HTML"}};
const SMenuResourceItem kMenu322[] = {{POPUP | END, 0, "Graphic File"}, {END, 45581, "&Select File..."}};
const SMenuResourceItem kMenu324[] = {{POPUP | END, 0, "Text File"}, {END, 45591, "&Select File..."}};
const SMenuResourceItem kMenu329[] = {{POPUP | END, 0, "Template"}, {END, 45100, "&Rename"}};
const SMenuResourceItem kMenu351[] = {
    {POPUP | END, 0, "Item"},
    {0, 45001, "&Up"},
    {0, 45002, "&Down"},
    {0, 45003, "&Raise Level"},
    {0, 45004, "&Lower Level"},
    {0, 0, ""},
    {0, 45006, "&Format..."},
    {0, 45007, "La&yout..."},
    {0, 45008, "&Edit..."},
    {0, 45009, "&Header/Footer..."},
    {0, 0, ""},
    {0, 115, "&Delete"},
    {0, 103, "Page &Setup..."},
    {0, 0, ""},
    {POPUP, 0, "Display &Order"},
    {0, 45015, "&User"},
    {END, 45016, "&Alphabetical"},
    {POPUP | END, 0, "D&isplay"},
    {0, 45011, "&All"},
    {0, 45012, "Only &modified ones"},
    {0, 45013, "File &path only"},
    {END, 45014, "File &content only"},
};

const SAccelResourceItem kAccel429[] = {{FVIRTKEY | FNOINVERT, 0x1B, 122}};
const SAccelResourceItem kAccel430[] = {{FVIRTKEY | FNOINVERT, 0x09, 6101}};

const uint16_t kToolbar232[] = {0, 105, 2052, 2053, 2054, 2055, 2056, 2057, 2058, 0, 1021, 1022, 0, 116, 2061};
const uint16_t kToolbar343[] = {1021, 1022, 45005, 45001, 45002, 45003, 45004};
const uint16_t kToolbar347[] = {104, 105, 1021, 1022, 0, 45005, 0, 45001, 45002, 45003, 45004};

const std::pair<uint32_t, const char*> kCommandStrings[] = {
    {105, "Print\tCtrl+P"},
    {120, "&Docking View"},
    {122, "&Hide"},
    {1021, "Generates report in RTF format\nGenerate RTF"},
    {1022, "Generates report in HTML format\nGenerate HTML"},
    {2052, "Shows one page\nShow One Page"},
    {2053, "Shows multiple pages\nShow Multiple Pages"},
    {2054, "Changes zoom scale\nZoom"},
    {2055, "Shows first page\nFirst Page"},
    {2056, "Shows previous page\nPrevious Page"},
    {2057, "Shows next page\nNext Page"},
    {2058, "Shows last page\nLast Page"},
    {45001, "Moves the selected item up one level\nUp One Level"},
    {45002, "Moves the selected item down one level\nDown One Level"},
    {45003, "Raises the selected item one level\nRaise Level"},
    {45004, "Lowers the selected item one level\nLower Level"},
    {45005, "Adds the selected item to the contents pane\nAdd Item"},
    {45006, "Formats the selected item\nFormat"},
    {45007, "Modifies the layout of the selected item\nLayout"},
    {45008, "Modifies the selected item\nEdit"},
    {45009, "Modifies the header and footer of the section\nHeader and Footer"},
    {45010, "Change the defaut report fonts"},
    {45015, "Display user order"},
    {45016, "Display alphabetical order"},
    {45630, "Report"},
};

// The bytes live as long as the program: the module state keeps pointers to them.
std::vector<std::vector<uint8_t>>& Store() {
    static auto* store = new std::vector<std::vector<uint8_t>>();
    return *store;
}

void Add(SModuleState& state, const SString& type, uint32_t id, std::vector<uint8_t> bytes) {
    auto& store = Store();
    store.push_back(std::move(bytes));
    state.AddResource(type, id, store.back().data(), store.back().size());
}

template <size_t N>
void AddMenu(SModuleState& state, uint32_t id, const SMenuResourceItem (&items)[N]) {
    Add(state, RT_MENU, id, SResourceBuilder::Menu(items, N));
}

template <size_t N>
void AddToolbar(SModuleState& state, uint32_t id, const uint16_t (&ids)[N]) {
    Add(state, RT_TOOLBAR, id, SResourceBuilder::Toolbar(ids, N));
}
// A toolbar's images: one per button (separators take none), in the order of its buttons.
template <size_t N>
void AddToolbarBitmap(SModuleState& state, uint32_t id, const uint16_t (&ids)[N]) {
    const auto buttons = static_cast<int32_t>(std::count_if(ids, ids + N, [](uint16_t entry) { return entry != 0; }));
    Add(state, RT_BITMAP, id, SRptToolbarBitmap::Build(buttons));
}
}  // namespace

void SRptCommandResources::Install(SModuleState& state) {
    // Each installation makes its own bytes; the store holds them all, so that a module state
    // built again after a restart never reads freed ones.
    AddMenu(state, 302, kMenu302);
    AddMenu(state, 350, kMenu350);
    AddMenu(state, 317, kMenu317);
    AddMenu(state, 318, kMenu318);
    AddMenu(state, 322, kMenu322);
    AddMenu(state, 324, kMenu324);
    AddMenu(state, 329, kMenu329);
    AddMenu(state, 351, kMenu351);
    Add(state, RT_ACCELERATOR, 429, SResourceBuilder::Accelerators(kAccel429, std::size(kAccel429)));
    Add(state, RT_ACCELERATOR, 430, SResourceBuilder::Accelerators(kAccel430, std::size(kAccel430)));
    AddToolbar(state, 232, kToolbar232);
    AddToolbar(state, 343, kToolbar343);
    AddToolbar(state, 347, kToolbar347);
    AddToolbarBitmap(state, 232, kToolbar232);
    AddToolbarBitmap(state, 343, kToolbar343);
    AddToolbarBitmap(state, 347, kToolbar347);
    state.AddStrings(kCommandStrings, std::size(kCommandStrings));
}
