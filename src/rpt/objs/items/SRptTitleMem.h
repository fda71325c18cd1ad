#pragma once
// SRptTitle: a title that the user types into a template, with its heading level. It owns one
// paragraph format, the stock paragraph of the Title font, is edited with the Format and Edit
// commands, and other items may be placed under it. Made from a description it always enters the
// table of contents.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptGrpMemberMem.h"
#include "varod9/ISRptTitle.h"

inline constexpr GUID CLSID_SRptTitle = MakeGUID("{A6BAC8F9-B730-11D1-8898-00A02455633B}");

// The paragraph's name.
inline constexpr uint32_t IDS_RPT_TITLE = 5158;

class SRptTitleRegistry;

class SRptTitleMem : public SRptGrpMemberImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptTitleMem(ISRepSession* session) : SRptGrpMemberImpl(session) {}
    SRptTitleMem(const SRptTitleMem& source) = default;

    int16_t m_level = 0;
    SString m_text;
};

class SRptTitleImpl : public SRptTitleMem, public virtual ISRptTitle {
public:
    using Registry = SRptTitleRegistry;

    SRPT_PROPERTIES(SRptTitle)

    // The group member's part, TOCEntry set, then the paragraph at position 0 in the Title font.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // "Title" and the Title font for the paragraph at position 0; the container's answers for any
    // other.
    SString GetParaName(ISRptPara* pPara) override;
    int32_t GetParaFontID(ISRptPara* pPara) const override;
    // Format and Edit.
    HRESULT IsItemSupportCommand(uint32_t nID) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptTitle, SRptTitleMem)

protected:
    explicit SRptTitleImpl(ISRepSession* session) : SRptTitleMem(session) {}
    SRptTitleImpl(const SRptTitleImpl& source) : SRptTitleMem(source) {}

    // Label, " - " and the whole first line of the text.
    SString ComputeLabelInTemplate() override;
    bool IsContainer() override { return true; }
    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
    // A title enters the table of contents through its generated text, not through an entry.
    HRESULT InitTblCtsEntry(RPTTBLCTSENTRY*) override { return S_OK; }
    // The stock paragraph of the Title font on the paragraph at position 0.
    HRESULT SetupParagraphs();

private:
    HRESULT EditText();
};

class SRptTitleRegistry : public SRptStaticRegistry<SRptTitleRegistry> {
public:
    SRptTitleRegistry();
    static const SAttrEditorMap attrEditorMap;
};
