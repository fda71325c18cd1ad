#pragma once
// SRptText: a free text that the user types into a template. It owns one paragraph format, the
// stock paragraph of the Text font, and is edited with the Format and Edit commands. In a
// template it is labelled with the first line of its text, cut at 35 characters.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptGrpMemberMem.h"
#include "varod9/ISRptText.h"

inline constexpr GUID CLSID_SRptText = MakeGUID("{A6BAC8F7-B730-11D1-8898-00A02455633B}");

// The paragraph's name.
inline constexpr uint32_t IDS_RPT_FREE_TEXT = 5157;
// How much of the text's first line the label shows.
inline constexpr int32_t RPT_TEXT_LABEL_CHARS = 35;

class SRptTextRegistry;

class SRptTextMem : public SRptGrpMemberImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptTextMem(ISRepSession* session) : SRptGrpMemberImpl(session) {}
    SRptTextMem(const SRptTextMem& source) = default;

    SString m_text;
};

class SRptTextImpl : public SRptTextMem, public virtual ISRptText {
public:
    using Registry = SRptTextRegistry;

    SRPT_PROPERTIES(SRptText)

    // The group member's part, then the paragraph at position 0 in the Text font.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // "Free Text" and the Text font for the paragraph at position 0; the container's answers for
    // any other.
    SString GetParaName(ISRptPara* pPara) override;
    int32_t GetParaFontID(ISRptPara* pPara) const override;
    // Format and Edit.
    HRESULT IsItemSupportCommand(uint32_t nID) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptText, SRptTextMem)

protected:
    explicit SRptTextImpl(ISRepSession* session) : SRptTextMem(session) {}
    SRptTextImpl(const SRptTextImpl& source) : SRptTextMem(source) {}

    SString ComputeLabelInTemplate() override;
    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
    // A free text enters the table of contents through its generated text, not through an entry.
    HRESULT InitTblCtsEntry(RPTTBLCTSENTRY*) override { return S_OK; }
    // The stock paragraph of the Text font on the paragraph at position 0.
    HRESULT SetupParagraphs();

private:
    HRESULT EditText();
};

class SRptTextRegistry : public SRptStaticRegistry<SRptTextRegistry> {
public:
    SRptTextRegistry();
    static const SAttrEditorMap attrEditorMap;
};
