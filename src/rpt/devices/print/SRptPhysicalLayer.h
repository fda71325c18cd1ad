#pragma once
// A report laid out on the physical pages of one printer, and the print protocol of a view over
// them: preparing the printer, drawing one page into a device context, running a print job page
// by page. A printer device makes it when its run begins; the physical build and the pagination
// fill it; the print device prints it, the preview shows its pages. Logical units of every
// context it prepares are hundredths of a millimetre, y growing down from the page's top left.
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/ui/SView.h"
#include "rpt/devices/print/SRptPageFrame.h"
#include "rpt/devices/print/SRptPhysicalItem.h"
#include "rpt/devices/print/SRptPhysicalPage.h"
#include "rpt/devices/print/SRptPrinterDC.h"

class SPrintInfo;
class SRptDlgPrinting;
class SRptGenerationNode;
class SRptGenerationTree;
class SRptPrinterBaseDevice;

class SRptPhysicalLayer : public SView {
public:
    SRptPhysicalLayer(SRptPrinterBaseDevice* device, SRptGenerationTree* tree, SPrintInfo* printInfo);
    ~SRptPhysicalLayer() override;

    // The printer chosen (or its defaults taken), its context attached and prepared, the units
    // measured: E_ABORT when no printer was had, else 0.
    HRESULT SetUp();
    // The printer context prepared for measuring and its device units per millimetre taken, once
    // a back end is attached to it.
    void PrepareMeasures();

    // The four steps of the pagination, in the order a device runs them.
    HRESULT BuildPhysicalItems();
    HRESULT Paginate();
    HRESULT UpdateTablesOfContents();
    HRESULT LayoutHeadersFooters();
    // The physical item of a node's item class (none for another class, or when it cannot be
    // made); E_INVALIDARG for a null argument.
    HRESULT BuildPhysicalItem(SRptGenerationNode* node, SRptPageFrame* frame, std::unique_ptr<SRptPhysicalItem>* item);
    // A new page numbered after the others; E_INVALIDARG for a null out-pointer.
    HRESULT AddPage(SRptPageFrame* frame, SRptPhysicalPage** page);

    // The view protocol.
    virtual void OnPrepareDC(SDC* dc, SPrintInfo* info);
    virtual void OnDraw(SDC* dc);
    virtual bool OnPreparePrinting(SPrintInfo* info);
    virtual void OnBeginPrinting(SDC* dc, SPrintInfo* info);
    virtual void OnPrint(SDC* dc, SPrintInfo* info);
    virtual void OnEndPrinting(SDC* dc, SPrintInfo* info);
    virtual bool DoPreparePrinting(SPrintInfo* info);
    virtual HRESULT OnFilePrint();
    virtual HRESULT OnFilePrintPreview();
    // Prints with the printer and the pages chosen when the run began.
    virtual HRESULT OnFilePrintDirect();
    // Runs a print job of the pages the information asks for. 0 when printed or cancelled; 1
    // when no file was chosen to print to; E_UNEXPECTED when the job could not start and
    // E_IOFAILURE when the printer could not complete it (each after a message box).
    virtual HRESULT DoFilePrint(SPrintInfo* info);

    // The page that OnDraw draws (1-based); no page for a number outside the list.
    void SetCurrentPage(int32_t number);
    SRptPhysicalPage* GetCurrentPage() const { return m_currentPage; }
    int32_t GetPageCount() const override { return static_cast<int32_t>(m_pages.size()); }
    // A page by its 1-based number, or null.
    SRptPhysicalPage* GetPage(int32_t number) const;

    SRptPrinterDC& GetPrinterDCObject() { return m_printerDC; }
    SDC* GetPrinterDC() { return &m_printerDC; }
    double GetUnitsPerMmX() const { return m_unitsPerMmX; }
    double GetUnitsPerMmY() const { return m_unitsPerMmY; }
    SRptGenerationTree* GetGenerationTree() const { return m_tree; }
    SRptPrinterBaseDevice* GetDevice() const { return m_device; }
    SPrintInfo* GetPrintInfo() const { return m_printInfo; }

    const std::vector<std::unique_ptr<SRptPhysicalPage>>& GetPages() const { return m_pages; }
    const std::vector<std::unique_ptr<SRptPhysicalItem>>& GetItems() const { return m_items; }
    const std::vector<std::unique_ptr<SRptPageFrame>>& GetFrames() const { return m_frames; }
    // The item built from a node, or null.
    SRptPhysicalItem* FindItem(const SRptGenerationNode* node) const;
    // The item after `item` in the list, or null.
    SRptPhysicalItem* GetNextItem(const SRptPhysicalItem* item) const;

private:
    // Lays a page's header and footer out; the footer's result.
    HRESULT SetupPage(SRptPhysicalPage* page, SRptPageFrame* frame, int32_t tableFlag);
    // One item through its pages; false when the user stopped the pagination.
    HRESULT PaginateItem(SRptPhysicalItem* item, SRptPhysicalPage** page, bool* stopped);
    // Whether printing may go on: lets the printing dialog take the user's input, then asks the
    // abort procedure.
    bool ContinuePrinting();
    // A fresh layout of a page's header or footer band.
    HRESULT RelayoutBand(SRptPhysicalPage* page, bool header, SRptPageFrame* frame, int32_t height);

    // What the layer asks of the printer and its dialogs.
    bool RunPrintDialog(SPrintInfo* info);
    bool TakePrinterDefaults(SPrintInfo* info);
    bool HasPrinterContext(SPrintInfo* info) const;
    bool CreatePrinterContext(SPrintInfo* info);
    void AttachPrinterContext(SPrintInfo* info);
    // The path to print to, or empty when the user cancelled.
    static SString PromptPrintFile();
    void OpenPrintingDialog(const SString& action, const SString& printer, const SString& port);
    void ClosePrintingDialog();
    static void ShowPrintError(const SString& text);
    static SString GetApplicationName();

    std::vector<std::unique_ptr<SRptPhysicalPage>> m_pages;
    std::vector<std::unique_ptr<SRptPhysicalItem>> m_items;
    std::vector<std::unique_ptr<SRptPageFrame>> m_frames;
    std::map<const SRptGenerationNode*, SRptPhysicalItem*> m_nodeMap;
    SRptPrinterBaseDevice* m_device;
    SRptGenerationTree* m_tree;
    SPrintInfo* m_printInfo;
    SRptPrinterDC m_printerDC;
    SRptPhysicalPage* m_currentPage = nullptr;
    std::unique_ptr<SRptDlgPrinting> m_printingDlg;
    double m_unitsPerMmX = 0;
    double m_unitsPerMmY = 0;
};
