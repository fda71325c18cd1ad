#pragma once
// The "Title Page" dialog of a report: whether the document opens with a title page, its title,
// and the summary, author, date and version, each with its own switch. The controls are bound to
// the report's attributes: they show them when the dialog opens and OK stores them; Cancel leaves
// the report as it was. Format opens the format sheet of the report's own paragraphs.
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "platform/repo/SRepDialog.h"
#include "platform/ui/SButtonCtrl.h"
#include "platform/ui/SEditCtrl.h"
#include "platform/ui/SStaticCtrl.h"
#include "varod9/ISRptReport.h"

struct ISRepSession;

class SRptDlgTitlePage : public SRepDialog {
public:
    static constexpr uint32_t IDD = 218;
    static constexpr int32_t IDC_TITLE = 1005;
    static constexpr int32_t IDC_VERSION = 1006;
    static constexpr int32_t IDC_AUTHOR = 1007;
    static constexpr int32_t IDC_SUMMARY = 1008;
    static constexpr int32_t IDC_DATE = 1009;
    static constexpr int32_t IDC_NO_TITLE_PAGE = 1046;
    static constexpr int32_t IDC_INCLUDE_TITLE_PAGE = 1047;
    static constexpr int32_t IDC_FORMAT = 1049;
    static constexpr int32_t IDC_HAS_AUTHOR = 1050;
    static constexpr int32_t IDC_HAS_VERSION = 1051;
    static constexpr int32_t IDC_HAS_DATE = 1052;
    static constexpr int32_t IDC_HAS_SUMMARY = 1058;
    static constexpr int32_t IDC_TITLE_LABEL = 1067;
    static constexpr uint32_t kHelpContext = 10013;

    // Keeps a reference on the report for the dialog's life. The session is the report's.
    SRptDlgTitlePage(ISRepSession* session, ISRptReport* report);
    ~SRptDlgTitlePage() override;

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgTitlePage; }
    static const SClassInfo classSRptDlgTitlePage;
    S_DECLARE_MESSAGE_MAP()

public:
    virtual void OnNoTitleCheck();
    virtual void OnIncTitleCheck();
    virtual void OnSummaryCheck();
    virtual void OnAuthorCheck();
    virtual void OnDateCheck();
    virtual void OnVersionCheck();
    void OnFormat();

protected:
    // The dialog's template is the library's, whoever runs it.
    int32_t CreateDialogWindow(SWnd* parent, bool modeless) override;
    // A report that is not there cannot be shown: SECOMException with E_POINTER.
    int32_t OnInitDialog() override;

private:
    // One optional field: its switch and its text.
    struct OptionalField {
        SButtonCtrl check;
        SEditCtrl edit;
    };
    void BindControls(ISRepObject* report);
    void AttachControls();
    // Enables what a report with (true) or without a title page lets the user set.
    void EnableForTitlePage(bool included);
    // The field's text is enabled when its switch is on.
    static void EnableForCheck(OptionalField& field);

    SComWrap<ISRptReport> m_report;
    SStaticCtrl m_titleLabel;
    SEditCtrl m_title;
    OptionalField m_summary;
    OptionalField m_author;
    OptionalField m_date;
    OptionalField m_version;
    SButtonCtrl m_format;
};
