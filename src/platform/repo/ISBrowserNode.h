#pragma once
// A node of a browser's tree as the objects it shows meet it: its object, its place in the tree,
// its label, and the requests a node's owner makes of it (node information, refresh, label edit).
#include <cstdint>

struct ISRepObject;
struct ISBrowserView;

// The record a node is given at initialisation: a mask and a value at its documented places.
struct SBrowserNodeInfo {
    uint32_t mask = 0;
    uint16_t value = 0;
};

struct ISBrowserNode {
    virtual ISRepObject* GetNodeObject() const = 0;
    virtual ISBrowserNode* GetParentNode() const = 0;
    virtual ISBrowserView* GetBrowserView() const = 0;
    virtual int32_t SetNodeInfo(const SBrowserNodeInfo& info) = 0;
    // Rebuilds the node's children and label; `code` says why.
    virtual int32_t Refresh(int32_t code) = 0;
    // Starts editing the label in place; the browser ends it.
    virtual int32_t EditLabel() = 0;

protected:
    ~ISBrowserNode() = default;
};
