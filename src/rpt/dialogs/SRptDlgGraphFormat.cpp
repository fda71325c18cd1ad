#include "rpt/dialogs/SRptDlgGraphFormat.h"

#include "varod9/ISRptItem.h"
#include "varod9/ISRptUserGraphic.h"

const SClassInfo SRptDlgGraphFormat::classSRptDlgGraphFormat = {"SRptDlgGraphFormat", &SRepDialog::classSRepDialog};

S_BEGIN_MESSAGE_MAP(SRptDlgGraphFormat, SRepDialog)
    SMsgEntry::Control(BN_CLICKED, SRptDlgGraphFormat::IDC_ONE_PAGE, &SRptDlgGraphFormat::OnOnePageCheck),
    SMsgEntry::Control(BN_CLICKED, SRptDlgGraphFormat::IDC_SEVERAL_PAGES, &SRptDlgGraphFormat::OnManyPagesCheck),
    SMsgEntry::Control(BN_CLICKED, SRptDlgGraphFormat::IDC_CENTERED, &SRptDlgGraphFormat::OnOnePageCenteredCheck),
    SMsgEntry::Control(BN_CLICKED, SRptDlgGraphFormat::IDC_AS_PARAGRAPH, &SRptDlgGraphFormat::OnOnePageAsParaCheck),
S_END_MESSAGE_MAP()

namespace {
constexpr int16_t kDefaultZoom = 100;

// The graphic face of a selected object. Not being one is no answer the dialog can give: using
// the empty face throws.
SComWrap<ISRptUserGraphic> Graphic(ISRepObject* object) {
    SComWrap<ISRptUserGraphic> graphic;
    graphic = static_cast<IUnknown*>(object);
    return graphic;
}

SString ZoomText(const SComWrap<ISRptUserGraphic>& graphic) {
    SString text;
    text.Format("%ld", static_cast<int32_t>(graphic->GetZoomPerct()));
    return text;
}
}  // namespace

SRptDlgGraphFormat::SRptDlgGraphFormat(const SComTable<ISRepObject>& objects) : SRepDialog(IDD), m_objects(objects) {
    if (!m_objects.IsEmpty()) m_reference.Reset(m_objects.GetAt(0));
}

SRptDlgGraphFormat::SRptDlgGraphFormat(ISRptItem* item) : SRepDialog(IDD) {
    m_reference = static_cast<IUnknown*>(item);
    // The item is what the dialog edits: OK writes it as it writes a selection.
    if (m_reference) m_objects.Add(m_reference.Get());
}

int16_t SRptDlgGraphFormat::ZoomFromText(const SString& text) {
    const int32_t typed = text.ToInt();
    if (typed < 1) return kDefaultZoom;
    // A zoom beyond what a graphic holds is the largest it holds, not what is left of its bits.
    return static_cast<int16_t>(typed > kMaxZoom ? kMaxZoom : typed);
}

void SRptDlgGraphFormat::AttachControls() {
    AttachDlgItem(IDC_ONE_PAGE, m_onePage);
    AttachDlgItem(IDC_SEVERAL_PAGES, m_severalPages);
    AttachDlgItem(IDC_CENTERED, m_centered);
    AttachDlgItem(IDC_AS_PARAGRAPH, m_asParagraph);
    AttachDlgItem(IDC_ZOOM_LABEL, m_zoomLabel);
    AttachDlgItem(IDC_ZOOM, m_zoom);
    AttachDlgItem(IDC_PERCENT_LABEL, m_percentLabel);
}

int32_t SRptDlgGraphFormat::OnInitDialog() {
    AttachControls();
    CenterWindow();
    ShowReference(m_reference.Get());
    MarkDisagreements();
    const int32_t result = SRepDialog::OnInitDialog();
    EnableForPageMode();
    SetHelpContext(kHelpContext);
    return result;
}

