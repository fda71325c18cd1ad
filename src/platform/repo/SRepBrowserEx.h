#pragma once
// A repository browser: a tree window of browser nodes, with a selection, label editing in
// place, context menus (the node's and the browser's commands), commands routed to the selected
// node, and drag and drop onto nodes with a drop target's steps (enter, over, drop).
#include <cstdint>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISBrowserView.h"
#include "platform/repo/ISRepDataSrc.h"
#include "platform/repo/SRepBrowserNode.h"
#include "platform/repo/SOleDataObject.h"
#include "platform/ui/SWnd.h"

inline constexpr uint32_t DROPEFFECT_NONE = 0;
inline constexpr uint32_t DROPEFFECT_COPY = 1;
inline constexpr uint32_t DROPEFFECT_MOVE = 2;

// The edit box of the label being edited, asked of the tree.
inline constexpr uint32_t TVM_GETEDITCONTROL = 0x110F;

class SRepLabelEdit;

class SRepBrowserEx : public SWnd, public ISBrowserView {
public:
    explicit SRepBrowserEx(uint32_t style = 0);
    ~SRepBrowserEx() override;

    const SClassInfo* GetClassInfo() const override { return &classSRepBrowserEx; }
    static const SClassInfo classSRepBrowserEx;

    using SWnd::Create;
    virtual int32_t Create(SWnd* parent, uint32_t id, uint32_t style = WS_CHILD | WS_VISIBLE);
    uint32_t GetBrowserStyle() const { return m_browserStyle; }

    // The browser's own references: whoever makes a browser for a pane takes one and lets it go
    // when the pane goes; the last one deletes the browser.
    uint32_t AddRef() { return ++m_dwRef; }
    uint32_t Release();
    uint32_t GetRefCount() const { return m_dwRef; }

    // Roots, owned by the browser once constructed.
    void AddRoot(SRepBrowserNode* node);
    int32_t GetRootCount() const { return static_cast<int32_t>(m_roots.size()); }
    SRepBrowserNode* GetRoot(int32_t index) const;
    // Lets every root go, with its subtree.
    void ReleaseRoot();
    // Builds every root's subtree again from the objects (after the objects changed), keeping
    // selected the nodes of the objects that were selected and are still shown.
    void RefreshTree();

    // Selection.
    void Select(SRepBrowserNode* node, bool add = false);
    void ClearSelection();
    bool IsSelected(const SRepBrowserNode* node) const;
    std::vector<SRepBrowserNode*> GetSelection() const { return m_selection; }
    // The node the user reached last, null without a selection.
    SRepBrowserNode* GetCurrentNode() const { return m_selection.empty() ? nullptr : m_selection.back(); }
    // Cut: the selected objects go to the browser clipboard, as copies, and are deleted.
    virtual void CutSelection();
    // What the last cut left on the clipboard, null when nothing; Clear empties it.
    static ISRepDataSrc* GetClipboard();
    static void ClearClipboard();

    // The text a node's entry of the tree shows: its label when the node was made, until it is
    // set anew.
    SString GetNodeText(ISBrowserNode* node) const;
    void SetNodeText(ISBrowserNode* node, const SString& text);
    virtual void OnSelChanged() {}

    // Label editing: one node at a time; the edit ends with the new text or is cancelled.
    int32_t BeginLabelEdit(SRepBrowserNode* node);
    SRepBrowserNode* GetEditedNode() const { return m_editing; }
    // The edit box of the label being edited (a browser with a window only), null otherwise; the
    // tree answers TVM_GETEDITCONTROL with its window.
    SRepLabelEdit* GetEditControl() const { return m_editCtrl.get(); }
    // 1 when the new label was taken.
    int32_t EndLabelEdit(const SString& label, bool cancel = false);
    virtual int32_t OnEndLabelEdit(ISBrowserNode* node, const SString& label);

    // A user's double click on a node.
    int32_t DoubleClick(SRepBrowserNode* node) { return OnDoubleClick(node); }
    virtual int32_t OnDoubleClick(ISBrowserNode* node);

    // Context menus: the browser's own commands, added below each node's menu.
    void AddBrowserCommandsContextMenu(HMENU menu);
    HMENU GetBrowserCommandsMenu() const { return m_browserMenu; }
    HMENU GetNodeContextMenu(ISBrowserNode* node) const;
    // A user's right click: the node is selected, its menu (and the browser's) is put to the
    // interaction script, and the chosen command is routed. The command, 0 for none.
    uint32_t RightClick(SRepBrowserNode* node);
    virtual uint32_t CallTrackPopup(HMENU menu, int32_t flag);

    // Commands: the browser's map, then the first selected node.
    int32_t OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) override;
    virtual HRESULT QueryCommandSupport(uint32_t id, ISShellCommandClass* commandClass);

    // Drag and drop: a drag entering the browser, moving over it, and dropped on `target`.
    virtual uint32_t DropEnter(SOleDataObject& data, uint32_t keys, POINT point);
    virtual uint32_t DropOver(SOleDataObject& data, uint32_t keys, POINT point);
    virtual void DropExit() {}
    virtual uint32_t GetDropEffects(SOleDataObject& data);
    virtual uint32_t GetCurrentDropEffect(uint32_t keys, uint32_t allowed);
    // The target node's test, then its drop; the effect performed (0: refused). After a move the
    // dragged objects are deleted where they came from; a failed drop leaves them as they were.
    virtual uint32_t Drop(SOleDataObject& data, SRepBrowserNode* target, uint32_t effect, int32_t position = -1);
    // The whole drag as a user makes it: enter, over, drop on `target`. The effect performed.
    uint32_t DragDrop(SOleDataObject& data, SRepBrowserNode* target, uint32_t keys = 0);
    HRESULT GetLastDropResult() const { return m_lastDropResult; }

    // ISBrowserView
    int32_t GetSelectedCount() const override { return static_cast<int32_t>(m_selection.size()); }
    ISBrowserNode* GetSelectedNode(int32_t index) const override;
    ISBrowserNode* LookupNode(ISRepObject* object) const override;
    int32_t SetNodeContextMenu(ISBrowserNode* node, HMENU menu) override;

    // The nodes that show `object`, in the order they were shown; null when none does.
    const std::vector<SRepBrowserNode*>* FindNodes(ISRepObject* object) const;
    // A node that took its place shows its object: it is found by that object from now on.
    void NodeShown(SRepBrowserNode* node);
    // A node going away leaves the index, the selection, the edit and the menus.
    void NodeGone(SRepBrowserNode* node);

protected:
    void PostNcDestroy() override;
    LRESULT DefWindowProc(uint32_t message, WPARAM wParam, LPARAM lParam) override;

private:
    // The end of a move: the dragged objects are deleted and the tree made again.
    void RemoveDragged(SOleDataObject& data);

    uint32_t m_browserStyle;
    // Every node by the object it shows, so that finding one costs the same in any tree; it goes
    // after the roots, whose nodes leave it as they go.
    std::unordered_map<ISRepObject*, std::vector<SRepBrowserNode*>> m_nodesByObject;
    std::vector<std::unique_ptr<SRepBrowserNode>> m_roots;
    std::vector<SRepBrowserNode*> m_selection;
    SRepBrowserNode* m_editing = nullptr;
    HMENU m_browserMenu = 0;
    std::map<ISBrowserNode*, HMENU> m_nodeMenus;
    HRESULT m_lastDropResult = S_OK;
    uint32_t m_dwRef = 0;
    std::map<ISBrowserNode*, SString> m_nodeTexts;
    std::unique_ptr<SRepLabelEdit> m_editCtrl;
};
