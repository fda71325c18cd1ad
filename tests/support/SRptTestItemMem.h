#pragma once
// Small concrete report items for the tests of the item base classes, written as item kinds are:
//   SRptTestItem      a group member; whether it is a container is a switch; it records the
//                     calls of its browser-node, command and after-adding seams
//   SRptTestCustom    a custom item that is a group (on the group base), so a container
//   SRptTestTemplate  a container that counts as a template by class (SRepIsKindOf with the
//                     template's class GUID) and answers ISRptTemplate; its report is its owner
//   SRptTestReport    a report that owns templates (Templates) and answers the title of a path
//                     and the title of a kind of item from tables the test fills
// Each has a class GUID of its own; SRptTestItemClasses builds and removes their registries.
#include <cstdint>
#include <map>

#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptCustomMem.h"
#include "rpt/objs/items/SRptGroupMem.h"
#include "rpt/objs/items/SRptGrpMemberMem.h"
#include "rpt/objs/items/SRptItemMem.h"
#include "varod9/ISRptGroup.h"
#include "varod9/ISRptReport.h"
#include "support/STestTemplateDefaults.h"
#include "varod9/ISRptTemplate.h"

inline constexpr GUID CLSID_SRptTestItem = MakeGUID("{B05595D6-6ACD-4581-BF8F-191F3BD5A1DE}");
inline constexpr GUID CLSID_SRptTestCustom = MakeGUID("{4E933DD7-B623-4876-9289-547E464EBF25}");
inline constexpr GUID CLSID_SRptTestTemplate = MakeGUID("{08392F99-C855-43A5-BE8A-95DA70122259}");
inline constexpr GUID CLSID_SRptTestReport = MakeGUID("{34B192F8-D02F-40EE-8B37-92D7633F7FA0}");

// The report's templates, owned.
inline constexpr int32_t TESTREPORT_TEMPLATES = 0x02006550;
// The one command the test items offer and handle.
inline constexpr uint32_t TESTITEM_COMMAND = 45006;
// What the test items' browser-node seam answers.
inline constexpr HRESULT TESTITEM_NODE_RESULT = 0x00000007;

class SRptTestItemRegistry;
class SRptTestCustomRegistry;
class SRptTestTemplateRegistry;
class SRptTestReportRegistry;

// ---- SRptTestItem ----

class SRptTestItemImpl : public SRptGrpMemberImpl {
public:
    using Registry = SRptTestItemRegistry;

    bool IsKindOf(const GUID& clsid) const override { return ClassIsKindOf(clsid); }
    static bool ClassIsKindOf(const GUID& clsid) {
        return clsid == CLSID_SRptTestItem || SRptGrpMemberMem::ClassIsKindOf(clsid);
    }
    HRESULT IsItemSupportCommand(uint32_t nID) override { return nID == TESTITEM_COMMAND ? S_OK : S_FALSE; }
    HRESULT PostAddTemplateItem() override;

    // The test item behind an interface pointer; null for another class.
    static SRptTestItemImpl* From(IUnknown* object);

    // Switches and records.
    bool container = false;
    SString availablePrefix;  // put before the label in the available items
    HRESULT postAddResult = S_OK;
    int32_t postAddCount = 0;
    struct NodeCall {
        ISBrowserView* browser = nullptr;
        uint32_t draggable = 0;
        ISBrowserNode* parent = nullptr;
        ISBrowserNode* previous = nullptr;
        int32_t dispid = 0;
        bool templateEditor = false;
        SRptBrowserNodeItem** out = nullptr;
    } lastNodeCall;
    int32_t nodeCalls = 0;
    uint32_t lastCommand = 0;
    int32_t lastSelectionSize = -1;
    SWnd* lastCommandWindow = nullptr;

protected:
    explicit SRptTestItemImpl(ISRepSession* session) : SRptGrpMemberImpl(session) {}
    SRptTestItemImpl(const SRptTestItemImpl& source) : SRptGrpMemberImpl(source), container(source.container) {}

