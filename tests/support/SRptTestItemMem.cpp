#include "support/SRptTestItemMem.h"

#include "varod9/RptApi.h"

// ---- SRptTestItem ----

SRptTestItemImpl* SRptTestItemImpl::From(IUnknown* object) {
    SComWrap<ISRepObject> repObject;
    repObject.Assign(object);
    return dynamic_cast<SRptTestItemImpl*>(SRepObjectMem::FromObject(repObject.Get()));
}

HRESULT SRptTestItemImpl::PostAddTemplateItem() {
    ++postAddCount;
    if (FAILED(postAddResult)) return postAddResult;
    return SRptGrpMemberImpl::PostAddTemplateItem();
}

HRESULT SRptTestItemImpl::OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                              ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                              SRptBrowserNodeItem** pBrowserNodeItem) {
    ++nodeCalls;
    lastNodeCall = {pBrowser, nIsDraggable, pParent, pPrevious, dispid, bIsTemplateEditor, pBrowserNodeItem};
    return TESTITEM_NODE_RESULT;
}

HRESULT SRptTestItemImpl::OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                               SWnd* pParentWnd) {
    lastCommand = nId;
    lastSelectionSize = selectedItems.GetSize();
    lastCommandWindow = pParentWnd;
    return nId == TESTITEM_COMMAND ? S_OK : S_FALSE;
}

const SAttrEditorMap SRptTestItemRegistry::attrEditorMap = {&SRptGrpMemberRegistry::attrEditorMap,
                                                            SREP_NO_ATTR_EDITORS};

SRptTestItemRegistry::SRptTestItemRegistry()
    : SRepStaticRegistry(CLSID_SRptTestItem, &attrEditorMap, &SRepComObject<SRptTestItemImpl>::Factory,
                         &SRptTestItemImpl::ClassIsKindOf, &SRptGrpMemberMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {}

// ---- SRptTestCustom ----

const SAttrEditorMap SRptTestCustomRegistry::attrEditorMap = {&SRptGroupRegistry::attrEditorMap,
                                                              SREP_NO_ATTR_EDITORS};

SRptTestCustomRegistry::SRptTestCustomRegistry()
    : SRepStaticRegistry(CLSID_SRptTestCustom, &attrEditorMap, &SRepComObject<SRptTestCustomImpl>::Factory,
                         &SRptTestCustomImpl::ClassIsKindOf, &SRptGroupMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {}

// ---- SRptTestTemplate ----

ISRepObject* SRptTestTemplateImpl::GetParentReport() {
    // The report owns the template, so the pointer outlives the reference dropped here.
    SComWrap<ISRepObject> owner;
    static_cast<ISRepObject*>(this)->GetObjectA(SREP_COL_OWNER, &owner);
    return owner.Get();
}

const SAttrEditorMap SRptTestTemplateRegistry::attrEditorMap = {&SRptItemRegistry::attrEditorMap,
                                                                SREP_NO_ATTR_EDITORS};

SRptTestTemplateRegistry::SRptTestTemplateRegistry()
    : SRepStaticRegistry(CLSID_SRptTestTemplate, &attrEditorMap, &SRepComObject<SRptTestTemplateImpl>::Factory,
                         &SRptTestTemplateImpl::ClassIsKindOf, &SRptItemMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {}

// ---- SRptTestReport ----

SString SRptTestReportImpl::GetTitleFromPath(SString sTitlePath) {
    ++titleRequests;
    auto it = titles.find(sTitlePath);
    return it == titles.end() ? SString() : it->second;
}

SString SRptTestReportImpl::GetExTitle(uint32_t nItemType) {
    auto it = exTitles.find(nItemType);
    return it == exTitles.end() ? SString() : it->second;
}

const SAttrEditorMap SRptTestReportRegistry::attrEditorMap = {&SRptParaContainerRegistry::attrEditorMap,
                                                              SREP_NO_ATTR_EDITORS};

SRptTestReportRegistry::SRptTestReportRegistry()
    : SRepStaticRegistry(CLSID_SRptTestReport, &attrEditorMap, &SRepComObject<SRptTestReportImpl>::Factory,
                         &SRptTestReportImpl::ClassIsKindOf, &SRptTestReportImpl::ClassHasCollection, 1,
                         SRptGetModuleState()) {}

// ---- SRptTestItemClasses ----

SRptTestItemClasses::SRptTestItemClasses() {
    SRptTestItemRegistry::Construct();
    SRptTestCustomRegistry::Construct();
    SRptTestTemplateRegistry::Construct();
    SRptTestReportRegistry::Construct();
}

SRptTestItemClasses::~SRptTestItemClasses() {
    SRptTestReportRegistry::Destroy();
    SRptTestTemplateRegistry::Destroy();
    SRptTestCustomRegistry::Destroy();
    SRptTestItemRegistry::Destroy();
}
