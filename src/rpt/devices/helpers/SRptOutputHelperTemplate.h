#pragma once
// A template: the report's title-page texts, each only when its switch is on, and the template's
// expanded header and footer.
#include "rpt/devices/helpers/SRptOutputHelper.h"

class SRptOutputHelperTemplate : public SRptOutputHelper {
public:
    using SRptOutputHelper::SRptOutputHelper;
    HRESULT Init(IUnknown* client) override;
    SString GetText() override;
    // The first-page title.
    SString GetFirstText() override;
    SString GetFirstPageAuthor() const { return m_author; }
    SString GetFirstPageDate() const { return m_date; }
    SString GetFirstPageVersion() const { return m_version; }
    SString GetFirstPageSummary() const { return m_summary; }
    SString GetExpHeader() const { return m_header; }
    SString GetExpFooter() const { return m_footer; }

private:
    SString m_title;
    SString m_author;
    SString m_date;
    SString m_version;
    SString m_summary;
    SString m_header;
    SString m_footer;
};
