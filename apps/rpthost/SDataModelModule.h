#pragma once
// The sample host module over a data model: it registers itself, its items and its fields, and
// answers the procedures that fill its items while a report is generated.
//
// Items (by item id, with the ItemParam that tells them apart in the procedures):
//   ENTITYFOLDER  a folder of entities, one heading per entity
//   ENTITYLIST    a list of the entities: name, attribute and relationship counts, description
//   ENTITY        a group title per entity, holding
//     ENTITYCARD  a form of the entity's properties
//     ATTRIBUTES  a list of the entity's attributes: name, type, description
// Fields: %MODULE% (the module's label), %MODELNAME%, %MODELAUTHOR%, %MODELVERSION%.
//
// Inside a group the entity is the one the library positioned the module on: during the walk
// of the elements the element fetched, and when the nodes are read afterwards the occurrence of
// the member node (handed to Begin, Process and GetMemberText without a report).
#include <atomic>
#include <cstdint>

#include "SDataModel.h"
#include "platform/com/SComWrap.h"
#include "varod9/ISRptFolderProcs.h"
#include "varod9/ISRptFormProcs.h"
#include "varod9/ISRptGrpTitleProcs.h"
#include "varod9/ISRptListProcs.h"
#include "varod9/ISRptModule.h"
#include "varod9/ISRptModuleClient.h"
#include "varod9/ISRptUserProcs.h"

class SDataModelModule final : public ISRptModuleClient,
                               public ISRptUserProcs,
                               public ISRptFolderProcs,
                               public ISRptFormProcs,
                               public ISRptGrpTitleProcs,
                               public ISRptListProcs {
public:
    static constexpr const char* kModuleID = "DataModel";
    static constexpr const char* kLabel = "Data model";

    enum ItemParam : int32_t { kFolder = 1, kEntityList = 2, kEntityGroup = 3, kEntityCard = 4, kAttributeList = 5 };
    // Cell ids of the lists and of the card's values.
    enum CellID : int32_t {
        kListName = 1, kListAttributes = 2, kListRelationships = 3, kListDescription = 4,
        kCardName = 11, kCardDescription = 12, kCardAttributes = 13, kCardRelationships = 14,
        kAttrName = 21, kAttrType = 22, kAttrDescription = 23,
    };

    // The identity that smart pointers and the items see.
    static constexpr GUID iid = ISRptUserProcs::iid;

    // A module over the model, with one reference for the caller (to Attach).
    static SDataModelModule* Create(SDataModel model);

    // Registers the module with the library; its items follow when they are first needed.
    HRESULT Register();
    // Unregisters it; S_FALSE when it was not registered.
    HRESULT Unregister();
    ISRptModule* GetModule() const { return m_module.Get(); }
    const SDataModel& GetModel() const { return m_model; }

    // IUnknown: the procedures of every kind and the module client.
    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override { return static_cast<uint32_t>(++m_refs); }
    uint32_t Release() override;

    // ISRptModuleClient.
    HRESULT InitAvailableItems(ISRptModule* pModule) override;
    HRESULT GetReportLangName(SString& sLangName, ISRptReport* pReport) override;
    HRESULT ValidateReportLang(ISRptReport*) override { return S_OK; }
    HRESULT GetReportTitleText(SString& sTitle, ISRptReport* pReport, SString sTitlePath) override;
    HRESULT FillLanguageCombo(SComboBoxCtrl* pCombo) override;
    HRESULT GetLanguageObject(ISRepObject** ppLanguage, const SString& sLangName) override;

    // The procedures.
    HRESULT Reserved1(ISRptReport*, RPTPROCCONTEXT*) override { return S_OK; }
    HRESULT Reserved2(ISRptReport*, RPTPROCCONTEXT*) override { return S_OK; }
    HRESULT Reserved3(ISRptReport*, RPTPROCCONTEXT*) override { return S_OK; }
    HRESULT Begin(ISRptReport* pReport, RPTPROCCONTEXT* pContext) override;
    HRESULT End(ISRptReport*, RPTPROCCONTEXT*) override { return S_OK; }
    HRESULT Next(ISRptReport*, RPTPROCCONTEXT*) override { return S_OK; }
    HRESULT Process(ISRptReport* pReport, RPTPROCCONTEXT* pContext) override;
    HRESULT Fetch(ISRptReport* pReport, RPTPROCCONTEXT* pContext) override;
    HRESULT GetValue(ISRptReport* pReport, RPTPROCCONTEXT* pContext) override;
    HRESULT GetMemberText(ISRptReport* pReport, RPTPROCCONTEXT* pContext) override;
    int32_t IsCommandSupported(uint32_t) override { return 0; }
    int32_t HasUserOrder() override { return 0; }

private:
    explicit SDataModelModule(SDataModel model) : m_model(std::move(model)) {}
    ~SDataModelModule() = default;

    IUnknown* AsProcs() { return static_cast<ISRptUserProcs*>(this); }
    void RegisterItems(ISRptModule* pModule);
    void RegisterFields(ISRptModule* pModule);
    // The entity a group member stands for, when the library positions the module on it.
    void PositionOn(int32_t index);
    // The number of rows of a list, or of elements of a group, of the item.
    int32_t CountOf(int32_t itemParam) const;
    const SDataModel::Entity* Current() const;
    SString CellText(int32_t cellID, int32_t row) const;

    SDataModel m_model;
    SComWrap<ISRptModule> m_module;
    int32_t m_current = 0;
    std::atomic<int32_t> m_refs{0};
};
