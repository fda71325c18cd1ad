#pragma once
// SRptGrpTitle: the group whose elements the module supplies through its group title procedures;
// each run of its members is preceded by a title of the module's. Its own attributes are a text
// shown in the editor and the order of the elements: the user's (true) or alphabetical. It owns
// the title paragraph of the custom item, in the Book Title font, is edited with the Format and
// Edit commands, and offers the choice of order when the module's procedures do.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptGroupMem.h"
#include "varod9/ISRptGrpTitle.h"

inline constexpr GUID CLSID_SRptGrpTitle = MakeGUID("{A6BAC8E2-B730-11D1-8898-00A02455633B}");

// The title paragraph's name.
inline constexpr uint32_t IDS_RPT_BOOK_TITLE = 5165;

class SRptGrpTitleRegistry;

class SRptGrpTitleMem : public SRptGroupImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptGrpTitleMem(ISRepSession* session) : SRptGroupImpl(session) {}
    SRptGrpTitleMem(const SRptGrpTitleMem& source) = default;

    SString m_text;
    bool m_userOrder = true;
};

class SRptGrpTitleImpl : public SRptGrpTitleMem, public virtual ISRptGrpTitle {
public:
    using Registry = SRptGrpTitleRegistry;

    SRPT_PROPERTIES(SRptGrpTitle)

    // The group's part, then the title paragraph in the Book Title font.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // "Book Title" and the Book Title font for the paragraph at position 0; the container's
    // answers for any other.
    SString GetParaName(ISRptPara* pPara) override;
    int32_t GetParaFontID(ISRptPara* pPara) const override;
    // Format and Edit; the two orders while the module's procedures let the user choose.
    HRESULT IsItemSupportCommand(uint32_t nID) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptGrpTitle, SRptGrpTitleMem)

protected:
    explicit SRptGrpTitleImpl(ISRepSession* session) : SRptGrpTitleMem(session) {}
    SRptGrpTitleImpl(const SRptGrpTitleImpl& source) : SRptGrpTitleMem(source) {}

    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    // Format opens the format sheet without a paragraph list, Edit the title editor; the two
    // order commands set UserOrder, whether offered or not.
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
    // The stock paragraph of the Book Title font on the title paragraph.
    HRESULT SetupParagraphs();

private:
    // S_OK when the module's group title procedures let the user choose the order, else S_FALSE.
    HRESULT HasUserOrder();
};

class SRptGrpTitleRegistry : public SRptStaticRegistry<SRptGrpTitleRegistry> {
public:
    SRptGrpTitleRegistry();
    static const SAttrEditorMap attrEditorMap;
};
