#pragma once
// A node of a repository browser: shows one repository object under the label of one of its
// attributes, with the objects of one of its collections as child nodes. Once constructed a node
// belongs to its parent node, or to the browser when it is a root. Derived nodes choose their
// children, their commands, their context menu and what may be dropped on them.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/base/SString.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/ISBrowserNode.h"
#include "platform/repo/ISBrowserView.h"
#include "platform/repo/ISRepObject.h"
#include "platform/ui/SCmdTarget.h"

struct ISShellCommandClass;
struct ISRepClassCol;
class SOleDataObject;
class SRepBrowserEx;

class SRepBrowserNode : public SCmdTarget, public ISBrowserNode {
public:
    explicit SRepBrowserNode(ISBrowserView* view) : m_view(view) {}
    ~SRepBrowserNode() override;

    const SClassInfo* GetClassInfo() const override { return &classSRepBrowserNode; }
    static const SClassInfo classSRepBrowserNode;

    // Shows `object` under the label of attribute `labelAttribute`, as a child of `parent` placed
    // after `after` (first when null), or as a root of the browser when there is no parent; then
    // makes the child nodes. 1 when the node took its place.
    virtual int32_t Construct(ISRepObject* object, uint32_t flags, ISBrowserNode* parent, ISBrowserNode* after,
                              int32_t labelAttribute);
    // The collection whose objects are the children; 0 for none.
    virtual int32_t GetChildCollectionID() const { return 0; }
    // The node of a child object, constructed and placed; null when the object gets none.
    virtual ISBrowserNode* CreateChildNode(ISRepObject* child, ISBrowserNode* after, int32_t labelAttribute);
    virtual void AddChildren();
    void RemoveChildren();
    // The label: the attribute as text (a number in decimal).
    virtual SString GetNodeLabel() const;
    // A new label from an edit in place; 1 when the object took it.
    virtual int32_t OnEndLabelEdit(const SString& label);
    virtual int32_t OnDoubleClick() { return 1; }

    // Commands: 0 when the node offers the command (base: none), then the command through the
    // node's map (0 handled, 1 not).
    virtual HRESULT QueryCommandSupport(uint32_t id, ISShellCommandClass* commandClass);
    virtual HRESULT OnCommand(uint32_t id, ISShellCommandClass* commandClass);

    // Drops: whether `data` may be dropped here (the effect in `resultEffect`, 0 refusing), and
    // the drop itself. The base refuses everything.
    virtual HRESULT CanDrop(ISBrowserNode* target, SOleDataObject& data, uint32_t flags, int32_t position, uint32_t effect,
                            uint32_t* resultEffect);
    virtual HRESULT Drop(ISBrowserNode* target, SOleDataObject& data, uint32_t flags, int32_t position, uint32_t effect,
                         uint32_t* resultEffect);
    // The collection told of an insertion: the child's node at that position.
    virtual HRESULT OnObjColInsert(ISRepClassCol* collection, ISRepObject* object, int32_t position);
    // The node of a child object, made with its subtree at `position` among the children (-1 or
    // beyond the end: last); null when the object gets none. Nothing else of the tree is made again.
    ISBrowserNode* InsertChildNode(ISRepObject* object, int32_t position);

    // ISBrowserNode
    ISRepObject* GetNodeObject() const override { return m_object.Get(); }
    ISBrowserNode* GetParentNode() const override { return m_parent; }
    ISBrowserView* GetBrowserView() const override { return m_view; }
    int32_t SetNodeInfo(const SBrowserNodeInfo& info) override;
    int32_t Refresh(int32_t code) override;
    int32_t EditLabel() override;

    ISRepObject* GetISRepObject() const { return m_object.Get(); }
    ISBrowserNode* GetISBrowserNode() { return this; }
    ISBrowserView* GetISBrowserView() const { return m_view; }
    // The node showing `object` in this node's subtree, then in the whole browser.
    virtual ISBrowserNode* LookupNode(ISRepObject* object);
    // Whether this node is `node` or lies below it.
    bool IsInSubtreeOf(const SRepBrowserNode* node) const;
    int32_t GetChildCount() const { return static_cast<int32_t>(m_children.size()); }
    SRepBrowserNode* GetChild(int32_t index) const;
    int32_t GetLabelAttribute() const { return m_labelAttribute; }
    uint32_t GetFlags() const { return m_flags; }
    // What the node was told: its last node information and refresh code (-1: none).
    const std::vector<SBrowserNodeInfo>& GetNodeInfos() const { return m_infos; }
    int32_t GetLastRefresh() const { return m_lastRefresh; }
    SRepBrowserEx* GetBrowser() const;

private:
    // Takes ownership of `child`, placed after `after` (first when null).
    void AdoptChild(SRepBrowserNode* child, ISBrowserNode* after);
    SRepBrowserNode* FindInSubtree(ISRepObject* object);

    ISBrowserView* m_view;
    SComWrap<ISRepObject> m_object;
    SRepBrowserNode* m_parent = nullptr;
    std::vector<std::unique_ptr<SRepBrowserNode>> m_children;
    int32_t m_labelAttribute = 0;
    uint32_t m_flags = 0;
    std::vector<SBrowserNodeInfo> m_infos;
    int32_t m_lastRefresh = -1;
};
