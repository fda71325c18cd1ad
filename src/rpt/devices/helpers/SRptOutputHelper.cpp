#include "rpt/devices/helpers/SRptOutputHelper.h"

#include <memory>

#include "rpt/devices/generation/SRptGenerationCustomNode.h"
#include "rpt/devices/generation/SRptGenerationNode.h"
#include "rpt/devices/generation/SRptGenerationTree.h"
#include "varod9/ISRptItem.h"

SString SRptOutputHelper::GetNumberText() {
    return m_node ? m_node->GetNumberText() : SString();
}

SString SRptOutputHelper::GetNumberedText() {
    SString text = GetNumberText();
    text += GetFirstText();
    return text;
}

STable<RPTCONTENTSENTRY>* SRptOutputHelper::GetContentsTable() const {
    SRptGenerationTree* tree = m_node ? m_node->GetTree() : nullptr;
    return tree ? &tree->GetContentsEntries() : nullptr;
}

SRptGenerationNode* SRptOutputHelper::FindLinkedNode(ISRptItem* target, const GUID& objectId) const {
    if (!target) return nullptr;
    SRptGenerationTree* tree = m_node ? m_node->GetTree() : nullptr;
    if (!tree) return nullptr;
    // The module named the item; it must stay alive while its ids are read.
    const SComWrap<ISRptItem> held(target);
    SRptGenerationNode* found = tree->FindNode(held->GetModuleID(), held->GetItemID(), objectId);
    // A reference to what this node shows itself leads nowhere.
    return found == m_node ? nullptr : found;
}

IUnknown* SRptOutputHelper::GetNodeItem() const {
    return m_node ? m_node->GetItem() : nullptr;
}

HRESULT SRptOutputHelper::FillNodeRecord(IUnknown* client, RPTPROCCONTEXT* record, SComWrap<ISRptProcs>* procs) const {
    auto* node = dynamic_cast<SRptGenerationCustomNode*>(m_node);
    if (!node) return E_POINTER;
    return node->FillRecord(client, record, procs);
}

HRESULT SRptOutputHelper::ReadMemberText(IUnknown* client, RPTPROCCONTEXT* record, SString* title) {
    SComWrap<ISRptProcs> procs;
    const HRESULT hr = FillNodeRecord(client, record, std::addressof(procs));
    if (FAILED(hr)) return hr;
    // The node has positioned the module on this member; a module without one leaves the
    // helper as it was made.
    if (procs->GetMemberText(nullptr, record) == 0) return S_FALSE;
    *title = record->Text2;
    m_objectID = record->ObjectID;
    return S_OK;
}