void SRptDlgGraphFormat::ShowReference(ISRepObject* object) {
    SComWrap<ISRptUserGraphic> reference = Graphic(object);
    m_zoom.SetWindowText(ZoomText(reference));
    const int16_t type = reference->GetOnePageType();
    if (type == RPTGRAPH_1PAGE_CENTER) {
        m_onePageType = Centered;
        m_centered.SetCheck(1);
    } else if (type == RPTGRAPH_1PAGE_PARAGRAPH) {
        m_onePageType = AsParagraph;
        m_asParagraph.SetCheck(1);
    }
    const bool useZoom = reference->GetUseZoom();
    m_ignoreNextOnePageClick = useZoom ? 1 : 0;
    m_pageMode = useZoom ? SeveralPages : OnePage;
    (useZoom ? m_severalPages : m_onePage).SetCheck(1);
}

void SRptDlgGraphFormat::MarkDisagreements() {
    SComWrap<ISRptUserGraphic> reference = Graphic(m_reference.Get());
    const SString referenceZoom = ZoomText(reference);
    for (int32_t i = 1; i < m_objects.GetSize(); ++i) {
        SComWrap<ISRptUserGraphic> other = Graphic(m_objects.GetAt(i));
        if (ZoomText(other) != referenceZoom) m_zoom.SetWindowText("");
        if (other->GetOnePageType() != reference->GetOnePageType()) {
            m_onePageType = OnePageUndecided;
            m_centered.SetCheck(0);
            m_asParagraph.SetCheck(0);
        }
        if (other->GetUseZoom() != reference->GetUseZoom()) {
            m_onePage.SetCheck(0);
            m_severalPages.SetCheck(0);
            m_pageMode = PageUndecided;
            m_ignoreNextOnePageClick = 0;
        }
    }
}

void SRptDlgGraphFormat::EnableForPageMode() {
    const int32_t zoomed = m_severalPages.GetCheck() ? 1 : 0;
    m_zoomLabel.EnableWindow(zoomed);
    m_zoom.EnableWindow(zoomed);
    m_percentLabel.EnableWindow(zoomed);
    const int32_t onePage = m_onePage.GetCheck() ? 1 : 0;
    m_centered.EnableWindow(onePage);
    m_asParagraph.EnableWindow(onePage);
}

void SRptDlgGraphFormat::ChoosePageMode(int32_t mode) {
    if (m_pageMode == mode) return;
    m_pageMode = mode;
    m_onePage.SetCheck(mode == OnePage ? 1 : 0);
    m_severalPages.SetCheck(mode == SeveralPages ? 1 : 0);
    EnableForPageMode();
}

void SRptDlgGraphFormat::ChooseOnePageType(int32_t type) {
    if (m_onePageType == type) return;
    m_onePageType = type;
    m_centered.SetCheck(type == Centered ? 1 : 0);
    m_asParagraph.SetCheck(type == AsParagraph ? 1 : 0);
}

void SRptDlgGraphFormat::OnOnePageCheck() {
    if (m_ignoreNextOnePageClick == 1) {
        m_ignoreNextOnePageClick = 0;
        return;
    }
    ChoosePageMode(OnePage);
}

void SRptDlgGraphFormat::OnManyPagesCheck() {
    ChoosePageMode(SeveralPages);
}

void SRptDlgGraphFormat::OnOnePageCenteredCheck() {
    ChooseOnePageType(Centered);
}

void SRptDlgGraphFormat::OnOnePageAsParaCheck() {
    ChooseOnePageType(AsParagraph);
}

void SRptDlgGraphFormat::Store(ISRepObject* object, const SString& zoomText) {
    SComWrap<ISRptUserGraphic> graphic = Graphic(object);
    if (!zoomText.IsEmpty()) graphic->PutZoomPerct(ZoomFromText(zoomText));
    if (m_onePageType == Centered) graphic->PutOnePageType(RPTGRAPH_1PAGE_CENTER);
    else if (m_onePageType == AsParagraph) graphic->PutOnePageType(RPTGRAPH_1PAGE_PARAGRAPH);
    if (m_pageMode == OnePage) graphic->PutUseZoom(false);
    else if (m_pageMode == SeveralPages) graphic->PutUseZoom(true);
}

void SRptDlgGraphFormat::OnOK() {
    const SString zoomText = m_zoom.GetWindowText();
    for (int32_t i = 0; i < m_objects.GetSize(); ++i) Store(m_objects.GetAt(i), zoomText);
    SRepDialog::OnOK();
}
