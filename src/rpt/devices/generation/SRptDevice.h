#pragma once
// The base of every output device. It owns the run of one generation: the order of the device's
// steps, the two passes over the report's templates (the first lets the device look at every
// object, the second generates every object), the generation tree that the second pass fills,
// and the expansion of header and footer texts. Concrete devices supply the steps that write.
#include <cstdint>
#include <memory>

#include "platform/com/SComWrap.h"
#include "platform/ui/SPageSetupDlg.h"
#include "platform/ui/SPrintDlg.h"
#include "rpt/devices/generation/SRptScanTreeHelper.h"
#include "varod9/ISRptDevice.h"
#include "varod9/ISRptGenerationClient.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/ISRptUserProcs.h"
#include "varod9/RptProcContext.h"

class SRptGenerationNode;
class SRptGenerationTree;
struct ISRptCustom;
struct ISRptFolder;
struct ISRptForm;
struct ISRptGraphicFile;
struct ISRptGrpText;
struct ISRptGrpTitle;
struct ISRptList;
struct ISRptPageBreak;
struct ISRptTblCts;
struct ISRptText;
struct ISRptTextFile;
struct ISRptTitle;
struct ISRptUserGraphic;

// The scanner kinds of the two passes.
inline constexpr uint32_t RPTSCAN_KIND_FIRST_PASS = 1;
inline constexpr uint32_t RPTSCAN_KIND_SECOND_PASS = 2;

// What GetDeviceKind answers.
inline constexpr int32_t RPTDEVICE_RTF = 0;
inline constexpr int32_t RPTDEVICE_PRINTER = 1;
inline constexpr int32_t RPTDEVICE_HTML = 2;
inline constexpr int32_t RPTDEVICE_PREVIEW = 3;

// The generation nodes that the per-kind operations make.
enum class SRptNodeKind : int32_t {
    PageBreak,
    Text,
    Title,
    TextFile,
    GraphicFile,
    UserGraphic,
    TblCts,
    Template,
    GrpText,
    GrpTitle,
    Folder,
    List,
    Form,
};

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
    // What ended the last run of Generate, in the words of the failure that ended it (the file
    // and the cause of a file that could not be written); empty after a run that succeeded or
    // failed with a code only.
    const SString& GetFault() const { return m_fault; }
    // The steps of a run but the end step, so that what the run made stays for its reader (the
    // print preview shows the pages afterwards): the first negative result, else 0.
    HRESULT GenerateUntilFinish();
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

    // What the printing prompts start from: the printer's page set-up and print settings.
    SPageSetupDlg& GetPageSetupDlg() { return m_pageSetupDlg; }
    SPrintDlg& GetPrintDlg() { return m_printDlg; }

