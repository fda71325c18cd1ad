#include "platform/repo/SRepBrowserEx.h"

#include <algorithm>

#include "platform/repo/SRepDataSrc.h"
#include "platform/repo/SRepLabelEdit.h"
#include "platform/ui/SMenu.h"

namespace {
// What the last cut left, for a paste.
SComWrap<ISRepDataSrc>& Clipboard() {
    static auto* clipboard = new SComWrap<ISRepDataSrc>();
    return *clipboard;
}
}  // namespace

const SClassInfo SRepBrowserEx::classSRepBrowserEx = {"SRepBrowserEx", &SWnd::classSWnd};

SRepBrowserEx::SRepBrowserEx(uint32_t style) : m_browserStyle(style) {}

SRepBrowserEx::~SRepBrowserEx() {
    m_editCtrl.reset();
    ReleaseRoot();
    for (const auto& [node, menu] : m_nodeMenus) DestroyMenu(menu);
    m_nodeMenus.clear();
    if (m_browserMenu) DestroyMenu(m_browserMenu);
}

int32_t SRepBrowserEx::Create(SWnd* parent, uint32_t id, uint32_t style) {
    return SWnd::Create("SREPBROWSER", "", style, RECT{}, parent, id);
}

void SRepBrowserEx::PostNcDestroy() {
    m_editCtrl.reset();
    ReleaseRoot();
}

uint32_t SRepBrowserEx::Release() {
    const uint32_t count = --m_dwRef;
    if (count == 0) delete this;
    return count;
}

LRESULT SRepBrowserEx::DefWindowProc(uint32_t message, WPARAM wParam, LPARAM lParam) {
    if (message == TVM_GETEDITCONTROL) return m_editCtrl ? static_cast<LRESULT>(m_editCtrl->m_hWnd) : 0;
    return SWnd::DefWindowProc(message, wParam, lParam);
}

void SRepBrowserEx::AddRoot(SRepBrowserNode* node) {
    if (node) m_roots.emplace_back(node);
}

SRepBrowserNode* SRepBrowserEx::GetRoot(int32_t index) const {
    return index >= 0 && index < GetRootCount() ? m_roots[index].get() : nullptr;
}

void SRepBrowserEx::ReleaseRoot() {
    auto roots = std::move(m_roots);
    m_roots.clear();
    roots.clear();
    m_selection.clear();
    m_editing = nullptr;
}

void SRepBrowserEx::RefreshTree() {
    std::vector<SComWrap<ISRepObject>> selected;
    for (SRepBrowserNode* node : m_selection) selected.emplace_back(node->GetISRepObject());
    for (const auto& root : m_roots) root->Refresh(0);
    m_selection.clear();
    for (const auto& object : selected)
        if (auto* node = dynamic_cast<SRepBrowserNode*>(LookupNode(object.Get())))
            if (!IsSelected(node)) m_selection.push_back(node);
    OnSelChanged();
}

void SRepBrowserEx::CutSelection() {
    std::vector<SComWrap<ISRepObject>> objects;
    for (SRepBrowserNode* node : m_selection)
        if (node->GetISRepObject()) objects.emplace_back(node->GetISRepObject());
    if (objects.empty()) return;
    // The copies are made first, so that a failed copy deletes nothing.
    std::vector<SComWrap<ISRepObject>> copies;
    for (const auto& object : objects) {
        SComWrap<ISRepObject> copy;
        if (FAILED(object->Duplicate(nullptr, SREP_DUPLICATE_DEEP, nullptr, &copy)) || !copy) return;
        copies.push_back(copy);
    }
    std::vector<ISRepObject*> held;
    for (const auto& copy : copies) held.push_back(copy.Get());
    Clipboard() = SRepDataSrc::Create(held);
    for (const auto& object : objects) object->Delete();
    RefreshTree();
}

ISRepDataSrc* SRepBrowserEx::GetClipboard() {
    return Clipboard().Get();
}

void SRepBrowserEx::ClearClipboard() {
    Clipboard().Clear();
}

SString SRepBrowserEx::GetNodeText(ISBrowserNode* node) const {
    auto it = m_nodeTexts.find(node);
    if (it != m_nodeTexts.end()) return it->second;
    auto* browserNode = dynamic_cast<SRepBrowserNode*>(node);
    return browserNode ? browserNode->GetNodeLabel() : SString();
}

void SRepBrowserEx::SetNodeText(ISBrowserNode* node, const SString& text) {
    if (node) m_nodeTexts[node] = text;
}

