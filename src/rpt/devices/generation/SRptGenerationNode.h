#pragma once
// A node of the generation tree: the report item it presents, its place in the tree, its outline
// number and, once entered, its output helper. Node kinds choose their helper and, for module
// items, position the module when the node is prepared, reselected or left. The client argument
// of every step is the generation run's client, which the tree passes.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/base/SString.h"
#include "platform/base/STable.h"
#include "platform/com/GUID.h"
#include "platform/com/SComWrap.h"
#include "rpt/devices/helpers/SRptOutputHelper.h"

class SRptGenerationTree;

inline constexpr int32_t RPTNODE_CLOSED = 0;
inline constexpr int32_t RPTNODE_PREPARED = 1;
inline constexpr int32_t RPTNODE_ENTERED = 2;

class SRptGenerationNode {
public:
    // Holds a reference on the item; a node without an item (the tree's root, a page break made
    // for a paragraph's break-before) presents nothing and matches nothing.
    SRptGenerationNode(SRptGenerationTree* tree, IUnknown* item, int32_t occurrence = 0);
    virtual ~SRptGenerationNode();
    SRptGenerationNode(const SRptGenerationNode&) = delete;
    SRptGenerationNode& operator=(const SRptGenerationNode&) = delete;

    virtual HRESULT Prepare(IUnknown* client);
    virtual HRESULT Reselect(IUnknown* client);
    // Makes the helper (and those of every ancestor, outermost first) and marks the node entered.
    virtual HRESULT Enter(IUnknown* client);
    virtual HRESULT Leave(IUnknown* client);
    virtual HRESULT CreateOutputHelper(IUnknown* client);

    SRptOutputHelper* GetOutputHelper() const { return m_helper.get(); }
    IUnknown* GetItem() const { return m_item.Get(); }
    bool HasSameItem(const SRptGenerationNode* other) const;
    int32_t GetOccurrence() const { return m_occurrence; }
    int32_t GetState() const { return m_state; }
    SRptGenerationTree* GetTree() const { return m_tree; }

    // The outline number, outermost first; empty unless the node is a contents entry.
    STable<int32_t>& GetIndexTable() { return m_indexes; }
    const STable<int32_t>& GetIndexTable() const { return m_indexes; }
    // "2.1.3 ", a lone blank without numbers, empty while the tree does not number.
    SString GetNumberText() const;
    // Parent links up to the root: 0 for the root, 1 for a template node.
    int32_t GetLevel() const;
    uint32_t GetSerial() const { return m_serial; }
    void SetSerial(uint32_t serial) { m_serial = serial; }
    // The node's ordinal among the numbered nodes it is counted with (already inserted); whether
    // a node is numbered is decided when it is appended.
    int32_t CountNumberedSiblings() const;
    // The node whose numbered descendants this node is counted among: its parent, or for a
    // top-level item the root, which numbers them on across every template; null for none.
    const SRptGenerationNode* GetNumberingParent() const;
    // Whether the item carries these module and item ids and the helper this object id.
    bool MatchesObject(const SString& moduleId, const SString& itemId, const GUID& objectId) const;
    // Whether the node's item asks for a contents entry.
    bool IsContentsEntry() const;

    SRptGenerationNode* GetParent() const { return m_parent; }
    int32_t GetChildCount() const { return static_cast<int32_t>(m_children.size()); }
    SRptGenerationNode* GetChild(int32_t index) const { return m_children.at(static_cast<size_t>(index)).get(); }
    SRptGenerationNode* GetLastChild() const { return m_children.empty() ? nullptr : m_children.back().get(); }
    SRptGenerationNode* GetNextSibling() const;
    // Takes the node over as the last child.
    SRptGenerationNode* AppendChild(std::unique_ptr<SRptGenerationNode> child);

protected:
    // The kind's helper, or null for a kind without one.
    virtual std::unique_ptr<SRptOutputHelper> NewOutputHelper() { return nullptr; }
    void SetState(int32_t state) { m_state = state; }

private:
    static int32_t CountContentsEntries(const SRptGenerationNode* parent);
    bool IsTemplateNode() const;

    int32_t m_occurrence;
    SComWrap<IUnknown> m_item;
    STable<int32_t> m_indexes;
    SRptGenerationTree* m_tree;
    std::unique_ptr<SRptOutputHelper> m_helper;
    int32_t m_state = RPTNODE_CLOSED;
    uint32_t m_serial = 0;
    SRptGenerationNode* m_parent = nullptr;
    size_t m_position = 0;  // among the parent's children
    std::vector<std::unique_ptr<SRptGenerationNode>> m_children;
    int32_t m_contentsChildren = 0;  // children that are contents entries, as they were appended
};
