#pragma once
// A kind of item node with its two context menus and its two ranges of ten kind commands: the
// first of each for an item outside a template, the second for one inside.
#include "rpt/editor/SRptBrowserNodeItem.h"

template <uint32_t MenuOutside, uint32_t MenuInside, uint32_t FirstOutside, uint32_t FirstInside>
class SRptBrowserNodeRanged : public SRptBrowserNodeItem {
public:
    static constexpr uint32_t kCommandsPerKind = 10;

    using SRptBrowserNodeItem::SRptBrowserNodeItem;

    uint32_t GetContextMenuID() override { return ByItemState(MenuOutside, MenuInside); }
    uint32_t GetFirstCommandID() override { return ByItemState(FirstOutside, FirstInside); }
    uint32_t GetLastCommandID() override {
        return ByItemState(FirstOutside + kCommandsPerKind - 1, FirstInside + kCommandsPerKind - 1);
    }
};
