// The second pass's dispatch of each item to the operation of its kind, and the base operations
// that make the generation nodes (one per item, or one per element that the host module supplies).
#include <memory>
#include <new>

#include "platform/com/SComThrow.h"
#include "platform/repo/SRepClassColPtr.h"
#include "platform/repo/SRepKindTests.h"
#include "rpt/devices/generation/SRptDevice.h"
#include "rpt/devices/generation/SRptGenerationNodeFolder.h"
#include "rpt/devices/generation/SRptGenerationNodeForm.h"
#include "rpt/devices/generation/SRptGenerationNodeGraphicFile.h"
#include "rpt/devices/generation/SRptGenerationNodeGrpText.h"
#include "rpt/devices/generation/SRptGenerationNodeGrpTitle.h"
#include "rpt/devices/generation/SRptGenerationNodeList.h"
#include "rpt/devices/generation/SRptGenerationNodePageBreak.h"
#include "rpt/devices/generation/SRptGenerationNodeTblCts.h"
#include "rpt/devices/generation/SRptGenerationNodeTemplate.h"
#include "rpt/devices/generation/SRptGenerationNodeText.h"
#include "rpt/devices/generation/SRptGenerationNodeTextFile.h"
#include "rpt/devices/generation/SRptGenerationNodeTitle.h"
#include "rpt/devices/generation/SRptGenerationNodeUserGraphic.h"
#include "rpt/devices/generation/SRptGenerationTree.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/items/SRptGraphicFileMem.h"
#include "rpt/objs/items/SRptGrpTextMem.h"
#include "rpt/objs/items/SRptGrpTitleMem.h"
#include "rpt/objs/items/SRptItemMem.h"
#include "rpt/objs/items/SRptPageBreakMem.h"
#include "rpt/objs/items/SRptTblCtsMem.h"
#include "rpt/objs/items/SRptTextFileMem.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "rpt/objs/items/SRptTitleMem.h"
#include "rpt/objs/items/SRptUserGraphicMem.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "varod9/ISRptCustom.h"
#include "varod9/ISRptFolder.h"
#include "varod9/ISRptFolderProcs.h"
#include "varod9/ISRptForm.h"
#include "varod9/ISRptGraphicFile.h"
#include "varod9/ISRptGroup.h"
#include "varod9/ISRptGrpText.h"
#include "varod9/ISRptGrpTitle.h"
#include "varod9/ISRptGrpTitleProcs.h"
#include "varod9/ISRptList.h"
#include "varod9/ISRptPageBreak.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptParaContainer.h"
#include "varod9/ISRptTblCts.h"
#include "varod9/ISRptText.h"
#include "varod9/ISRptTextFile.h"
#include "varod9/ISRptTitle.h"
#include "varod9/ISRptUserGraphic.h"
#include "varod9/ISRptUserProcs.h"
#include "varod9/RptParaFormat.h"

namespace {

// The item's interface of its kind: empty when the item has none, thrown on any other failure.
template <class I>
SComWrap<I> QueryKind(ISRptItem* pItem) {
    SComWrap<I> typed;
    typed = pItem;
    return typed;
}

// The module's procedures of one interface for a module-registered item.
SComWrap<ISRptProcs> GetItemProcs(ISRptCustom* pItem, const GUID& iid) {
    SComWrap<IUnknown> userProcs;
    const HRESULT hr = pItem->GetUserProcs(&userProcs);
    if (FAILED(hr)) SComThrow(hr);
    void* found = nullptr;
    const HRESULT query = userProcs->QueryInterface(iid, &found);
    if (FAILED(query) && query != E_NOINTERFACE) SComThrow(query);
    if (!found) SComThrow(E_POINTER);
    SComWrap<ISRptProcs> procs;
    procs.Attach(static_cast<ISRptProcs*>(found));
    return procs;
}

// Fills the record as the node of the kind does, so that the module sees the same words from the
// device as from the node, and finds the kind's procedures.
template <class Node>
void FillAsNode(SRptGenerationTree* tree, IUnknown* pItem, ISRptGenerationClient* pClient, RPTPROCCONTEXT* pRecord,
                SComWrap<ISRptProcs>* pProcs) {
    Node probe(tree, pItem, 0);
    probe.FillRecord(pClient, pRecord, pProcs);
}

}  // namespace

HRESULT SRptDevice::DispatchItem(ISRptItem* pItem, RPTSCANINFO* pInfo) {
    if (!pItem) return S_FALSE;
    if (!pInfo) return E_INVALIDARG;
    const HRESULT hr = InsertPageBreakBefore(pItem, pInfo);
    if (hr < 0) return hr;
    return DispatchByClass(pItem, pInfo);
}