const std::vector<SRepBrowserNode*>* SRepBrowserEx::FindNodes(ISRepObject* object) const {
    auto it = m_nodesByObject.find(object);
    return it == m_nodesByObject.end() ? nullptr : &it->second;
}

void SRepBrowserEx::NodeShown(SRepBrowserNode* node) {
    if (node && node->GetISRepObject()) m_nodesByObject[node->GetISRepObject()].push_back(node);
}

void SRepBrowserEx::NodeGone(SRepBrowserNode* node) {
    auto shown = m_nodesByObject.find(node->GetISRepObject());
    if (shown != m_nodesByObject.end()) {
        std::erase(shown->second, node);
        if (shown->second.empty()) m_nodesByObject.erase(shown);
    }
    std::erase(m_selection, node);
    m_nodeTexts.erase(node);
    if (m_editing == node) {
        m_editing = nullptr;
        m_editCtrl.reset();
    }
    auto it = m_nodeMenus.find(node);
    if (it != m_nodeMenus.end()) {
        DestroyMenu(it->second);
        m_nodeMenus.erase(it);
    }
}

void SRepBrowserEx::Select(SRepBrowserNode* node, bool add) {
    if (!add) m_selection.clear();
    if (node && !IsSelected(node)) m_selection.push_back(node);
    OnSelChanged();
}

void SRepBrowserEx::ClearSelection() {
    m_selection.clear();
    OnSelChanged();
}

bool SRepBrowserEx::IsSelected(const SRepBrowserNode* node) const {
    return std::find(m_selection.begin(), m_selection.end(), node) != m_selection.end();
}

ISBrowserNode* SRepBrowserEx::GetSelectedNode(int32_t index) const {
    return index >= 0 && index < GetSelectedCount() ? m_selection[index] : nullptr;
}

ISBrowserNode* SRepBrowserEx::LookupNode(ISRepObject* object) const {
    const std::vector<SRepBrowserNode*>* nodes = object ? FindNodes(object) : nullptr;
    return nodes ? nodes->front() : nullptr;
}

int32_t SRepBrowserEx::SetNodeContextMenu(ISBrowserNode* node, HMENU menu) {
    if (!node) return 0;
    auto it = m_nodeMenus.find(node);
    if (it != m_nodeMenus.end()) DestroyMenu(it->second);
    m_nodeMenus[node] = menu;
    return 1;
}

HMENU SRepBrowserEx::GetNodeContextMenu(ISBrowserNode* node) const {
    auto it = m_nodeMenus.find(node);
    return it == m_nodeMenus.end() ? 0 : it->second;
}

void SRepBrowserEx::AddBrowserCommandsContextMenu(HMENU menu) {
    if (m_browserMenu) DestroyMenu(m_browserMenu);
    m_browserMenu = menu;
}

int32_t SRepBrowserEx::BeginLabelEdit(SRepBrowserNode* node) {
    if (!node) return 0;
    m_editing = node;
    m_editCtrl.reset();
    if (m_hWnd) {
        m_editCtrl = std::make_unique<SRepLabelEdit>();
        m_editCtrl->Create(WS_CHILD | WS_VISIBLE, RECT{}, this, 0);
        m_editCtrl->SetWindowText(GetNodeText(node));
    }
    return 1;
}

int32_t SRepBrowserEx::EndLabelEdit(const SString& label, bool cancel) {
    SRepBrowserNode* node = m_editing;
    m_editing = nullptr;
    m_editCtrl.reset();
    if (!node || cancel) return 0;
    return OnEndLabelEdit(node, label);
}

int32_t SRepBrowserEx::OnEndLabelEdit(ISBrowserNode* node, const SString& label) {
    auto* browserNode = dynamic_cast<SRepBrowserNode*>(node);
    return browserNode ? browserNode->OnEndLabelEdit(label) : 0;
}

int32_t SRepBrowserEx::OnDoubleClick(ISBrowserNode* node) {
    auto* browserNode = dynamic_cast<SRepBrowserNode*>(node);
    return browserNode ? browserNode->OnDoubleClick() : 1;
}

