#pragma once
// The left pane of an editor window: one page per available-items set of the report (one set per
// module), each page an available-items browser whose root is the set. One page is shown at a
// time, filling the control; the window picks it by module id. The control listens to the
// report's Availables and makes a page for each set that joins. It counts references (from 0):
// Create takes one, the end of its window gives it back, and its registration with the report's
// collection holds one until the pages are released.
#include <cstdint>
#include <cstring>
#include <map>

#include "platform/base/SString.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepColSink.h"
#include "platform/ui/SWnd.h"
#include "varod9/ISRptReport.h"

class SRptAvailableItemsBrowser;
class SRptViewBase;
struct ISRptAvailableItems;

class SRptAvailableItemsTabCtrl : public SWnd, public ISRepColSink {
public:
    // Keeps the report and listens to its Availables.
    SRptAvailableItemsTabCtrl(ISRptReport* report, SRptViewBase* view);

    const SClassInfo* GetClassInfo() const override { return &classSRptAvailableItemsTabCtrl; }
    static const SClassInfo classSRptAvailableItemsTabCtrl;
    S_DECLARE_MESSAGE_MAP()

public:
    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override { return ++m_dwRef; }
    uint32_t Release() override;
    uint32_t GetRefCount() const { return m_dwRef; }

    // The window, then a page per set of the report's Availables (without a report none, until
    // SetReport gives one), and the window's own reference, which PostNcDestroy gives back. 1, or
    // 0 when the window cannot be made.
    using SWnd::Create;
    int32_t Create(const char* className, const char* windowName, uint32_t style, const RECT& rect, SWnd* parent,
                   uint32_t id, SCreateContext* context = nullptr) override;

    // A page for a set, shown at once: 0; 1 for a null set or a module that has its page.
    HRESULT AddAvailableItemsPage(ISRptAvailableItems* set);
    // Shows the page of a module, refitted to the control: 0; 1 when the module has none.
    HRESULT ShowPage(const SString& moduleId);
    // Binds another report (null detaches): 1 when it is the report held, compared as objects;
    // else 0. Pages stay; modules of the new report that have none get one.
    HRESULT SetReport(ISRptReport* report);
    // Commands go to the page shown; without one, to the control's own map.
    int32_t OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) override;
    // The editor window's end: stops listening, lets every page's tree and browser go.
    virtual void ReleasePages();

    SRptAvailableItemsBrowser* GetCurrentPage() const { return m_pCurrentPage; }
    // The page of a module, null when there is none.
    SRptAvailableItemsBrowser* GetPage(const SString& moduleId) const;
    int32_t GetPageCount() const { return static_cast<int32_t>(m_pages.size()); }

    // A set joined the report's Availables: it gets its page. Anything else that joins is refused
    // with E_POINTER.
    HRESULT OnInsert(ISRepClassCol* collection, int32_t position, ISRepObject* object) override;
    HRESULT OnRemove(ISRepClassCol*, int32_t, ISRepObject*) override { return S_OK; }

protected:
    ~SRptAvailableItemsTabCtrl() override;
    void PostNcDestroy() override;
    void OnSize(uint32_t type, int32_t cx, int32_t cy);

private:
    // Module ids in byte order, case-sensitive.
    struct ModuleIdLess {
        bool operator()(const SString& a, const SString& b) const { return std::strcmp(a.c_str(), b.c_str()) < 0; }
    };
    void AddPagesOfReport();
    void Advise();
    void Unadvise();
    // Lets every page's tree and browser go.
    void DropPages();
    // The page fills the control.
    void FitPage(SRptAvailableItemsBrowser* page);

    SComWrap<ISRptReport> m_pReport;
    SRptViewBase* m_pView;
    std::map<SString, SRptAvailableItemsBrowser*, ModuleIdLess> m_pages;
    SRptAvailableItemsBrowser* m_pCurrentPage = nullptr;
    uint32_t m_dwRef = 0;
    // The report's collection that holds this control as a listener, when one does.
    SComWrap<ISRptReport> m_pAdvised;
};
