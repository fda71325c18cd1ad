#include "rpt/dialogs/SRptPreviewZoomDlg.h"

namespace {
const char* const kZoomChoices[] = {"50%", "75%", "100%", "150%", "200%", "500%"};
}  // namespace

const SClassInfo SRptPreviewZoomDlg::classSRptPreviewZoomDlg = {"SRptPreviewZoomDlg", &SDlg::classSDlg};

SRptPreviewZoomDlg::SRptPreviewZoomDlg(int32_t zoom, SWnd* parent) : SDlg(IDD, parent), m_zoom(zoom) {}

int32_t SRptPreviewZoomDlg::OnInitDialog() {
    AttachDlgItem(IDC_ZOOM, m_zoomCombo);
    for (const char* choice : kZoomChoices) m_zoomCombo.AddString(choice);
    SString current;
    current.Format("%ld%%", m_zoom);
    m_zoomCombo.SetWindowText(current);
    CenterWindow();
    // Nothing of the dialog is exchanged with members: the base's start is not wanted.
    return 1;
}

void SRptPreviewZoomDlg::OnOK() {
    // The leading number of the text: "150%" is 150.
    const int32_t typed = m_zoomCombo.GetWindowText().ToInt();
    if (typed > 0) m_zoom = typed;
    SDlg::OnOK();
}
