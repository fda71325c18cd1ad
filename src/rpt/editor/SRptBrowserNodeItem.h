#pragma once
// The browser node of a report object (a template or an item) in the editor's browsers. The kind
// of node names its context menu and its range of kind commands, each with one value for an item
// outside a template (an available item) and one for an item inside a template. The node decides
// which editor commands it offers, accepts report items dropped on it (placing copies in the
// target's template) and shows the items of its object's Items as child nodes.
#include <cstdint>

#include "platform/repo/SRepBrowserNode.h"
#include "varod9/ISRptItem.h"

// Why a node asks its tree node to refresh: an item was inserted under it.
inline constexpr int32_t RPT_NODE_REFRESH_INSERTED = 22;
// The node-information record of initialisation: its mask, and the value of an item node and of
// a template node.
inline constexpr uint32_t RPT_NODE_INFO_MASK = 0x80;
inline constexpr uint16_t RPT_NODE_INFO_ITEM = 2;
inline constexpr uint16_t RPT_NODE_INFO_TEMPLATE = 1;
// The editor kind of a node in a template editor; any other value is a report editor's.
inline constexpr int32_t RPT_EDITOR_TEMPLATE = 1;
inline constexpr int32_t RPT_EDITOR_REPORT = 0;

class SRptBrowserNodeItem : public SRepBrowserNode {
public:
    SRptBrowserNodeItem(ISBrowserView* view, int32_t editorKind) : SRepBrowserNode(view), m_editorKind(editorKind) {}

    const SClassInfo* GetClassInfo() const override { return &classSRptBrowserNodeItem; }
    static const SClassInfo classSRptBrowserNodeItem;

    // Takes the node's place in the browser and installs its context menu: 0 when the menu was
    // installed, 1 otherwise (no menu for the kind, or a view that takes none).
    virtual int32_t InitNode(ISRepObject* object, uint32_t flags, ISBrowserNode* parent, ISBrowserNode* after,
                             int32_t labelAttribute);
    // Whether InitNode gave the node a place in a tree (its parent or the browser owns it then).
    bool IsPlaced() const { return m_placed; }

    // The kind's context menu and command range, chosen by the item's InTemplate; 0 for an object
    // that is no item, or for a kind without them.
    virtual uint32_t GetContextMenuID() = 0;
    virtual uint32_t GetFirstCommandID() = 0;
    virtual uint32_t GetLastCommandID() = 0;
    // Whether a kind command may run on several selected nodes: never in this editor.
    virtual int32_t AcceptsMultiSelection(uint32_t) { return 0; }

    int32_t GetEditorKind() const { return m_editorKind; }

    // The children are the items of the object's Items, each shown by the node its item makes.
    int32_t GetChildCollectionID() const override;
    ISBrowserNode* CreateChildNode(ISRepObject* child, ISBrowserNode* after, int32_t labelAttribute) override;

    HRESULT QueryCommandSupport(uint32_t id, ISShellCommandClass* commandClass) override;
    HRESULT CanDrop(ISBrowserNode* target, SOleDataObject& data, uint32_t flags, int32_t position, uint32_t effect,
                    uint32_t* resultEffect) override;
    HRESULT Drop(ISBrowserNode* target, SOleDataObject& data, uint32_t flags, int32_t position, uint32_t effect,
                 uint32_t* resultEffect) override;

    // The command face of the editor view class of a kind of editor; null while there is none.
    static ISShellCommandClass* GetViewCommandClass(int32_t editorKind);

protected:
    // The node's object as an item, null when it is none; a failed query other than a missing
    // interface is thrown.
    SComWrap<ISRptItem> GetItem() const;
    // `outside` for an item outside a template, `inside` for one inside; 0 for no item.
    uint32_t ByItemState(uint32_t outside, uint32_t inside) const;
    void MarkPlaced(bool placed) { m_placed = placed; }

private:
    // Whether the node answers for commands that come with `commandClass`.
    bool DecidesFor(ISShellCommandClass* commandClass) const;
    // Whether every selected node's item offers Format (page breaks in a multiple selection do
    // not count against it).
    bool SelectionSupportsFormat() const;
    // Where a dragged item would go: the target itself at `position` when the caller chose the
    // place (bit 0 of `flags`), else where the item's kind puts a drop on the target.
    static HRESULT PlaceOf(ISRptItem* dragged, ISRptItem* target, uint32_t flags, int32_t position, bool altDown,
                           SComWrap<ISRptItem>& parent, int32_t* at);

    int32_t m_editorKind;
    bool m_placed = false;
};