protected:
    virtual ~SRptDevice();

    // Every device calls the base step first: tells the client the run starts and creates the
    // generation tree.
    virtual HRESULT BeginGeneration() = 0;
    // The steps between the passes and around each template's walk: most devices have nothing
    // to do in them, so the base does nothing and a device overrides those it needs.
    virtual HRESULT InitGeneration() { return S_OK; }
    virtual HRESULT BeginSecondPass() { return S_OK; }
    // One object of the first pass, one of the second.
    virtual HRESULT ScanObject(ISRptItem* pItem, RPTSCANINFO* pInfo) = 0;
    virtual HRESULT GenerateObject(ISRptItem* pItem, RPTSCANINFO* pInfo) = 0;
    virtual HRESULT BeginTemplateScan(int32_t, ISRptTemplate*) { return S_OK; }
    virtual HRESULT EndTemplateScan(int32_t, ISRptTemplate*) { return S_OK; }
    virtual HRESULT BeginTemplateGeneration(int32_t, ISRptTemplate*) { return S_OK; }
    virtual HRESULT EndTemplateGeneration(int32_t, ISRptTemplate*) { return S_OK; }
    virtual HRESULT EndFirstPass() { return S_OK; }
    // Completes the tree's nodes and refreshes its table of contents; devices extend it.
    virtual HRESULT FinishGeneration();
    // Every device calls the base step: deletes the generation tree.
    virtual HRESULT EndGeneration() = 0;
    // Whether an item is one the device treats apart when it splits its output; the base: no.
    virtual bool IsItemSpecial(ISRptItem* pItem);
    // The per-kind operations. Each base operation inserts its node at the walk's level and tells
    // the walk how to go on; a node that cannot be allocated ends the run with E_OUTOFMEMORY.
    virtual HRESULT OnForm(ISRptForm* pItem, RPTSCANINFO* pInfo);
    virtual HRESULT OnList(ISRptList* pItem, RPTSCANINFO* pInfo);
    // A null item is the page break before an item whose paragraph asks for one.
    virtual HRESULT OnPageBreak(ISRptPageBreak* pItem, RPTSCANINFO* pInfo);
    virtual HRESULT OnText(ISRptText* pItem, RPTSCANINFO* pInfo);
    virtual HRESULT OnTitle(ISRptTitle* pItem, RPTSCANINFO* pInfo);
    virtual HRESULT OnTextFile(ISRptTextFile* pItem, RPTSCANINFO* pInfo);
    virtual HRESULT OnGraphicFile(ISRptGraphicFile* pItem, RPTSCANINFO* pInfo);
    // One node per element that the module supplies, all at the item's level.
    virtual HRESULT OnGrpText(ISRptGrpText* pItem, RPTSCANINFO* pInfo);
    // Lets the module process a list or a form before its node.
    virtual HRESULT OnGroupProcs(ISRptCustom* pItem, RPTSCANINFO* pInfo);
    // One step of the member walk per visit: a member node, then the children, then the group
    // again, until the module has no element left.
    virtual HRESULT OnGrpTitle(ISRptGrpTitle* pItem, RPTSCANINFO* pInfo);
    virtual HRESULT OnFolder(ISRptFolder* pItem, RPTSCANINFO* pInfo);
    virtual HRESULT OnUserGraphic(ISRptUserGraphic* pItem, RPTSCANINFO* pInfo);
    // The template's node only when the template holds items.
    virtual HRESULT OnTemplate(ISRptTemplate* pItem, RPTSCANINFO* pInfo);
    // The header and footer of a template; the base writes nothing.
    virtual HRESULT OnHeaderFooter(ISRptTemplate* pItem, RPTSCANINFO* pInfo);
    virtual HRESULT OnTblCts(ISRptTblCts* pItem, RPTSCANINFO* pInfo);
    // The member node of the element that `pRecord` stands on; the module's answers go back
    // into the caller's record.
    virtual HRESULT OnGrpTitleMember(ISRptGrpTitle* pGroup, RPTSCANINFO* pInfo, RPTPROCCONTEXT* pRecord);
    virtual HRESULT OnFolderMember(ISRptFolder* pGroup, RPTSCANINFO* pInfo, RPTPROCCONTEXT* pRecord);

    // The device's text for a header/footer field.
    virtual HRESULT FormatFieldText(int32_t nFieldNumber, SString* pText) = 0;
    virtual int32_t GetDeviceKind() = 0;

    // Where a device's GenerateObject hands an item: a page break first when the item's first
    // paragraph asks for one, then the operation of the item's kind. 1 for a null item (the walk
    // stops); an item of a kind without an operation makes no node, and its children are walked.
    HRESULT DispatchItem(ISRptItem* pItem, RPTSCANINFO* pInfo);

    // The allocation of every node the operations make; null (or std::bad_alloc) when it fails.
    virtual std::unique_ptr<SRptGenerationNode> NewNode(SRptNodeKind kind, IUnknown* pItem, int32_t nOccurrence);

    // Page splitting, for devices that cut their output into pages. The next node after `pNode`
    // whose item is content of the same page (not special); null at a template, a page break or
    // the end of the tree.
    SRptGenerationNode* GetNextContentNode(SRptGenerationNode* pNode);
    // Whether `pNode` ends the content of its page: no node with an item other than a special
    // one or a page break lies between it and the next template or the end of the tree.
    bool IsPageEnd(SRptGenerationNode* pNode);
    // The page break or template after `pNode` that starts the next page, or null.
    SRptGenerationNode* FindNextPageStart(SRptGenerationNode* pNode);

    // The item's interface of its kind, for the operation or writer of that kind: empty when the
    // item has none (the operation refuses it), any other failure of the query thrown.
    template <class I>
    static SComWrap<I> QueryKind(IUnknown* pItem) {
        SComWrap<I> typed;
        typed = pItem;
        return typed;
    }
    // The save dialog for a generated file: 0 with the chosen path, 1 when cancelled (the path is
    // left alone), E_INVALIDARG for a null path.
    static HRESULT PromptOutputFile(SString* pPath, const SString& sInitialName, const char* pExtension,
                                    const char* pFilter);

    ISRptReport* GetReportPtr() const { return m_report.Get(); }
    ISRptGenerationClient* GetClientPtr() const { return m_pClient; }