HRESULT SRptDevice::InsertPageBreakBefore(ISRptItem* pItem, RPTSCANINFO* pInfo) {
    SComWrap<ISRptParaContainer> container = QueryKind<ISRptParaContainer>(pItem);
    if (!container) return S_OK;
    const SRepClassColPtr paragraphs = container->Paragraphs();
    if (!paragraphs || paragraphs.GetCount() < 1) return S_OK;
    SComWrap<ISRptPara> first;
    container->GetParaAtPos(0, &first);
    if (!first || (first->GetFlow() & RPT_PARA_FLOW_PAGEBREAKBEFORE) == 0) return S_OK;
    // The break has nothing to report, but a node that could not be made ends the run.
    const HRESULT hr = OnPageBreak(nullptr, pInfo);
    return hr == E_OUTOFMEMORY ? hr : S_OK;
}

HRESULT SRptDevice::DispatchByClass(ISRptItem* pItem, RPTSCANINFO* pInfo) {
    const GUID clsid = pItem->GetClassID();
    if (clsid == CLSID_SRptPageBreak) return OnPageBreak(QueryKind<ISRptPageBreak>(pItem).Get(), pInfo);
    if (clsid == CLSID_SRptText) return OnText(QueryKind<ISRptText>(pItem).Get(), pInfo);
    if (clsid == CLSID_SRptTitle) return OnTitle(QueryKind<ISRptTitle>(pItem).Get(), pInfo);
    if (clsid == CLSID_SRptTextFile) return OnTextFile(QueryKind<ISRptTextFile>(pItem).Get(), pInfo);
    if (clsid == CLSID_SRptGraphicFile) return OnGraphicFile(QueryKind<ISRptGraphicFile>(pItem).Get(), pInfo);
    if (clsid == CLSID_SRptGrpText) return OnGrpText(QueryKind<ISRptGrpText>(pItem).Get(), pInfo);
    if (clsid == CLSID_SRptGrpTitle) return OnGrpTitle(QueryKind<ISRptGrpTitle>(pItem).Get(), pInfo);
    if (clsid == CLSID_SRptFolder) return OnFolder(QueryKind<ISRptFolder>(pItem).Get(), pInfo);
    if (clsid == CLSID_SRptList) return OnList(QueryKind<ISRptList>(pItem).Get(), pInfo);
    if (clsid == CLSID_SRptForm) return OnForm(QueryKind<ISRptForm>(pItem).Get(), pInfo);
    if (clsid == CLSID_SRptUserGraphic) return OnUserGraphic(QueryKind<ISRptUserGraphic>(pItem).Get(), pInfo);
    if (SRepIsKindOf(pItem, CLSID_SRptTemplate)) return OnTemplate(QueryKind<ISRptTemplate>(pItem).Get(), pInfo);
    if (clsid == CLSID_SRptTblCts) return DispatchTblCts(pItem, pInfo);
    // An item of another kind makes no node, but what it holds is still generated.
    pInfo->action = RPTSCAN_DESCEND;
    return S_OK;
}

HRESULT SRptDevice::DispatchTblCts(ISRptItem* pItem, RPTSCANINFO* pInfo) {
    // A report has one table of contents per pass; a second one is walked past.
    if (IsTblCtsGenerated()) {
        pInfo->action = RPTSCAN_DESCEND;
        return S_OK;
    }
    SComWrap<ISRptTblCts> tblCts = QueryKind<ISRptTblCts>(pItem);
    if (!tblCts) SComThrow(E_POINTER);
    const HRESULT hr = OnTblCts(tblCts.Get(), pInfo);
    SetTblCtsGenerated();
    if (m_pTree) m_pTree->SetMaxContentsLevel(tblCts->GetNbParagraphs());
    return hr;
}

