#pragma once
// The host's view of one open report or template editor. It holds the report and the report's
// session, owns the editor window once the host asked for it, and hears of changes to the report
// so that the frame's title follows the report's name and the window's tabs its templates and
// language. While its window exists the report is entered in the report view map with this view,
// so that other code finds the report's open editor. The kinds differ in their window, their
// title, their commands and what their final close does with the document.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/SComWrap.h"
#include "platform/host/SShellView.h"
#include "platform/repo/ISRepObjSink.h"
#include "platform/repo/ISRepSession.h"
#include "rpt/editor/SRptViewOwner.h"
#include "varod9/ISRptReport.h"

class SRptViewBase;
struct ISRptTemplate;

class SRptShellViewBase : public SShellView, public ISRepObjSink, public SRptViewOwner {
public:
    // Holds the report and the session, each with a reference.
    SRptShellViewBase(SShellModule* module, SShellViewClass* viewClass, ISRptReport* report, ISRepSession* session);

    // The sink face besides those of the shell view; one count for every face.
    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override { return SShellView::AddRef(); }
    uint32_t Release() override { return SShellView::Release(); }

    // ISShellView.
    // Makes the editor window in the host's window: E_INVALIDARG without a parent handle, E_FAIL
    // when the window cannot be made. Then the window hears of the session, the report is
    // entered in the report view map and the window bound to the session. 0.
    HRESULT CreateViewWindow(ISShellWindow* parent) override;
    // The window's handle, null before the window exists; always 0.
    HRESULT GetWindowHandle(HWND* hwnd) override;
    // The window takes the focus to its active side; 0.
    HRESULT OnViewActivate(int32_t active) override;
    // With 0, lets go of the session and the host (report editors first tell the host modules'
    // sinks). A final close (non-zero) may first close the document, whose refusal is the answer
    // with the view left as it was; then the report sink and the view's report view map entry go,
    // and the window lets go of the report. The view stays alive to the end of the call.
    HRESULT CloseView(int32_t final) override;

    // ISRepObjSink: a deleted report is no longer listened to; every change renews the title, and
    // a change of the report's templates or language rebuilds the window's contents tabs first.
    HRESULT OnDelete(ISRepObject* object, int32_t reason) override;
    HRESULT OnFlush(ISRepObject* object) override;
    HRESULT OnChange(ISRepObject* object, int32_t id) override;

    // Commands go through the view's maps, then the window (while it exists).
    int32_t OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) override;
    const SClassInfo* GetClassInfo() const override { return &classSRptShellViewBase; }
    static const SClassInfo classSRptShellViewBase;

    // The template of the window's active contents tab; 1 and a null template before the window
    // exists.
    virtual HRESULT GetActiveTemplate(ISRptTemplate** out);
    // The frame's title.
    virtual SString GetTitle() = 0;
    // Hands the title to the view frame when there is one and a report. 1.
    HRESULT UpdateTitle() override;
    // Rebuilds the window's contents tabs: 1 without a window, a failure passed on, else 0.
    HRESULT UpdateTabs();

    // Registers the view's sink on the report (the creator does it once the frame is open).
    HRESULT AdviseReport();

    ISRepObjSink* GetSinkFace() { return this; }
    ISRptReport* GetReport() const { return m_pReport.Get(); }
    ISRepSession* GetSession() const { return m_pSession.Get(); }
    SRptViewBase* GetWindow() const { return m_pWindow; }
    bool IsReportAdvised() const { return m_bReportAdvised; }

    // The text of the library's string `id`, empty when it has none.
    static SString LoadTitleFormat(uint32_t id);
    // The report's name, followed by " - " and the session's path when the user asked for paths
    // in titles and the document has one. SECOMException E_POINTER without a report (or without a
    // session when the path is asked for).
    SString GetNameWithPath() const;

protected:
    // Leaves the report view map, when its entry is still this view's, and lets go of the
    // window, the session and the report.
    ~SRptShellViewBase() override;

    // The kind's window, not yet made (null when it cannot be constructed).
    virtual SRptViewBase* MakeWindow() = 0;
    // Report editors tell the host modules' sinks that they close.
    virtual bool TellsSinksOnClose() const { return false; }
    // Whether the final close closes the document (the template and multi-model editors own it)
    // and whether it discards it afterwards (the template editor).
    virtual bool ClosesDocument() const { return true; }
    virtual bool DiscardsDocument() const { return false; }

    // The commands every editor takes: "Close" (102), help contents (66) and the Tab key (6101).
    void OnFileClose();
    void OnHelpContents();
    void OnToggleActivePane();

    S_DECLARE_MESSAGE_MAP()

private:
    HRESULT CloseViewPlain();
    HRESULT CloseViewFinal();
    void TellSinksViewClosing();
    ISRepObject* GetReportKey() const;
    // Takes the report out of the report view map when its entry is this view's.
    void LeaveReportViewMap();

    SComWrap<ISRptReport> m_pReport;
    SComWrap<ISRepSession> m_pSession;
    // Held through the window's own count, so that it outlives every step of a close.
    SRptViewBase* m_pWindow = nullptr;
    bool m_bReportAdvised = false;
};