    bool IsContainer() override { return container; }
    SString ComputeLabelInAvailable() override { return availablePrefix + GetLabel(); }
    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
};

class SRptTestItemRegistry : public SRepStaticRegistry<SRptTestItemRegistry> {
public:
    SRptTestItemRegistry();
    static const SAttrEditorMap attrEditorMap;
};

// ---- SRptTestCustom ----

class SRptTestCustomImpl : public SRptGroupImpl {
public:
    using Registry = SRptTestCustomRegistry;

    bool IsKindOf(const GUID& clsid) const override { return ClassIsKindOf(clsid); }
    static bool ClassIsKindOf(const GUID& clsid) {
        return clsid == CLSID_SRptTestCustom || SRptGroupMem::ClassIsKindOf(clsid);
    }
    HRESULT IsItemSupportCommand(uint32_t) override { return S_FALSE; }

protected:
    explicit SRptTestCustomImpl(ISRepSession* session) : SRptGroupImpl(session) {}
    SRptTestCustomImpl(const SRptTestCustomImpl& source) : SRptGroupImpl(source) {}

    HRESULT OnCreateBrowserNode(ISBrowserView*, uint32_t, ISBrowserNode*, ISBrowserNode*, int32_t, bool,
                                SRptBrowserNodeItem**) override {
        return E_NOTIMPL;
    }
    HRESULT OnHandlePopupCommand(uint32_t, const SComTable<ISRepObject>&, SWnd*) override { return S_FALSE; }
};

class SRptTestCustomRegistry : public SRepStaticRegistry<SRptTestCustomRegistry> {
public:
    SRptTestCustomRegistry();
    static const SAttrEditorMap attrEditorMap;
};

// ---- SRptTestTemplate ----

class SRptTestTemplateImpl : public SRptItemImpl, public STestTemplateDefaults {
public:
    using Registry = SRptTestTemplateRegistry;

    bool IsKindOf(const GUID& clsid) const override { return ClassIsKindOf(clsid); }
    static bool ClassIsKindOf(const GUID& clsid) {
        return clsid == CLSID_SRptTestTemplate || clsid == CLSID_SRptTemplate || SRptItemMem::ClassIsKindOf(clsid);
    }
    HRESULT IsItemSupportCommand(uint32_t) override { return S_FALSE; }
    ISRepObject* GetParentReport() override;
    // Nothing to take from a module's available items.
    HRESULT RetrieveUserProcs(ISRptAvailableItems*) override { return S_OK; }
    HRESULT RetrieveRegisteredItems(ISRptAvailableItems*) override { return S_OK; }

    SREP_QUERY_CLASS_INTERFACE(ISRptTemplate, SRptItemImpl)

protected:
    explicit SRptTestTemplateImpl(ISRepSession* session) : SRptItemImpl(session) {}
    SRptTestTemplateImpl(const SRptTestTemplateImpl& source) : SRptItemImpl(source) {}

    bool IsContainer() override { return true; }
    HRESULT OnCreateBrowserNode(ISBrowserView*, uint32_t, ISBrowserNode*, ISBrowserNode*, int32_t, bool,
                                SRptBrowserNodeItem**) override {
        return E_NOTIMPL;
    }
    HRESULT OnHandlePopupCommand(uint32_t, const SComTable<ISRepObject>&, SWnd*) override { return S_FALSE; }
};

class SRptTestTemplateRegistry : public SRepStaticRegistry<SRptTestTemplateRegistry> {
public:
    SRptTestTemplateRegistry();
    static const SAttrEditorMap attrEditorMap;
};

// ---- SRptTestReport ----

class SRptTestReportImpl : public SRptParaContainerImpl, public virtual ISRptReport {
public:
    using Registry = SRptTestReportRegistry;

