#pragma once
// What the writers read of a generation node: made once, when the tree first enters the node,
// and owned by the node. Init reads the item (and, for module items, the module's procedures)
// once; afterwards the writers only read plain texts, the object id and, for tables and
// pictures, the tables and picture the derived helpers keep.
#include "platform/base/SString.h"
#include "platform/base/STable.h"
#include "platform/com/GUID.h"
#include "platform/com/IUnknown.h"
#include "platform/com/SComWrap.h"
#include "varod9/ISRptUserProcs.h"

class SRptGenerationNode;
struct ISRptItem;
struct RPTCONTENTSENTRY;

class SRptOutputHelper {
public:
    explicit SRptOutputHelper(SRptGenerationNode* node) : m_node(node) {}
    virtual ~SRptOutputHelper() = default;
    SRptOutputHelper(const SRptOutputHelper&) = delete;
    SRptOutputHelper& operator=(const SRptOutputHelper&) = delete;

    // Reads the item; the client is the generation run's. A missing item interface throws.
    virtual HRESULT Init(IUnknown* client) = 0;
    // The node's outline number text, or empty without a node.
    virtual SString GetNumberText();
    // The text the contents entries show.
    virtual SString GetText() = 0;
    // Turns cell and hot-zone references into links once the tree is complete.
    virtual HRESULT ResolveLinks() { return S_OK; }
    // Whether the item writes nothing at all, not even its title or contents entry: a list
    // without a data row, a form whose rows are all heading rows.
    virtual bool WritesNothing() const { return false; }

    // The first text the helper keeps: the text, a text file's path, a template's first-page
    // title, a module item's title; empty for the kinds without texts.
    virtual SString GetFirstText() { return SString(); }
    // The second text: the body of a group text; empty for every other kind.
    virtual SString GetSecondText() { return SString(); }
    // The outline number followed by the first text.
    SString GetNumberedText();

    const GUID* GetObjectID() const { return &m_objectID; }
    SRptGenerationNode* GetNode() const { return m_node; }
    // The owning tree's contents entries, or null without a node or a tree.
    STable<RPTCONTENTSENTRY>* GetContentsTable() const;

    // The first node but this helper's own that presents `objectId` for an item with the target's
    // module and item ids; null for no target, a null id or no such node.
    SRptGenerationNode* FindLinkedNode(ISRptItem* target, const GUID& objectId) const;

protected:
    // The node's item through one of its interfaces. The query's own failure is thrown with its
    // code; an item without the interface (or no item) throws E_POINTER.
    template <class I>
    SComWrap<I> ItemAs() const {
        SComWrap<I> item;
        item = GetNodeItem();
        if (!item) SComThrow(E_POINTER);
        return item;
    }
    // Fills the record of a module item through the node, which knows the kind's fields, and
    // finds the kind's procedures; E_POINTER when the helper's node is no module item's.
    HRESULT FillNodeRecord(IUnknown* client, RPTPROCCONTEXT* record, SComWrap<ISRptProcs>* procs) const;
    // Asks the module for the text of the group member that the node stands for. S_OK when the
    // module gave one: its title is copied into `title` and its object into the object id, and
    // the record holds the rest of the answer; S_FALSE when it gave none; the record filling's
    // failure otherwise.
    HRESULT ReadMemberText(IUnknown* client, RPTPROCCONTEXT* record, SString* title);

    SRptGenerationNode* m_node;
    GUID m_objectID{};

private:
    IUnknown* GetNodeItem() const;
};
