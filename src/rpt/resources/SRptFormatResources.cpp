#include "rpt/resources/SRptFormatResources.h"

#include <iterator>
#include <utility>
#include <vector>

#include "platform/ui/SResourceBuilder.h"
#include "platform/ui/SResourceTypes.h"
#include "platform/ui/SWinDefs.h"

namespace {
constexpr uint32_t kPage = WS_CHILD | WS_CAPTION | WS_DISABLED | DS_SETFONT;

// The pages' own controls come with the pages; the sheet needs their captions and sizes.
struct SPageRow {
    uint32_t id;
    SDlgResource dialog;
};

const SPageRow kPages[] = {
    {221, SDlgResource{"Paragraph", kPage, 0, 0, 220, 160, nullptr, 0}},
    {224, SDlgResource{"Border", kPage, 0, 0, 220, 160, nullptr, 0}},
    {225, SDlgResource{"Line and Page Breaks", kPage, 0, 0, 220, 160, nullptr, 0}},
    {227, SDlgResource{"Tabs", kPage, 0, 0, 220, 160, nullptr, 0}},
};

const std::pair<uint32_t, const char*> kStrings[] = {
    {5107, "Format"},
    {5242, "The measurement must be between %.2f cm and %.2f cm."},
    {5243, "The measurement must be between %ld pt and %ld pt."},
    {5244, "The measurement must be between %ld li and %ld li."},
    {5282, "The measurement must be between %.2f in and %.2f in."},
    // The paragraph page's line spacing choices, then its alignment choices.
    {5545, "Single"},
    {5546, "1.5 lines"},
    {5547, "Double"},
    {5548, "Exactly"},
    {5549, "Multiple"},
    {5550, "Left"},
    {5551, "Center"},
    {5552, "Right"},
    {5553, "Justified"},
};

// The bytes live as long as the program: the module state keeps pointers to them.
std::vector<std::vector<uint8_t>>& Store() {
    static auto* store = new std::vector<std::vector<uint8_t>>();
    return *store;
}
}  // namespace

void SRptFormatResources::Install(SModuleState& state) {
    state.AddStrings(kStrings, std::size(kStrings));
    auto& store = Store();
    for (const SPageRow& row : kPages) {
        store.push_back(SResourceBuilder::Dialog(row.dialog));
        state.AddResource(RT_DIALOG, row.id, store.back().data(), store.back().size());
    }
}
