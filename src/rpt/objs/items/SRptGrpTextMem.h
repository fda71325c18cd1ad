#pragma once
// SRptGrpText: a module item whose text elements the module supplies at generation through its
// group text procedures, one node each, under a title paragraph of their own. No container: it
// has no members. Its own attribute says whether an empty text is shown. It owns two paragraphs,
// the custom item's title in the Group Text Title font and the text's in the Group Text Item
// font, and is edited with the Format (with the list of its paragraphs) and Edit commands.
#include <cstdint>

#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptCustomMem.h"
#include "varod9/ISRptGrpText.h"

inline constexpr GUID CLSID_SRptGrpText = MakeGUID("{A6BAC8E1-B730-11D1-8898-00A02455633B}");

// The paragraphs' names: the title's and the text's.
inline constexpr uint32_t IDS_RPT_GRPTEXT_TITLE = 5192;
inline constexpr uint32_t IDS_RPT_GRPTEXT_TEXT = 5154;

class SRptGrpTextRegistry;

class SRptGrpTextMem : public SRptCustomImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptGrpTextMem(ISRepSession* session) : SRptCustomImpl(session) {}
    SRptGrpTextMem(const SRptGrpTextMem& source) = default;

    bool m_displayIfEmpty = false;
};

class SRptGrpTextImpl : public SRptGrpTextMem, public virtual ISRptGrpText {
public:
    using Registry = SRptGrpTextRegistry;

    SRPT_PROPERTIES(SRptGrpText)

    // The custom item's part, then the text paragraph at position 1, then both paragraphs in
    // their fonts.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // "Text Attribute Title" and "Text Attribute", with their fonts, for the paragraphs at
    // positions 0 and 1; the container's answers for any other.
    SString GetParaName(ISRptPara* pPara) override;
    int32_t GetParaFontID(ISRptPara* pPara) const override;
    // Format and Edit.
    HRESULT IsItemSupportCommand(uint32_t nID) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptGrpText, SRptGrpTextMem)

protected:
    explicit SRptGrpTextImpl(ISRepSession* session) : SRptGrpTextMem(session) {}
    SRptGrpTextImpl(const SRptGrpTextImpl& source) : SRptGrpTextMem(source) {}

    bool IsContainer() override { return false; }
    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    // Format opens the format sheet with the list of the paragraphs, Edit the title editor.
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
    // The stock paragraphs of the group text's fonts on the title and the text paragraphs.
    HRESULT SetupParagraphs();
};

class SRptGrpTextRegistry : public SRptStaticRegistry<SRptGrpTextRegistry> {
public:
    SRptGrpTextRegistry();
    static const SAttrEditorMap attrEditorMap;
};
