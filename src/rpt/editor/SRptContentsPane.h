#pragma once
// The right pane of an editor window as the window and the browsers meet it: one contents
// browser of a template, or the report's tab window that forwards to the browser of its active
// tab. The window moves, adds and deletes items through it without knowing which it is.
#include <cstdint>

#include "platform/com/HRESULT.h"

struct ISRptItem;
struct ISRptReport;
struct ISRptTemplate;
class SWnd;

class SRptContentsPane {
public:
    virtual ~SRptContentsPane() = default;

    // Moves the selected items: 1 up, 2 down, 3 raise a level, 4 lower a level.
    virtual void MoveSelection(uint32_t direction) = 0;
    // Tears the pane's browsers down: their node trees, then their own references.
    virtual void DestroyPane() = 0;
    // The window to place in the editor's splitter.
    virtual SWnd* GetPaneWindow() = 0;
    // Adds `item` to the shown template at the selection; `added` receives the copy made.
    virtual HRESULT AddItemToTemplate(ISRptItem* item, ISRptItem** added) = 0;
    // Removes `item` from the shown template.
    virtual HRESULT DeleteItemFromTemplate(ISRptItem* item) = 0;
    // Binds the report: 1 when it is the one already bound (same object), else 0.
    virtual HRESULT SetReport(ISRptReport* report) = 0;
    // Rebuilds the tabs after the report's templates changed.
    virtual HRESULT UpdateTabs() = 0;
    // The template shown (reference added); E_POINTER for a null out pointer.
    virtual HRESULT GetActiveTemplate(ISRptTemplate** out) = 0;

protected:
    SRptContentsPane() = default;
    SRptContentsPane(const SRptContentsPane&) = default;
    SRptContentsPane& operator=(const SRptContentsPane&) = default;
};
