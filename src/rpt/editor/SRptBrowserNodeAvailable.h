#pragma once
// The browser node of an available-items container: the root of an available-items browser,
// without a context menu or commands of its own.
#include "rpt/editor/SRptBrowserNodeItem.h"

class SRptBrowserNodeAvailable final : public SRptBrowserNodeItem {
public:
    using SRptBrowserNodeItem::SRptBrowserNodeItem;

    const SClassInfo* GetClassInfo() const override { return &classSRptBrowserNodeAvailable; }
    static inline const SClassInfo classSRptBrowserNodeAvailable = {"SRptBrowserNodeAvailable",
                                                                    &classSRptBrowserNodeItem};

    // Takes its place and nothing more: 1, no menu installed.
    int32_t InitNode(ISRepObject* object, uint32_t flags, ISBrowserNode* parent, ISBrowserNode* after,
                     int32_t labelAttribute) override {
        MarkPlaced(Construct(object, flags, parent, after, labelAttribute) != 0);
        return 1;
    }
    uint32_t GetContextMenuID() override { return 0; }
    uint32_t GetFirstCommandID() override { return 0; }
    uint32_t GetLastCommandID() override { return 0; }
};