std::unique_ptr<SRptGenerationNode> SRptDevice::NewNode(SRptNodeKind kind, IUnknown* pItem, int32_t nOccurrence) {
    SRptGenerationTree* tree = m_pTree;
    switch (kind) {
    case SRptNodeKind::PageBreak: return std::make_unique<SRptGenerationNodePageBreak>(tree, pItem);
    case SRptNodeKind::Text: return std::make_unique<SRptGenerationNodeText>(tree, pItem);
    case SRptNodeKind::Title: return std::make_unique<SRptGenerationNodeTitle>(tree, pItem);
    case SRptNodeKind::TextFile: return std::make_unique<SRptGenerationNodeTextFile>(tree, pItem);
    case SRptNodeKind::GraphicFile: return std::make_unique<SRptGenerationNodeGraphicFile>(tree, pItem);
    case SRptNodeKind::UserGraphic: return std::make_unique<SRptGenerationNodeUserGraphic>(tree, pItem, 0);
    case SRptNodeKind::TblCts: return std::make_unique<SRptGenerationNodeTblCts>(tree, pItem);
    case SRptNodeKind::Template: return std::make_unique<SRptGenerationNodeTemplate>(tree, pItem);
    case SRptNodeKind::GrpText: return std::make_unique<SRptGenerationNodeGrpText>(tree, pItem, nOccurrence);
    case SRptNodeKind::GrpTitle: return std::make_unique<SRptGenerationNodeGrpTitle>(tree, pItem, nOccurrence);
    case SRptNodeKind::Folder: return std::make_unique<SRptGenerationNodeFolder>(tree, pItem, nOccurrence);
    case SRptNodeKind::List: return std::make_unique<SRptGenerationNodeList>(tree, pItem, nOccurrence);
    case SRptNodeKind::Form: return std::make_unique<SRptGenerationNodeForm>(tree, pItem, nOccurrence);
    }
    return nullptr;
}

HRESULT SRptDevice::InsertNewNode(SRptNodeKind kind, IUnknown* pItem, int32_t nOccurrence, int32_t nLevel) {
    if (!m_pTree) return E_UNEXPECTED;
    std::unique_ptr<SRptGenerationNode> node;
    try {
        node = NewNode(kind, pItem, nOccurrence);
    } catch (const std::bad_alloc&) {
        node.reset();
    }
    // A missing node would leave a hole in the output that nobody reports: the run ends instead.
    if (!node) return E_OUTOFMEMORY;
    return m_pTree->Insert(std::move(node), nLevel);
}

HRESULT SRptDevice::InsertItemNode(SRptNodeKind kind, IUnknown* pItem, RPTSCANINFO* pInfo) {
    if (!pInfo) return E_INVALIDARG;
    const HRESULT hr = InsertNewNode(kind, pItem, 0, pInfo->level);
    if (hr < 0) return hr;
    pInfo->action = RPTSCAN_DESCEND;
    return S_OK;
}

HRESULT SRptDevice::OnPageBreak(ISRptPageBreak* pItem, RPTSCANINFO* pInfo) {
    return InsertItemNode(SRptNodeKind::PageBreak, pItem, pInfo);
}

HRESULT SRptDevice::OnText(ISRptText* pItem, RPTSCANINFO* pInfo) {
    if (!pItem) return E_INVALIDARG;
    return InsertItemNode(SRptNodeKind::Text, pItem, pInfo);
}

HRESULT SRptDevice::OnTitle(ISRptTitle* pItem, RPTSCANINFO* pInfo) {
    if (!pItem) return E_INVALIDARG;
    return InsertItemNode(SRptNodeKind::Title, pItem, pInfo);
}

HRESULT SRptDevice::OnTextFile(ISRptTextFile* pItem, RPTSCANINFO* pInfo) {
    if (!pItem) return E_INVALIDARG;
    return InsertItemNode(SRptNodeKind::TextFile, pItem, pInfo);
}

HRESULT SRptDevice::OnGraphicFile(ISRptGraphicFile* pItem, RPTSCANINFO* pInfo) {
    if (!pItem) return E_INVALIDARG;
    return InsertItemNode(SRptNodeKind::GraphicFile, pItem, pInfo);
}

HRESULT SRptDevice::OnUserGraphic(ISRptUserGraphic* pItem, RPTSCANINFO* pInfo) {
    if (!pItem) return E_INVALIDARG;
    return InsertItemNode(SRptNodeKind::UserGraphic, pItem, pInfo);
}

HRESULT SRptDevice::OnTblCts(ISRptTblCts* pItem, RPTSCANINFO* pInfo) {
    if (!pItem) return E_INVALIDARG;
    return InsertItemNode(SRptNodeKind::TblCts, pItem, pInfo);
}

HRESULT SRptDevice::OnTemplate(ISRptTemplate* pItem, RPTSCANINFO* pInfo) {
    if (!pItem || !pInfo) return E_INVALIDARG;
    int32_t children = 0;
    pItem->GetChildCount(&children);
    // An empty template has nothing to open in the output.
    if (children <= 0) {
        pInfo->action = RPTSCAN_DESCEND;
        return S_OK;
    }
    return InsertItemNode(SRptNodeKind::Template, pItem, pInfo);
}

HRESULT SRptDevice::OnHeaderFooter(ISRptTemplate* pItem, RPTSCANINFO*) {
    return pItem ? S_OK : E_INVALIDARG;
}

