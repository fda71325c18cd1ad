#include "rpt/devices/generation/SRptGenerationTree.h"

#include <unordered_map>

#include "platform/base/SWaitCursor.h"
#include "rpt/devices/generation/SRptGenerationRootNode.h"
#include "varod9/ISRptReport.h"

SRptGenerationTree::SRptGenerationTree(IUnknown* client, int32_t deviceKind)
    : m_root(std::make_unique<SRptGenerationRootNode>(this)), m_client(client), m_deviceKind(deviceKind) {
    SComWrap<ISRptReport> report;
    report = client;
    // The report's section numbering is kept negated, as the nodes read it.
    if (report) m_numbering = report->GetSectNum() ? 0 : 1;
}

SRptGenerationTree::~SRptGenerationTree() {
    try {
        LeaveUpTo(nullptr);
    } catch (...) {
        // A node kind that fails while its module is positioned away cannot stop the clean-up.
    }
    m_cursor = nullptr;
    m_contents.RemoveAll();
}

void SRptGenerationTree::LeaveUpTo(SRptGenerationNode* stop) {
    for (SRptGenerationNode* node = m_cursor; node && node != stop; node = node->GetParent()) node->Leave(m_client);
}

HRESULT SRptGenerationTree::Insert(std::unique_ptr<SRptGenerationNode> node, int32_t depth) {
    if (!node) return E_INVALIDARG;
    // A level without a child on the way stops the descent: the node goes under the deepest
    // node found, which keeps the document order.
    SRptGenerationNode* parent = m_root.get();
    for (int32_t i = 0; i < depth; ++i) {
        SRptGenerationNode* last = parent->GetLastChild();
        if (!last) break;
        parent = last;
    }
    SRptGenerationNode* inserted = parent->AppendChild(std::move(node));
    inserted->SetSerial(++m_nodeCount);
    if (inserted->IsContentsEntry()) AddContentsEntry(inserted, depth);
    return S_OK;
}

void SRptGenerationTree::AddContentsEntry(SRptGenerationNode* node, int32_t depth) {
    Number(node, node->CountNumberedSiblings());
    m_contents.Add(RPTCONTENTSENTRY{node, depth, SString()});
}

void SRptGenerationTree::Number(SRptGenerationNode* node, int32_t ordinal) {
    STable<int32_t>& indexes = node->GetIndexTable();
    indexes.RemoveAll();
    for (int32_t index : node->GetParent()->GetIndexTable()) indexes.Add(index);
    indexes.Add(ordinal);
}

void SRptGenerationTree::Renumber() {
    std::unordered_map<const SRptGenerationNode*, int32_t> counts;
    for (SRptGenerationNode* node = GetNextInTreeOrder(m_root.get()); node; node = GetNextInTreeOrder(node)) {
        // A numbered node has a number from the moment it is inserted.
        if (node->GetIndexTable().GetSize() == 0) continue;
        const SRptGenerationNode* counter = node->GetNumberingParent();
        Number(node, counter ? ++counts[counter] : 0);
    }
}

HRESULT SRptGenerationTree::GetRelation(RPTNODERELATION* relation) {
    if (!relation) return E_INVALIDARG;
    RPTNODERELATION& r = *relation;
    r.code = RPTREL_NONE;
    r.common = r.aSide = r.bSide = nullptr;
    if (!r.a || !r.b) return S_OK;
    if (r.a == r.b) {
        r.code = RPTREL_SAME;
        return S_OK;
    }
    for (SRptGenerationNode* q = r.b->GetParent(); q; q = q->GetParent())
        if (q == r.a) {
            r.code = RPTREL_A_ANCESTOR_OF_B;
            r.common = r.a;
            return S_OK;
        }
    for (SRptGenerationNode* p = r.a->GetParent(); p; p = p->GetParent())
        if (p == r.b) {
            r.code = RPTREL_B_ANCESTOR_OF_A;
            r.common = r.b;
            return S_OK;
        }
    for (SRptGenerationNode* p = r.a; p; p = p->GetParent()) {
        for (SRptGenerationNode* q = r.b; q;) {
            if (p->HasSameItem(q)) {
                r.code = RPTREL_SAME_ITEM;
                r.aSide = p;
                r.bSide = q;
                return S_OK;
            }
            q = q->GetParent();
            if (q && q == p->GetParent()) {
                r.code = RPTREL_COMMON_ANCESTOR;
                r.common = q;
                return S_OK;
            }
        }
    }
    return S_OK;
}

SRptOutputHelper* SRptGenerationTree::MoveCursorTo(SRptGenerationNode* target) {
    if (!target) return nullptr;
    RPTNODERELATION relation;
    relation.a = m_cursor;
    relation.b = target;
    GetRelation(&relation);
    switch (relation.code) {
    case RPTREL_B_ANCESTOR_OF_A:
    case RPTREL_COMMON_ANCESTOR:
        LeaveUpTo(relation.common);
        break;
    case RPTREL_SAME_ITEM:
        LeaveUpTo(relation.aSide);
        relation.bSide->Reselect(m_client);
        break;
    default:
        break;
    }
    m_cursor = target;
    target->Enter(m_client);
    return target->GetOutputHelper();
}

SRptGenerationNode* SRptGenerationTree::GetNextInTreeOrder(SRptGenerationNode* node) {
    if (!node) return nullptr;
    if (node->GetChildCount() > 0) return node->GetChild(0);
    for (; node; node = node->GetParent())
        if (SRptGenerationNode* next = node->GetNextSibling()) return next;
    return nullptr;
}

HRESULT SRptGenerationTree::ForEach() {
    SWaitCursor wait;
    for (SRptGenerationNode* node = m_root.get(); node; node = GetNextInTreeOrder(node)) MoveCursorTo(node);
    return S_OK;
}

HRESULT SRptGenerationTree::RefreshContents() {
    SWaitCursor wait;
    bool unnumbered = false;
    for (int32_t i = 0; i < m_contents.GetSize();) {
        if (m_contents[i].level > m_maxContentsLevel) {
            m_contents.RemoveAt(i);
            continue;
        }
        SRptGenerationNode* node = m_contents[i].node;
        SRptOutputHelper* helper = MoveCursorTo(node);
        // Only the helper knows whether its item writes anything (a list learns it from its
        // rows); one that writes nothing is no entry, nor does it take a number from the
        // entries after it.
        if (helper && helper->WritesNothing()) {
            node->GetIndexTable().RemoveAll();
            m_contents.RemoveAt(i);
            unnumbered = true;
            continue;
        }
        if (helper) m_contents[i].text = helper->GetText();
        ++i;
    }
    if (unnumbered) Renumber();
    return S_FALSE;
}

SRptGenerationNode* SRptGenerationTree::FindNode(const SString& moduleId, const SString& itemId,
                                                 const GUID& objectId) const {
    if (objectId == GUID_NULL) return nullptr;
    for (SRptGenerationNode* node = GetNextInTreeOrder(m_root.get()); node; node = GetNextInTreeOrder(node))
        if (node->MatchesObject(moduleId, itemId, objectId)) return node;
    return nullptr;
}

HRESULT SRptGenerationTree::ForEachHelper() {
    for (SRptGenerationNode* node = GetNextInTreeOrder(m_root.get()); node; node = GetNextInTreeOrder(node))
        if (SRptOutputHelper* helper = node->GetOutputHelper()) helper->ResolveLinks();
    return S_OK;
}
