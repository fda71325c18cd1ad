#include "rpt/dialogs/SRptDlgTitlePage.h"

#include <memory>

#include "platform/base/SModuleState.h"
#include "platform/com/SComThrow.h"
#include "platform/repo/SRepDlgRadioGroup.h"
#include "rpt/dialogs/SRptDlgMultiFormat.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "varod9/ISRptReport.h"
#include "varod9/RptApi.h"

const SClassInfo SRptDlgTitlePage::classSRptDlgTitlePage = {"SRptDlgTitlePage", &SRepDialog::classSRepDialog};

S_BEGIN_MESSAGE_MAP(SRptDlgTitlePage, SRepDialog)
    SMsgEntry::Control(BN_CLICKED, SRptDlgTitlePage::IDC_NO_TITLE_PAGE, &SRptDlgTitlePage::OnNoTitleCheck),
    SMsgEntry::Control(BN_CLICKED, SRptDlgTitlePage::IDC_INCLUDE_TITLE_PAGE, &SRptDlgTitlePage::OnIncTitleCheck),
    SMsgEntry::Control(BN_CLICKED, SRptDlgTitlePage::IDC_FORMAT, &SRptDlgTitlePage::OnFormat),
    SMsgEntry::Control(BN_CLICKED, SRptDlgTitlePage::IDC_HAS_SUMMARY, &SRptDlgTitlePage::OnSummaryCheck),
    SMsgEntry::Control(BN_CLICKED, SRptDlgTitlePage::IDC_HAS_AUTHOR, &SRptDlgTitlePage::OnAuthorCheck),
    SMsgEntry::Control(BN_CLICKED, SRptDlgTitlePage::IDC_HAS_VERSION, &SRptDlgTitlePage::OnVersionCheck),
    SMsgEntry::Control(BN_CLICKED, SRptDlgTitlePage::IDC_HAS_DATE, &SRptDlgTitlePage::OnDateCheck),
S_END_MESSAGE_MAP()

namespace {
struct SBinding {
    int32_t controlId;
    int32_t attributeId;
};
const SBinding kEdits[] = {
    {SRptDlgTitlePage::IDC_TITLE, RPTREPORT_FIRSTPAGETITLE},
    {SRptDlgTitlePage::IDC_SUMMARY, RPTREPORT_FIRSTPAGESUMMARY},
    {SRptDlgTitlePage::IDC_AUTHOR, RPTREPORT_FIRSTPAGEAUTHOR},
    {SRptDlgTitlePage::IDC_DATE, RPTREPORT_FIRSTPAGEDATE},
    {SRptDlgTitlePage::IDC_VERSION, RPTREPORT_FIRSTPAGEVERSION},
};
const SBinding kChecks[] = {
    {SRptDlgTitlePage::IDC_HAS_SUMMARY, RPTREPORT_HASFIRSTPAGESUMMARY},
    {SRptDlgTitlePage::IDC_HAS_AUTHOR, RPTREPORT_HASFIRSTPAGEAUTHOR},
    {SRptDlgTitlePage::IDC_HAS_DATE, RPTREPORT_HASFIRSTPAGEDATE},
    {SRptDlgTitlePage::IDC_HAS_VERSION, RPTREPORT_HASFIRSTPAGEVERSION},
};
}  // namespace

SRptDlgTitlePage::SRptDlgTitlePage(ISRepSession*, ISRptReport* report) : SRepDialog(IDD) {
    m_report.Reset(report);
}

SRptDlgTitlePage::~SRptDlgTitlePage() = default;

int32_t SRptDlgTitlePage::CreateDialogWindow(SWnd* parent, bool modeless) {
    SModuleStateGuard library(SRptGetModuleState());
    return SRepDialog::CreateDialogWindow(parent, modeless);
}

void SRptDlgTitlePage::BindControls(ISRepObject* report) {
    auto group = std::make_unique<SRepDlgRadioGroup>(report, RPTREPORT_HASFIRSTPAGE);
    group->AddButton(IDC_NO_TITLE_PAGE, 0);
    group->AddButton(IDC_INCLUDE_TITLE_PAGE, 1);
    GetControlHolder().Add(std::move(group));
    for (const SBinding& edit : kEdits) AttachEditField(edit.controlId, report, edit.attributeId);
    for (const SBinding& check : kChecks) AttachCheckBox(check.controlId, report, check.attributeId);
}

void SRptDlgTitlePage::AttachControls() {
    AttachDlgItem(IDC_TITLE_LABEL, m_titleLabel);
    AttachDlgItem(IDC_TITLE, m_title);
    AttachDlgItem(IDC_HAS_SUMMARY, m_summary.check);
    AttachDlgItem(IDC_SUMMARY, m_summary.edit);
    AttachDlgItem(IDC_HAS_AUTHOR, m_author.check);
    AttachDlgItem(IDC_AUTHOR, m_author.edit);
    AttachDlgItem(IDC_HAS_DATE, m_date.check);
    AttachDlgItem(IDC_DATE, m_date.edit);
    AttachDlgItem(IDC_HAS_VERSION, m_version.check);
    AttachDlgItem(IDC_VERSION, m_version.edit);
    AttachDlgItem(IDC_FORMAT, m_format);
}

int32_t SRptDlgTitlePage::OnInitDialog() {
    if (!m_report) SComThrow(E_POINTER);
    SComWrap<ISRepObject> report;
    report = static_cast<IUnknown*>(m_report.Get());
    if (!report) SComThrow(E_POINTER);
    // Bound once: a dialog opened again shows its report afresh without binding twice.
    if (GetControlHolder().GetCount() == 0) BindControls(report.Get());
    AttachControls();
    CenterWindow();
    SetHelpContext(kHelpContext);
    const int32_t result = SRepDialog::OnInitDialog();
    EnableForTitlePage(m_report->GetHasFirstPage());
    return result;
}

void SRptDlgTitlePage::EnableForCheck(OptionalField& field) {
    field.edit.EnableWindow(field.check.GetCheck() ? 1 : 0);
}

void SRptDlgTitlePage::EnableForTitlePage(bool included) {
    const int32_t enable = included ? 1 : 0;
    m_titleLabel.EnableWindow(enable);
    m_title.EnableWindow(enable);
    for (OptionalField* field : {&m_summary, &m_author, &m_date, &m_version}) {
        field->check.EnableWindow(enable);
        if (included)
            EnableForCheck(*field);
        else
            field->edit.EnableWindow(0);
    }
    m_format.EnableWindow(enable);
}

void SRptDlgTitlePage::OnNoTitleCheck() {
    EnableForTitlePage(false);
}

void SRptDlgTitlePage::OnIncTitleCheck() {
    EnableForTitlePage(true);
}

void SRptDlgTitlePage::OnSummaryCheck() {
    EnableForCheck(m_summary);
}

void SRptDlgTitlePage::OnAuthorCheck() {
    EnableForCheck(m_author);
}

void SRptDlgTitlePage::OnDateCheck() {
    EnableForCheck(m_date);
}

void SRptDlgTitlePage::OnVersionCheck() {
    EnableForCheck(m_version);
}

void SRptDlgTitlePage::OnFormat() {
    SComWrap<ISRepObject> report;
    report = static_cast<IUnknown*>(m_report.Get());
    // The sheet's template is the library's too.
    SModuleStateGuard library(SRptGetModuleState());
    SRptDlgMultiFormat sheet(report.Get(), 0, SRptDlgMultiPages::IDD_FORMAT_ITEMS);
    sheet.DoModal();
}