void SRptDevice::PrepareRecord(SRptNodeKind kind, IUnknown* pItem, RPTPROCCONTEXT* pRecord,
                               SComWrap<ISRptProcs>* pProcs) {
    switch (kind) {
    case SRptNodeKind::GrpText: FillAsNode<SRptGenerationNodeGrpText>(m_pTree, pItem, m_pClient, pRecord, pProcs); break;
    case SRptNodeKind::GrpTitle: FillAsNode<SRptGenerationNodeGrpTitle>(m_pTree, pItem, m_pClient, pRecord, pProcs); break;
    case SRptNodeKind::Folder: FillAsNode<SRptGenerationNodeFolder>(m_pTree, pItem, m_pClient, pRecord, pProcs); break;
    case SRptNodeKind::List: FillAsNode<SRptGenerationNodeList>(m_pTree, pItem, m_pClient, pRecord, pProcs); break;
    case SRptNodeKind::Form: FillAsNode<SRptGenerationNodeForm>(m_pTree, pItem, m_pClient, pRecord, pProcs); break;
    default: SComThrow(E_INVALIDARG);
    }
}

HRESULT SRptDevice::OnGrpText(ISRptGrpText* pItem, RPTSCANINFO* pInfo) {
    if (!pItem || !pInfo) return E_INVALIDARG;
    RPTPROCCONTEXT record;
    SComWrap<ISRptProcs> procs;
    PrepareRecord(SRptNodeKind::GrpText, pItem, &record, std::addressof(procs));
    ISRptReport* report = m_report.Get();
    const HRESULT count = procs->Begin(report, &record);
    HRESULT hr = S_OK;
    while (record.RowCursor < count && procs->Fetch(report, &record) == 1) {
        hr = InsertNewNode(SRptNodeKind::GrpText, pItem, record.RowCursor, pInfo->level);
        if (hr < 0) break;
        ++record.RowCursor;
        procs->Next(report, &record);
    }
    // The module's cursor is closed however the elements ended.
    procs->End(report, &record);
    if (hr < 0) return hr;
    pInfo->action = RPTSCAN_DESCEND;
    return S_OK;
}

HRESULT SRptDevice::OnGrpTitle(ISRptGrpTitle* pItem, RPTSCANINFO* pInfo) {
    if (!pItem || !pInfo) return E_INVALIDARG;
    return StepGroupMembers(pItem, SRptNodeKind::GrpTitle, pInfo);
}

HRESULT SRptDevice::OnFolder(ISRptFolder* pItem, RPTSCANINFO* pInfo) {
    if (!pItem || !pInfo) return E_INVALIDARG;
    return StepGroupMembers(pItem, SRptNodeKind::Folder, pInfo);
}

namespace {

// The group's walk is over: the module closes its cursor and the group forgets the walk.
void EndGroupWalk(ISRptGroup* group, ISRptProcs* procs, ISRptReport* report, RPTPROCCONTEXT* record) {
    if (!group->GetValid()) return;
    procs->End(report, record);
    group->PutItemIndex(0);
    group->PutNbItems(0);
    group->PutValid(false);
    group->PutUserParam(0);
}

}  // namespace

HRESULT SRptDevice::StepGroupMembers(ISRptCustom* pGroup, SRptNodeKind memberKind, RPTSCANINFO* pInfo) {
    SComWrap<ISRptGroup> group;
    group = pGroup;
    RPTPROCCONTEXT record;
    SComWrap<ISRptProcs> procs;
    PrepareRecord(memberKind, pGroup, &record, std::addressof(procs));
    // The group's title goes to the module with each member only.
    record.Text1.Empty();
    ISRptReport* report = m_report.Get();
    if (!group->GetValid()) {
        group->PutNbItems(procs->Begin(report, &record));
        group->PutUserParam(record.UserParam);
        group->PutItemIndex(0);
        group->PutValid(true);
    } else {
        // The module's own word is back in the record before it moves on, so that its Next
        // sees it and what Next leaves there reaches the fetch.
        record.UserParam = group->GetUserParam();
        procs->Next(report, &record);
    }
    record.RowCursor = group->GetItemIndex();
    if (group->GetItemIndex() < group->GetNbItems() && procs->Fetch(report, &record) == 1) {
        group->PutItemIndex(group->GetItemIndex() + 1);
        group->PutUserParam(record.UserParam);
        const HRESULT hr = CallMember(pGroup, pInfo, &record);
        if (hr < 0) {
            EndGroupWalk(group.Get(), procs.Get(), report, &record);
            return hr;
        }
        // The children follow the member, then the group is visited again for the next one.
        pInfo->action = RPTSCAN_DESCEND_RECALL;
        return S_OK;
    }
    EndGroupWalk(group.Get(), procs.Get(), report, &record);
    pInfo->action = RPTSCAN_SKIP_CHILDREN;
    return S_OK;
}