    bool IsKindOf(const GUID& clsid) const override { return ClassIsKindOf(clsid); }
    bool HasCollection(int32_t id) const override { return ClassHasCollection(id); }
    static bool ClassIsKindOf(const GUID& clsid) {
        return clsid == CLSID_SRptTestReport || SRptParaContainerMem::ClassIsKindOf(clsid);
    }
    static bool ClassHasCollection(int32_t id) {
        return id == TESTREPORT_TEMPLATES || SRptParaContainerMem::ClassHasCollection(id);
    }
    // The title of a path from `titles`; empty for a path it does not have.
    SString GetTitleFromPath(SString sTitlePath) override;
    // The title of a kind of item from `exTitles`; empty for a kind it does not have.
    SString GetExTitle(uint32_t nItemType) override;
    // The report's templates and available items are not what these tests are about.
    HRESULT AddAvailableItems(ISRptAvailableItems*) override { return E_NOTIMPL; }
    HRESULT AddNewAvailableItems(const SString&, ISRptAvailableItems**) override { return E_NOTIMPL; }
    HRESULT GetAvailableItemsOfModule(const SString&, ISRptAvailableItems**) override { return E_NOTIMPL; }
    HRESULT AddTemplate(ISRptTemplate*) override { return E_NOTIMPL; }
    HRESULT AddNewTemplate(const SString&, int32_t, ISRptTemplate**) override { return E_NOTIMPL; }
    HRESULT SyncTemplateWithAvailableItems(ISRptTemplate*) override { return E_NOTIMPL; }
    HRESULT SyncTemplatesWithAvailableItems() override { return E_NOTIMPL; }
    HRESULT GetTemplatesCount(int32_t*) override { return E_NOTIMPL; }
    HRESULT GetTemplateAtPos(int32_t, ISRptTemplate**) override { return E_NOTIMPL; }
    HRESULT GenerateReport(ISRptGenerationClient*, uint32_t) override { return E_NOTIMPL; }
    HRESULT PreviewReport(ISRptGenerationClient*, ISShellCommandTarget*) override { return E_NOTIMPL; }
    HRESULT ChangeAllFonts(int32_t) override { return E_NOTIMPL; }
    HRESULT ChangeFonts(ISRptParaContainer*) override { return E_NOTIMPL; }
    // Nor are its attributes, its language, its template files and its sinks.
    SString GetName() override { return SString(); }
    HRESULT PutName(const SString&) noexcept override { return E_NOTIMPL; }
    SString GetCode() override { return SString(); }
    HRESULT PutCode(const SString&) noexcept override { return E_NOTIMPL; }
    SString GetLabl() override { return SString(); }
    HRESULT PutLabl(const SString&) noexcept override { return E_NOTIMPL; }
    bool GetSectNum() override { return false; }
    HRESULT PutSectNum(bool) noexcept override { return E_NOTIMPL; }
    SString GetFirstPageTitle() override { return SString(); }
    HRESULT PutFirstPageTitle(const SString&) noexcept override { return E_NOTIMPL; }
    SString GetFirstPageAuthor() override { return SString(); }
    HRESULT PutFirstPageAuthor(const SString&) noexcept override { return E_NOTIMPL; }
    SString GetFirstPageVersion() override { return SString(); }
    HRESULT PutFirstPageVersion(const SString&) noexcept override { return E_NOTIMPL; }
    SString GetFirstPageDate() override { return SString(); }
    HRESULT PutFirstPageDate(const SString&) noexcept override { return E_NOTIMPL; }
    SString GetFirstPageSummary() override { return SString(); }
    HRESULT PutFirstPageSummary(const SString&) noexcept override { return E_NOTIMPL; }
    bool GetHasFirstPage() override { return false; }
    HRESULT PutHasFirstPage(bool) noexcept override { return E_NOTIMPL; }
    bool GetHasFirstPageTitle() override { return false; }
    HRESULT PutHasFirstPageTitle(bool) noexcept override { return E_NOTIMPL; }
    bool GetHasFirstPageAuthor() override { return false; }
    HRESULT PutHasFirstPageAuthor(bool) noexcept override { return E_NOTIMPL; }
    bool GetHasFirstPageVersion() override { return false; }
    HRESULT PutHasFirstPageVersion(bool) noexcept override { return E_NOTIMPL; }
    bool GetHasFirstPageDate() override { return false; }
    HRESULT PutHasFirstPageDate(bool) noexcept override { return E_NOTIMPL; }
    bool GetHasFirstPageSummary() override { return false; }
    HRESULT PutHasFirstPageSummary(bool) noexcept override { return E_NOTIMPL; }
    SString GetDispName() override { return SString(); }
    HRESULT PutDispName(const SString&) override { return E_NOTIMPL; }
    SComWrap<ISRepObject> GetLang() override { return SComWrap<ISRepObject>(); }
    HRESULT PutLang(ISRepObject*) override { return E_NOTIMPL; }
    SString GetLangName() override { return SString(); }
    HRESULT ReadTemplatesFromStream(SInputStream&) override { return E_NOTIMPL; }
    HRESULT WriteTemplatesToStream(SOutputStream&) override { return E_NOTIMPL; }
    HRESULT GetAvailableItemsCollection(ISRepClassCol**) override { return E_NOTIMPL; }
    HRESULT GetAvailableItemsCount(int32_t*) override { return E_NOTIMPL; }
    HRESULT GetAvailableItemsAtPos(int32_t, ISRptAvailableItems**) override { return E_NOTIMPL; }
    HRESULT GetTemplatesCollection(ISRepClassCol**) override { return E_NOTIMPL; }
    HRESULT GetPosOfTemplate(ISRptTemplate*, int32_t*) override { return E_NOTIMPL; }
    HRESULT DeleteTemplateAtPos(int32_t) override { return E_NOTIMPL; }
    HRESULT AdviseTemplate(ISRepColSink*) override { return E_NOTIMPL; }
    HRESULT UnadviseTemplate(ISRepColSink*) override { return E_NOTIMPL; }
    HRESULT AdviseAvailableItems(ISRepColSink*) override { return E_NOTIMPL; }
    HRESULT UnadviseAvailableItems(ISRepColSink*) override { return E_NOTIMPL; }
    HRESULT SyncTemplatesWithExtendedResource() override { return E_NOTIMPL; }
    HRESULT ValidateLang() override { return E_NOTIMPL; }
    SRepClassColPtr Templates() override { return GetCollection(TESTREPORT_TEMPLATES); }
    SRepClassColPtr Availables() override { return SRepClassColPtr(); }
    SRepClassColPtr Language() override { return SRepClassColPtr(); }
    SRepClassColPtr NotSavedSess() override { return SRepClassColPtr(); }
    SRepClassColPtr LangExSess() override { return SRepClassColPtr(); }
    SRepClassColPtr ExtSess() override { return SRepClassColPtr(); }

    std::map<SString, SString> titles;
    int32_t titleRequests = 0;
    std::map<uint32_t, SString> exTitles;

    SREP_QUERY_CLASS_INTERFACE(ISRptReport, SRptParaContainerImpl)

protected:
    explicit SRptTestReportImpl(ISRepSession* session) : SRptParaContainerImpl(session) {}
    SRptTestReportImpl(const SRptTestReportImpl& source) : SRptParaContainerImpl(source) {}
};

class SRptTestReportRegistry : public SRepStaticRegistry<SRptTestReportRegistry> {
public:
    SRptTestReportRegistry();
    static const SAttrEditorMap attrEditorMap;
};

// Builds the four registries for a test and removes them again.
class SRptTestItemClasses {
public:
    SRptTestItemClasses();
    ~SRptTestItemClasses();
    SRptTestItemClasses(const SRptTestItemClasses&) = delete;
    SRptTestItemClasses& operator=(const SRptTestItemClasses&) = delete;
};
