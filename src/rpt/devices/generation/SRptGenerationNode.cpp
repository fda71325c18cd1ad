#include "rpt/devices/generation/SRptGenerationNode.h"

#include <new>
#include <string>

#include "rpt/devices/generation/SRptGenerationTree.h"
#include "varod9/ISRptItem.h"
#include "varod9/ISRptTemplate.h"

// Outline numbers rarely go deeper than this.
static constexpr int32_t kReservedIndexes = 10;

SRptGenerationNode::SRptGenerationNode(SRptGenerationTree* tree, IUnknown* item, int32_t occurrence)
    : m_occurrence(occurrence), m_item(item), m_indexes(kReservedIndexes), m_tree(tree) {}

SRptGenerationNode::~SRptGenerationNode() {
    m_helper.reset();
    m_indexes.RemoveAll();
    m_item.Clear();
}

HRESULT SRptGenerationNode::Prepare(IUnknown*) {
    if (m_state < RPTNODE_PREPARED) m_state = RPTNODE_PREPARED;
    return S_OK;
}

HRESULT SRptGenerationNode::Reselect(IUnknown*) {
    return S_OK;
}

HRESULT SRptGenerationNode::Enter(IUnknown* client) {
    const HRESULT hr = CreateOutputHelper(client);
    if (hr == S_OK) m_state = RPTNODE_ENTERED;
    return hr;
}

HRESULT SRptGenerationNode::Leave(IUnknown*) {
    m_state = RPTNODE_CLOSED;
    return S_OK;
}

HRESULT SRptGenerationNode::CreateOutputHelper(IUnknown* client) {
    // Every ancestor reads its item before the child does.
    if (m_parent) m_parent->CreateOutputHelper(client);
    Prepare(client);
    if (m_helper) return S_OK;
    std::unique_ptr<SRptOutputHelper> helper;
    try {
        helper = NewOutputHelper();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    if (!helper) return S_OK;
    helper->Init(client);
    m_helper = std::move(helper);
    return S_OK;
}

bool SRptGenerationNode::HasSameItem(const SRptGenerationNode* other) const {
    // Nodes without an item present nothing, so they share nothing.
    if (!other || !m_item || !other->m_item) return false;
    return m_item.IsEqualObject(other->m_item.Get());
}

SString SRptGenerationNode::GetNumberText() const {
    if (!m_tree || !m_tree->GetNumbering()) return SString();
    std::string text;
    for (int32_t i = 0; i < m_indexes.GetSize(); ++i) {
        if (i > 0) text += '.';
        text += std::to_string(m_indexes[i]);
    }
    text += ' ';
    return SString(text.c_str());
}

int32_t SRptGenerationNode::GetLevel() const {
    int32_t level = 0;
    for (const SRptGenerationNode* p = m_parent; p; p = p->m_parent) ++level;
    return level;
}

SRptGenerationNode* SRptGenerationNode::GetNextSibling() const {
    if (!m_parent || m_position + 1 >= m_parent->m_children.size()) return nullptr;
    return m_parent->m_children[m_position + 1].get();
}

SRptGenerationNode* SRptGenerationNode::AppendChild(std::unique_ptr<SRptGenerationNode> child) {
    child->m_parent = this;
    child->m_position = m_children.size();
    // Counted as they come, so that numbering a node never walks its siblings: a report of many
    // sections would otherwise take time by the square of their number.
    if (child->IsContentsEntry()) ++m_contentsChildren;
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

bool SRptGenerationNode::IsContentsEntry() const {
    if (!m_item) return false;
    SComWrap<ISRptItem> item;
    item = m_item.Get();
    return item && item->GetTOCEntry();
}

bool SRptGenerationNode::IsTemplateNode() const {
    if (!m_item) return false;
    SComWrap<ISRptTemplate> templ;
    templ = m_item.Get();
    return static_cast<bool>(templ);
}

int32_t SRptGenerationNode::CountContentsEntries(const SRptGenerationNode* parent) {
    return parent->m_contentsChildren;
}

int32_t SRptGenerationNode::CountNumberedSiblings() const {
    if (!m_parent) return 0;
    if (!m_parent->IsTemplateNode()) return CountContentsEntries(m_parent);
    // Top-level items are numbered on across every template of the report.
    const SRptGenerationNode* root = m_parent->m_parent;
    if (!root) return 0;
    int32_t count = 0;
    for (const auto& templateNode : root->m_children) count += CountContentsEntries(templateNode.get());
    return count;
}

const SRptGenerationNode* SRptGenerationNode::GetNumberingParent() const {
    if (!m_parent) return nullptr;
    return m_parent->IsTemplateNode() ? m_parent->m_parent : m_parent;
}

bool SRptGenerationNode::MatchesObject(const SString& moduleId, const SString& itemId, const GUID& objectId) const {
    if (!m_item || !m_helper || objectId == GUID_NULL) return false;
    SComWrap<ISRptItem> item;
    item = m_item.Get();
    if (!item) return false;
    return item->GetModuleID() == moduleId && item->GetItemID() == itemId && *m_helper->GetObjectID() == objectId;
}
