#pragma once
// The "Graph Format" dialog: how the selected user graphics are placed in the report, on one page
// (centred, or as a paragraph of the text) or over several pages at a zoom. Where the graphics
// disagree the choice opens undecided, and OK leaves it as each graphic has it unless the user
// made it.
#include <cstdint>

#include "platform/com/SComTable.h"
#include "platform/repo/ISRepObject.h"
#include "platform/repo/SRepDialog.h"
#include "platform/ui/SButtonCtrl.h"
#include "platform/ui/SEditCtrl.h"
#include "platform/ui/SStaticCtrl.h"

struct ISRptItem;

class SRptDlgGraphFormat : public SRepDialog {
public:
    static constexpr uint32_t IDD = 209;
    static constexpr int32_t IDC_ZOOM = 1005;
    static constexpr int32_t IDC_CENTERED = 1009;
    static constexpr int32_t IDC_AS_PARAGRAPH = 1010;
    static constexpr int32_t IDC_ZOOM_LABEL = 1012;
    static constexpr int32_t IDC_PERCENT_LABEL = 1013;
    static constexpr int32_t IDC_ONE_PAGE = 1139;
    static constexpr int32_t IDC_SEVERAL_PAGES = 1140;
    static constexpr uint32_t kHelpContext = 10021;
    // The largest zoom a graphic keeps (a 16-bit percentage).
    static constexpr int32_t kMaxZoom = 32767;

    // The choices as the dialog holds them; 0 is undecided.
    enum PageMode : int32_t { PageUndecided = 0, OnePage = 1, SeveralPages = 2 };
    enum OnePageChoice : int32_t { OnePageUndecided = 0, Centered = 1, AsParagraph = 2 };

    // Over the selected objects (a reference on each); the first shows its values.
    explicit SRptDlgGraphFormat(const SComTable<ISRepObject>& objects);
    // Over one item, which OK then writes too.
    explicit SRptDlgGraphFormat(ISRptItem* item);

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgGraphFormat; }
    static const SClassInfo classSRptDlgGraphFormat;
    S_DECLARE_MESSAGE_MAP()

public:
    virtual void OnOnePageCheck();
    virtual void OnManyPagesCheck();
    virtual void OnOnePageCenteredCheck();
    virtual void OnOnePageAsParaCheck();

    int32_t GetPageMode() const { return m_pageMode; }
    int32_t GetOnePageType() const { return m_onePageType; }

    // The zoom that a typed text stands for: its leading number, 100 when that is below 1, and
    // at most kMaxZoom.
    static int16_t ZoomFromText(const SString& text);

protected:
    int32_t OnInitDialog() override;
    void OnOK() override;

private:
    void AttachControls();
    // Shows the reference graphic's values, then marks undecided what the others disagree on.
    void ShowReference(ISRepObject* reference);
    void MarkDisagreements();
    // Enables the zoom or the one-page choices, as the page mode buttons show.
    void EnableForPageMode();
    // The user's choice of a page mode or of a one-page placement, shown on the buttons.
    void ChoosePageMode(int32_t mode);
    void ChooseOnePageType(int32_t type);
    // The user's choices into one graphic.
    void Store(ISRepObject* object, const SString& zoomText);

    int32_t m_pageMode = PageUndecided;
    int32_t m_onePageType = OnePageUndecided;
    // An item already over several pages hears one stray click of "One page" as the dialog opens.
    int32_t m_ignoreNextOnePageClick = 0;
    SComWrap<ISRepObject> m_reference;
    SComTable<ISRepObject> m_objects;
    SButtonCtrl m_onePage;
    SButtonCtrl m_severalPages;
    SButtonCtrl m_centered;
    SButtonCtrl m_asParagraph;
    SStaticCtrl m_zoomLabel;
    SEditCtrl m_zoom;
    SStaticCtrl m_percentLabel;
};
