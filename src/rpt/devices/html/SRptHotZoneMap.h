#pragma once
// The clickable zones that a module declares while drawing a user graphic for HTML: rectangle
// to the object it refers to. Equal rectangles are one zone; others are ordered by their edges,
// left, then top, then right, then bottom, each signed.
#include <cstdint>

#include "platform/base/RECT.h"
#include "platform/base/STree.h"
#include "rpt/devices/html/RPTHOTZONE.h"

class SRptHotZoneMap {
public:
    struct Compare {
        int operator()(const RECT& a, const RECT& b) const;
    };
    using Tree = STree<RECT, RPTHOTZONE, Compare>;
    using Node = Tree::Node;

    // Stores the zone under the rectangle, replacing a zone of an equal rectangle; answers the
    // stored zone.
    RPTHOTZONE& Insert(const RECT& rect, const RPTHOTZONE& zone);
    // The zone of that rectangle, or null.
    RPTHOTZONE* Lookup(const RECT& rect) const;

    int32_t GetCount() const { return m_zones.GetCount(); }
    void RemoveAll() { m_zones.RemoveAll(); }

    // A walk in key order: GetFirst, then GetNext until the node is empty.
    Node GetFirst() const { return m_zones.GetMinimum(); }
    Node GetNext(Node node) const { return m_zones.Successor(node); }

private:
    Tree m_zones;
};