HRESULT SRptDevice::CallMember(ISRptCustom* pGroup, RPTSCANINFO* pInfo, RPTPROCCONTEXT* pRecord) {
    const GUID clsid = pGroup->GetClassID();
    if (clsid == CLSID_SRptGrpTitle) {
        SComWrap<ISRptGrpTitle> grpTitle;
        grpTitle = pGroup;
        return OnGrpTitleMember(grpTitle.Get(), pInfo, pRecord);
    }
    if (clsid == CLSID_SRptFolder) {
        SComWrap<ISRptFolder> folder;
        folder = pGroup;
        return OnFolderMember(folder.Get(), pInfo, pRecord);
    }
    return S_OK;
}

HRESULT SRptDevice::OnGrpTitleMember(ISRptGrpTitle* pGroup, RPTSCANINFO* pInfo, RPTPROCCONTEXT* pRecord) {
    if (!pGroup) return E_INVALIDARG;
    return MakeMemberNode(pGroup, SRptNodeKind::GrpTitle, pInfo, pRecord);
}

HRESULT SRptDevice::OnFolderMember(ISRptFolder* pGroup, RPTSCANINFO* pInfo, RPTPROCCONTEXT* pRecord) {
    if (!pGroup) return E_INVALIDARG;
    return MakeMemberNode(pGroup, SRptNodeKind::Folder, pInfo, pRecord);
}

HRESULT SRptDevice::MakeMemberNode(ISRptCustom* pGroup, SRptNodeKind memberKind, RPTSCANINFO* pInfo,
                                   RPTPROCCONTEXT* pRecord) {
    if (!pInfo || !pRecord) return E_INVALIDARG;
    // The module works on a copy; what it answers goes back to the group's record as a whole.
    RPTPROCCONTEXT member = *pRecord;
    SComWrap<ISRptProcs> procs =
        GetItemProcs(pGroup, memberKind == SRptNodeKind::GrpTitle ? ISRptGrpTitleProcs::iid : ISRptFolderProcs::iid);
    member.Text1 = pGroup->GetDispTitle();
    procs->GetMemberText(m_report.Get(), &member);
    const HRESULT hr = InsertNewNode(memberKind, pGroup, member.RowCursor, pInfo->level);
    *pRecord = member;
    if (hr < 0) return hr;
    pInfo->action = RPTSCAN_DESCEND;
    return S_OK;
}

HRESULT SRptDevice::OnGroupProcs(ISRptCustom* pItem, RPTSCANINFO* pInfo) {
    if (!pItem || !pInfo) return E_INVALIDARG;
    RPTPROCCONTEXT record;
    record.GenerationClient = m_pClient;
    record.ItemParam = pItem->GetItemParam();
    record.Text1 = pItem->GetDispTitle();
    SComWrap<ISRptProcs> procs = GetItemProcs(pItem, ISRptUserProcs::iid);
    procs->Process(m_report.Get(), &record);
    pInfo->action = RPTSCAN_DESCEND;
    return S_OK;
}

HRESULT SRptDevice::OnList(ISRptList* pItem, RPTSCANINFO* pInfo) {
    if (!pItem || !pInfo) return E_INVALIDARG;
    return GenerateTableItem(SRptNodeKind::List, pItem, pInfo);
}

HRESULT SRptDevice::OnForm(ISRptForm* pItem, RPTSCANINFO* pInfo) {
    if (!pItem || !pInfo) return E_INVALIDARG;
    return GenerateTableItem(SRptNodeKind::Form, pItem, pInfo);
}

HRESULT SRptDevice::GenerateTableItem(SRptNodeKind kind, ISRptCustom* pItem, RPTSCANINFO* pInfo) {
    RPTPROCCONTEXT record;
    SComWrap<ISRptProcs> procs;
    PrepareRecord(kind, pItem, &record, std::addressof(procs));
    // A list is made when the module has rows for it; a form when it has its one element.
    const bool isList = kind == SRptNodeKind::List;
    const HRESULT count = procs->Begin(isList ? m_report.Get() : nullptr, &record);
    HRESULT hr = S_OK;
    if (isList ? count > 0 : count == 1) {
        hr = OnGroupProcs(pItem, pInfo);
        if (hr != S_OK) return hr;
        hr = InsertNewNode(kind, pItem, 0, pInfo->level);
    }
    procs->End(nullptr, &record);
    if (hr < 0) return hr;
    pInfo->action = RPTSCAN_DESCEND;
    return S_OK;
}
