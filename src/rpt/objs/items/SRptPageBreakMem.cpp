#include "rpt/objs/items/SRptPageBreakMem.h"

#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptPageBreakMem", "SRptPageBreakMem");
constexpr uint32_t kStoredFlags = 0x8;
}  // namespace

// ---- SRptPageBreakMem: the attribute protocol ----

HRESULT SRptPageBreakMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTPAGEBREAK_HTMLGEN: value->SetBool(m_htmlGen); return S_OK;
            default: return SRptGrpMemberImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptPageBreakMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTPAGEBREAK_HTMLGEN: return VSet_BOOL(id, value, m_htmlGen);
            default: return SRptGrpMemberImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptPageBreakMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTPAGEBREAK_HTMLGEN: value->SetBool(false); return S_OK;
            default: return SRptGrpMemberImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptPageBreakMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTPAGEBREAK_HTMLGEN: return kStoredFlags;
        default: return SRptGrpMemberImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptPageBreakMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTPAGEBREAK_HTMLGEN: return SREP_VT_BOOL;
        default: return SRptGrpMemberImpl::GetAttributeType(id);
    }
}

bool SRptPageBreakMem::HasAttribute(int32_t id) const {
    return id == RPTPAGEBREAK_HTMLGEN || SRptGrpMemberMem::HasAttribute(id);
}

bool SRptPageBreakMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptPageBreak || SRptGrpMemberMem::ClassIsKindOf(clsid);
}

bool SRptPageBreakMem::ClassHasCollection(int32_t id) {
    return SRptGrpMemberMem::ClassHasCollection(id);
}

HRESULT SRptPageBreakMem::FinalConstruct() {
    HRESULT hr = SRptGrpMemberImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptPageBreakRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptPageBreakImpl ----

HRESULT SRptPageBreakImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    SRptGrpMemberImpl::ConstructWithItemDef(pItemDef);
    const HRESULT hr = SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptPageBreakImpl::OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t, ISBrowserNode* pParent,
                                               ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                               SRptBrowserNodeItem** pBrowserNodeItem) {
    return SRptItemEditor::CreateBrowserNode(SRptBrowserNodeKind::PageBreak, this, pBrowser, pParent, pPrevious,
                                             dispid, bIsTemplateEditor, pBrowserNodeItem);
}

HRESULT SRptPageBreakImpl::OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>&, SWnd*) {
    if (nId != ID_RPT_PAGEBREAK_HTMLGEN && nId != ID_RPT_PAGEBREAK_HTMLGEN_AV) return S_FALSE;
    PutHtmlGen(!GetHtmlGen());
    return S_OK;
}

// ---- SRptPageBreakRegistry ----

const SAttrEditorMap SRptPageBreakRegistry::attrEditorMap = {&SRptGrpMemberRegistry::attrEditorMap,
                                                             SREP_NO_ATTR_EDITORS};

SRptPageBreakRegistry::SRptPageBreakRegistry()
    : SRepStaticRegistry(CLSID_SRptPageBreak, &attrEditorMap, &SRepComObject<SRptPageBreakImpl>::Factory,
                         &SRptPageBreakMem::ClassIsKindOf, &SRptPageBreakMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {
    UseAllocator(sizeof(SRepComObject<SRptPageBreakImpl>), 10, "SRptPageBreak");
}