uint32_t SRepBrowserEx::RightClick(SRepBrowserNode* node) {
    if (node && !IsSelected(node)) Select(node);
    // The node's items first, then the browser's own commands.
    SMenu popup;
    popup.CreatePopupMenu();
    auto append = [&](HMENU source) {
        HMENU items = GetSubMenu(source, 0) ? GetSubMenu(source, 0) : source;
        for (int32_t i = 0; i < GetMenuItemCount(items); ++i) {
            MENUITEMINFOA info;
            info.fMask = MIIM_ID | MIIM_DATA | MIIM_FTYPE;
            GetMenuItemInfoA(items, static_cast<uint32_t>(i), 1, &info);
            popup.AppendMenu(info.fType, info.wID, GetMenuItemText(items, i).c_str());
            MENUITEMINFOA data;
            data.fMask = MIIM_DATA;
            data.dwItemData = info.dwItemData;
            SetMenuItemInfoA(popup.m_hMenu, static_cast<uint32_t>(popup.GetMenuItemCount() - 1), 1, &data);
        }
    };
    if (HMENU nodeMenu = GetNodeContextMenu(node)) append(nodeMenu);
    if (m_browserMenu) append(m_browserMenu);
    if (popup.GetMenuItemCount() == 0) return 0;
    const uint32_t chosen = CallTrackPopup(popup.m_hMenu, 0);
    if (chosen) OnCmdMsg(chosen, CN_COMMAND, nullptr, nullptr);
    return chosen;
}

uint32_t SRepBrowserEx::CallTrackPopup(HMENU menu, int32_t) {
    SMenu popup;
    popup.Attach(menu);
    const auto chosen = static_cast<uint32_t>(popup.TrackPopupMenu(TPM_RETURNCMD, 0, 0, this));
    popup.Detach();
    return chosen;
}

int32_t SRepBrowserEx::OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) {
    if (SWnd::OnCmdMsg(id, code, extra, info)) return 1;
    if (!m_selection.empty()) return m_selection.front()->OnCmdMsg(id, code, extra, info);
    return 0;
}

HRESULT SRepBrowserEx::QueryCommandSupport(uint32_t, ISShellCommandClass*) {
    return 1;
}

uint32_t SRepBrowserEx::DropEnter(SOleDataObject& data, uint32_t, POINT) {
    return GetDropEffects(data);
}

uint32_t SRepBrowserEx::DropOver(SOleDataObject& data, uint32_t keys, POINT) {
    return GetCurrentDropEffect(keys, GetDropEffects(data));
}

uint32_t SRepBrowserEx::GetDropEffects(SOleDataObject& data) {
    return data.GetRepDataSrc() ? (DROPEFFECT_COPY | DROPEFFECT_MOVE) : DROPEFFECT_NONE;
}

uint32_t SRepBrowserEx::GetCurrentDropEffect(uint32_t keys, uint32_t allowed) {
    return allowed & ((keys & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE);
}

uint32_t SRepBrowserEx::Drop(SOleDataObject& data, SRepBrowserNode* target, uint32_t effect, int32_t position) {
    m_lastDropResult = S_OK;
    if (!target || effect == DROPEFFECT_NONE) return DROPEFFECT_NONE;
    uint32_t accepted = DROPEFFECT_NONE;
    target->CanDrop(target, data, 0, position, effect, &accepted);
    if (accepted == DROPEFFECT_NONE) return DROPEFFECT_NONE;
    uint32_t performed = DROPEFFECT_NONE;
    m_lastDropResult = target->Drop(target, data, 0, position, accepted, &performed);
    if (FAILED(m_lastDropResult)) return DROPEFFECT_NONE;
    // A move is finished here: what was dragged leaves the place it came from. A drop that
    // failed placed nothing, and the originals stay as they were.
    if (performed & DROPEFFECT_MOVE) RemoveDragged(data);
    return performed;
}

void SRepBrowserEx::RemoveDragged(SOleDataObject& data) {
    ISRepDataSrc* source = data.GetRepDataSrc();
    if (!source) return;
    int32_t count = 0;
    source->GetCount(&count);
    std::vector<SComWrap<ISRepObject>> dragged;
    for (int32_t i = 0; i < count; ++i) {
        SComWrap<ISRepObject> object;
        if (SUCCEEDED(source->Item(i, &object)) && object) dragged.push_back(object);
    }
    // An object dragged with its container went with it already.
    for (const auto& object : dragged) object->Delete();
    RefreshTree();
}

uint32_t SRepBrowserEx::DragDrop(SOleDataObject& data, SRepBrowserNode* target, uint32_t keys) {
    DropEnter(data, keys, POINT{});
    const uint32_t effect = DropOver(data, keys, POINT{});
    if (effect == DROPEFFECT_NONE) {
        DropExit();
        return DROPEFFECT_NONE;
    }
    return Drop(data, target, effect);
}
