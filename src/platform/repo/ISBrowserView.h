#pragma once
// A browser as its nodes meet it: the selection, node look-up, and the context menu a node
// installs (the browser owns the menu afterwards).
#include <cstdint>

#include "platform/ui/SWinDefs.h"

struct ISRepObject;
struct ISBrowserNode;

struct ISBrowserView {
    virtual int32_t GetSelectedCount() const = 0;
    virtual ISBrowserNode* GetSelectedNode(int32_t index) const = 0;
    virtual ISBrowserNode* LookupNode(ISRepObject* object) const = 0;
    // Takes a node's context menu; 0 when the browser has no context menus.
    virtual int32_t SetNodeContextMenu(ISBrowserNode* node, HMENU menu) = 0;

protected:
    ~ISBrowserView() = default;
};
