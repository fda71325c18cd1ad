#pragma once
// The contents pane as an editor window owns it: one template's contents browser, or the report's
// tab window that forwards to the browser of its active tab. Either keeps the window it belongs
// to, which it tells of focus changes and tab changes.
#include "rpt/editor/SRptContentsPane.h"

class SRptViewBase;

class SRptBaseContentsItemsBrowser : public SRptContentsPane {
public:
    SRptViewBase* GetView() const { return m_pView; }

protected:
    explicit SRptBaseContentsItemsBrowser(SRptViewBase* view) : m_pView(view) {}

    SRptViewBase* m_pView;
};
