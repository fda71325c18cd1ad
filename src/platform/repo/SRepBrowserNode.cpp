#include "platform/repo/SRepBrowserNode.h"

#include <algorithm>

#include "platform/repo/ISRepClassCol.h"
#include "platform/repo/SRepBrowserEx.h"
#include "platform/repo/SRepVariant.h"

const SClassInfo SRepBrowserNode::classSRepBrowserNode = {"SRepBrowserNode", &SCmdTarget::classSCmdTarget};

SRepBrowserNode::~SRepBrowserNode() {
    if (SRepBrowserEx* browser = GetBrowser()) browser->NodeGone(this);
}

SRepBrowserEx* SRepBrowserNode::GetBrowser() const {
    return dynamic_cast<SRepBrowserEx*>(m_view);
}

int32_t SRepBrowserNode::Construct(ISRepObject* object, uint32_t flags, ISBrowserNode* parent, ISBrowserNode* after,
                                   int32_t labelAttribute) {
    if (!object) return 0;
    m_object.Reset(object);
    m_flags = flags;
    m_labelAttribute = labelAttribute;
    SRepBrowserEx* browser = GetBrowser();
    if (auto* parentNode = dynamic_cast<SRepBrowserNode*>(parent)) {
        parentNode->AdoptChild(this, after);
    } else if (browser) {
        browser->AddRoot(this);
    } else {
        return 0;
    }
    if (browser) browser->NodeShown(this);
    AddChildren();
    return 1;
}

void SRepBrowserNode::AdoptChild(SRepBrowserNode* child, ISBrowserNode* after) {
    child->m_parent = this;
    auto at = m_children.begin();
    if (after) {
        // Children are made in order, each after the one before: the last is the usual place.
        if (!m_children.empty() && m_children.back().get() == after)
            at = m_children.end();
        else
            at = std::find_if(m_children.begin(), m_children.end(), [&](const auto& node) { return node.get() == after; });
        at = at == m_children.end() ? m_children.end() : at + 1;
    }
    m_children.insert(at, std::unique_ptr<SRepBrowserNode>(child));
}

ISBrowserNode* SRepBrowserNode::CreateChildNode(ISRepObject* child, ISBrowserNode* after, int32_t labelAttribute) {
    auto* node = new SRepBrowserNode(m_view);
    if (!node->Construct(child, 0, this, after, labelAttribute)) {
        delete node;
        return nullptr;
    }
    return node;
}

void SRepBrowserNode::AddChildren() {
    const int32_t collectionId = GetChildCollectionID();
    if (!collectionId || !m_object) return;
    SComWrap<ISRepClassCol> collection;
    if (FAILED(m_object->GetCollection(collectionId, &collection)) || !collection) return;
    int32_t count = 0;
    collection->GetCount(&count);
    ISBrowserNode* after = nullptr;
    for (int32_t i = 0; i < count; ++i) {
        SComWrap<ISRepObject> child;
        if (FAILED(collection->Item(i, &child)) || !child) continue;
        if (ISBrowserNode* made = CreateChildNode(child.Get(), after, m_labelAttribute)) after = made;
    }
}

void SRepBrowserNode::RemoveChildren() {
    // Taken out first, so that the nodes that go find the list consistent.
    auto children = std::move(m_children);
    m_children.clear();
    children.clear();
}

SString SRepBrowserNode::GetNodeLabel() const {
    if (!m_object || !m_labelAttribute) return SString();
    SRepVariant value;
    if (FAILED(m_object->GetAttribute(m_labelAttribute, &value))) return SString();
    return value.IsText() ? value.GetText() : SString::FromInt(value.GetInt());
}

int32_t SRepBrowserNode::OnEndLabelEdit(const SString& label) {
    if (!m_object || !m_labelAttribute) return 0;
    // The label keeps the attribute's text type (short text or long text).
    SRepVariant value;
    value.SetChar(label);
    if (m_object->SetAttribute(m_labelAttribute, value) == S_OK) return 1;
    value.SetText(label);
    return m_object->SetAttribute(m_labelAttribute, value) == S_OK ? 1 : 0;
}

HRESULT SRepBrowserNode::QueryCommandSupport(uint32_t, ISShellCommandClass*) {
    return 1;
}

HRESULT SRepBrowserNode::OnCommand(uint32_t id, ISShellCommandClass*) {
    return OnCmdMsg(id, CN_COMMAND, nullptr, nullptr) ? 0 : 1;
}

HRESULT SRepBrowserNode::CanDrop(ISBrowserNode*, SOleDataObject&, uint32_t, int32_t, uint32_t, uint32_t* resultEffect) {
    if (resultEffect) *resultEffect = 0;
    return 0;
}

HRESULT SRepBrowserNode::Drop(ISBrowserNode*, SOleDataObject&, uint32_t, int32_t, uint32_t, uint32_t* resultEffect) {
    if (resultEffect) *resultEffect = 0;
    return 0;
}

HRESULT SRepBrowserNode::OnObjColInsert(ISRepClassCol*, ISRepObject* object, int32_t position) {
    if (!object) return E_POINTER;
    InsertChildNode(object, position);
    return S_OK;
}

ISBrowserNode* SRepBrowserNode::InsertChildNode(ISRepObject* object, int32_t position) {
    ISBrowserNode* after = nullptr;
    if (position != 0) {
        const int32_t index = position < 0 || position > GetChildCount() ? GetChildCount() - 1 : position - 1;
        after = GetChild(index);
    }
    return CreateChildNode(object, after, m_labelAttribute);
}

int32_t SRepBrowserNode::SetNodeInfo(const SBrowserNodeInfo& info) {
    m_infos.push_back(info);
    return 1;
}

int32_t SRepBrowserNode::Refresh(int32_t code) {
    m_lastRefresh = code;
    RemoveChildren();
    AddChildren();
    return 1;
}

int32_t SRepBrowserNode::EditLabel() {
    SRepBrowserEx* browser = GetBrowser();
    return browser ? browser->BeginLabelEdit(this) : 0;
}

SRepBrowserNode* SRepBrowserNode::GetChild(int32_t index) const {
    return index >= 0 && index < GetChildCount() ? m_children[index].get() : nullptr;
}

SRepBrowserNode* SRepBrowserNode::FindInSubtree(ISRepObject* object) {
    if (m_object.Get() == object) return this;
    for (const auto& child : m_children)
        if (SRepBrowserNode* found = child->FindInSubtree(object)) return found;
    return nullptr;
}

ISBrowserNode* SRepBrowserNode::LookupNode(ISRepObject* object) {
    if (SRepBrowserEx* browser = GetBrowser()) {
        const std::vector<SRepBrowserNode*>* nodes = object ? browser->FindNodes(object) : nullptr;
        if (!nodes) return nullptr;
        for (SRepBrowserNode* node : *nodes)
            if (node->IsInSubtreeOf(this)) return node;
        return nodes->front();
    }
    if (SRepBrowserNode* found = FindInSubtree(object)) return found;
    return m_view ? m_view->LookupNode(object) : nullptr;
}

bool SRepBrowserNode::IsInSubtreeOf(const SRepBrowserNode* node) const {
    for (const SRepBrowserNode* above = this; above; above = above->m_parent)
        if (above == node) return true;
    return false;
}
