#include "rpt/resources/SRptFormatResources.h"

#include <iterator>
#include <utility>

namespace {
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

}  // namespace

void SRptFormatResources::Install(SModuleState& state) {
    state.AddStrings(kStrings, std::size(kStrings));
}
