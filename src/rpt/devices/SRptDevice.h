#pragma once
// The base of every output device. It owns the run of one generation: the order of the device's
// steps, the two passes over the report's templates (the first lets the device look at every
// object, the second generates every object), the generation tree that the second pass fills,
// and the expansion of header and footer texts. Concrete devices supply the steps that write.
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "rpt/devices/SRptScanTreeHelper.h"
#include "varod9/ISRptDevice.h"
#include "varod9/ISRptGenerationClient.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"

class SRptGenerationTree;

// The scanner kinds of the two passes.
inline constexpr uint32_t RPTSCAN_KIND_FIRST_PASS = 1;
inline constexpr uint32_t RPTSCAN_KIND_SECOND_PASS = 2;

// What GetDeviceKind answers.
inline constexpr int32_t RPTDEVICE_RTF = 0;
inline constexpr int32_t RPTDEVICE_PRINTER = 1;
inline constexpr int32_t RPTDEVICE_HTML = 2;
inline constexpr int32_t RPTDEVICE_PREVIEW = 3;

class SRptDevice : public ISRptDevice, public SRptScanTreeHelper::SScanner {
public:
    // Keeps the report with a reference and the client without one (either may be null).
    SRptDevice(ISRptReport* pReport, ISRptGenerationClient* pClient);
    SRptDevice(const SRptDevice&) = delete;
    SRptDevice& operator=(const SRptDevice&) = delete;

    HRESULT QueryInterface(const GUID& riid, void** ppv) override;
    uint32_t AddRef() override;
    uint32_t Release() override;

    HRESULT Generate() override;
    HRESULT GetFieldText(int32_t nFieldNumber, SString* pText) override;
    HRESULT GetReport(ISRptReport** ppReport) override;
    HRESULT GetGenerationClient(ISRptGenerationClient** ppClient) override;
    HRESULT ExpandHeaderFooter(const SString& sModuleID, const SString& sText, SString& sExpanded,
                               int32_t& nNeedExpand) override;

    // The walk's callback: kind 1 goes to ScanObject, kind 2 to GenerateObject.
    HRESULT Dispatch(uint32_t kind, ISRptItem* object, RPTSCANINFO* info) override;

    int32_t GetScanLevel() const { return m_nLevel; }
    int32_t GetScanPosition() const { return m_nPosition; }
    SRptGenerationTree* GetGenerationTree() const { return m_pTree; }
    bool IsTblCtsGenerated() const { return m_bTblCtsGenerated != 0; }
    void SetTblCtsGenerated() { m_bTblCtsGenerated = 1; }

protected:
    virtual ~SRptDevice();

    // Every device calls the base step first: tells the client the run starts and creates the
    // generation tree.
    virtual HRESULT BeginGeneration() = 0;
    virtual HRESULT InitGeneration() = 0;
    virtual HRESULT BeginSecondPass() = 0;
    // One object of the first pass, one of the second.
    virtual HRESULT ScanObject(ISRptItem* pItem, RPTSCANINFO* pInfo) = 0;
    virtual HRESULT GenerateObject(ISRptItem* pItem, RPTSCANINFO* pInfo) = 0;
    virtual HRESULT BeginTemplateScan(int32_t nIndex, ISRptTemplate* pTemplate) = 0;
    virtual HRESULT EndTemplateScan(int32_t nIndex, ISRptTemplate* pTemplate) = 0;
    virtual HRESULT BeginTemplateGeneration(int32_t nIndex, ISRptTemplate* pTemplate) = 0;
    virtual HRESULT EndTemplateGeneration(int32_t nIndex, ISRptTemplate* pTemplate) = 0;
    virtual HRESULT EndFirstPass() = 0;
    // Completes the tree's nodes and refreshes its table of contents; devices extend it.
    virtual HRESULT FinishGeneration();
    // Every device calls the base step: deletes the generation tree.
    virtual HRESULT EndGeneration() = 0;
    // Whether an item is one the device treats apart when it splits its output; the base: no.
    virtual bool IsItemSpecial(ISRptItem* pItem);
    // The device's text for a header/footer field.
    virtual HRESULT FormatFieldText(int32_t nFieldNumber, SString* pText) = 0;
    virtual int32_t GetDeviceKind() = 0;

    // Where a device's GenerateObject hands an item for the operation of its kind. Nothing is
    // dispatched yet: every item is accepted and its children walked.
    HRESULT DispatchObject(ISRptItem* pItem, RPTSCANINFO* pInfo);

    ISRptReport* GetReportPtr() const { return m_report.Get(); }
    ISRptGenerationClient* GetClientPtr() const { return m_pClient; }
    ISRptTemplate* GetCurrentTemplate() const { return m_currentTemplate.Get(); }

private:
    HRESULT RunSteps();
    // One pass over the templates: kind 1 the first, kind 2 the second.
    HRESULT RunPass(uint32_t kind);
    HRESULT RunTemplate(uint32_t kind, int32_t nIndex);
    HRESULT BeginTemplate(uint32_t kind, int32_t nIndex, ISRptTemplate* pTemplate);
    HRESULT EndTemplate(uint32_t kind, int32_t nIndex, ISRptTemplate* pTemplate);
    void ReleaseCurrentTemplate();

    int32_t m_nRefs = 1;
    SComWrap<ISRptReport> m_report;
    ISRptGenerationClient* m_pClient;  // the run's, not counted
    SComWrap<ISRptTemplate> m_currentTemplate;
    SRptGenerationTree* m_pTree = nullptr;  // owned between BeginGeneration and EndGeneration
    int32_t m_nLevel = 0;
    int32_t m_nPosition = 0;
    int32_t m_bTblCtsGenerated = 0;
};
