#pragma once
// The device-independent tree of one generation run: one node per report element in document
// order (the root, under it the templates, under those their items), a cursor that enters and
// leaves nodes as the writers move through the tree, and the table-of-contents entries.
#include <cstdint>
#include <memory>

#include "platform/base/SString.h"
#include "platform/base/STable.h"
#include "rpt/devices/generation/SRptGenerationNode.h"

struct RPTCONTENTSENTRY {
    SRptGenerationNode* node = nullptr;
    int32_t level = 0;  // the depth the node was inserted at
    SString text;       // empty until the refresh
};

// How two nodes relate, as the cursor sees it.
inline constexpr int32_t RPTREL_NONE = 0;
inline constexpr int32_t RPTREL_SAME = 1;
inline constexpr int32_t RPTREL_B_ANCESTOR_OF_A = 2;
inline constexpr int32_t RPTREL_A_ANCESTOR_OF_B = 4;
inline constexpr int32_t RPTREL_COMMON_ANCESTOR = 8;
inline constexpr int32_t RPTREL_SAME_ITEM = 16;

struct RPTNODERELATION {
    SRptGenerationNode* a = nullptr;
    SRptGenerationNode* b = nullptr;
    int32_t code = RPTREL_NONE;
    SRptGenerationNode* common = nullptr;  // the ancestor for 2, 4 and 8
    SRptGenerationNode* aSide = nullptr;   // for 16: the node on a's path ...
    SRptGenerationNode* bSide = nullptr;   // ... and the one on b's path with the same item
};

class SRptGenerationTree {
public:
    // A failed query of the client other than E_NOINTERFACE is thrown as SECOMException.
    SRptGenerationTree(IUnknown* client, int32_t deviceKind);
    // Leaves whatever is still entered, from the cursor up to the root.
    ~SRptGenerationTree();
    SRptGenerationTree(const SRptGenerationTree&) = delete;
    SRptGenerationTree& operator=(const SRptGenerationTree&) = delete;

    // Appends the node at the end of the right-most path, `depth` levels below the root.
    HRESULT Insert(std::unique_ptr<SRptGenerationNode> node, int32_t depth);
    // Enters every node in tree order under the wait cursor.
    HRESULT ForEach();
    // Drops the entries deeper than the maximum contents level and those of items that write
    // nothing, fills the others' texts and numbers them as the items written; answers S_FALSE.
    HRESULT RefreshContents();
    // The first node but the root presenting that object, or null.
    SRptGenerationNode* FindNode(const SString& moduleId, const SString& itemId, const GUID& objectId) const;
    // Has the helper of every node but the root resolve its links.
    HRESULT ForEachHelper();
    // Leaves what must be left and enters the node; answers its helper.
    SRptOutputHelper* MoveCursorTo(SRptGenerationNode* target);
    static HRESULT GetRelation(RPTNODERELATION* relation);

    // Tree order (pre-order): the root first; null after the last node.
    SRptGenerationNode* GetRoot() const { return m_root.get(); }
    static SRptGenerationNode* GetNextInTreeOrder(SRptGenerationNode* node);

    SRptGenerationNode* GetCursor() const { return m_cursor; }
    STable<RPTCONTENTSENTRY>& GetContentsEntries() { return m_contents; }
    int32_t GetDeviceKind() const { return m_deviceKind; }
    int32_t GetMaxContentsLevel() const { return m_maxContentsLevel; }
    void SetMaxContentsLevel(int32_t level) { m_maxContentsLevel = level; }
    int32_t GetNumbering() const { return m_numbering; }
    uint32_t GetNodeCount() const { return m_nodeCount; }

private:
    void LeaveUpTo(SRptGenerationNode* stop);
    void AddContentsEntry(SRptGenerationNode* node, int32_t depth);
    // Gives the node its parent's outline number followed by `ordinal`.
    static void Number(SRptGenerationNode* node, int32_t ordinal);
    // Numbers every numbered node again, in document order, as if the nodes no longer numbered
    // had never been.
    void Renumber();

    std::unique_ptr<SRptGenerationNode> m_root;
    SRptGenerationNode* m_cursor = nullptr;
    IUnknown* m_client;  // the run's, not counted here
    STable<RPTCONTENTSENTRY> m_contents;
    int32_t m_deviceKind;
    int32_t m_maxContentsLevel = 9;
    int32_t m_numbering = 1;
    uint32_t m_nodeCount = 0;
};