private:
    // IsItemSpecial for the item of a node.
    bool IsNodeItemSpecial(IUnknown* pItem);
    // Makes the node of a kind and inserts it at `nLevel`.
    HRESULT InsertNewNode(SRptNodeKind kind, IUnknown* pItem, int32_t nOccurrence, int32_t nLevel);
    // The one node of an item at the walk's level; the walk then goes into the item's children.
    HRESULT InsertItemNode(SRptNodeKind kind, IUnknown* pItem, RPTSCANINFO* pInfo);
    HRESULT InsertPageBreakBefore(ISRptItem* pItem, RPTSCANINFO* pInfo);
    HRESULT DispatchByClass(ISRptItem* pItem, RPTSCANINFO* pInfo);
    HRESULT DispatchTblCts(ISRptItem* pItem, RPTSCANINFO* pInfo);
    // One visit of a group title or a folder.
    HRESULT StepGroupMembers(ISRptCustom* pGroup, SRptNodeKind memberKind, RPTSCANINFO* pInfo);
    // Hands the group's record to the member operation of the group's class.
    HRESULT CallMember(ISRptCustom* pGroup, RPTSCANINFO* pInfo, RPTPROCCONTEXT* pRecord);
    HRESULT MakeMemberNode(ISRptCustom* pGroup, SRptNodeKind memberKind, RPTSCANINFO* pInfo, RPTPROCCONTEXT* pRecord);
    // A list or a form: its node when the module has content for it.
    HRESULT GenerateTableItem(SRptNodeKind kind, ISRptCustom* pItem, RPTSCANINFO* pInfo);
    // The record and the procedures that the node of `kind` hands the module for `pItem`.
    void PrepareRecord(SRptNodeKind kind, IUnknown* pItem, RPTPROCCONTEXT* pRecord, SComWrap<ISRptProcs>* pProcs);
    // The printer's settings into the two dialogs, when the library has a printer.
    void TakePrinterSettings();
    // One pass's walk of a template.
    HRESULT WalkTemplate(uint32_t kind, ISRptTemplate* pTemplate);

    HRESULT RunSteps(bool withEnd = true);
    // One pass over the templates: kind 1 the first, kind 2 the second.
    HRESULT RunPass(uint32_t kind);
    HRESULT RunTemplate(uint32_t kind, int32_t nIndex);
    HRESULT BeginTemplate(uint32_t kind, int32_t nIndex, ISRptTemplate* pTemplate);
    HRESULT EndTemplate(uint32_t kind, int32_t nIndex, ISRptTemplate* pTemplate);
    void ReleaseCurrentTemplate();

    int32_t m_nRefs = 1;
    SComWrap<ISRptReport> m_report;
    ISRptGenerationClient* m_pClient;  // the run's, not counted
    SPageSetupDlg m_pageSetupDlg;
    SPrintDlg m_printDlg;
    SComWrap<ISRptTemplate> m_currentTemplate;
    SRptGenerationTree* m_pTree = nullptr;  // owned between BeginGeneration and EndGeneration
    int32_t m_nLevel = 0;
    int32_t m_nPosition = 0;
    int32_t m_bTblCtsGenerated = 0;
    SString m_fault;
};
