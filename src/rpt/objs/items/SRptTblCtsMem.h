#pragma once
// SRptTblCts: the table of contents of a generated report. It holds the contents' title (the
// report's own, unless the user wrote one) and how many heading levels the contents list, and owns
// ten paragraph formats: the title's, then one per level, each level indented one step more than
// the one above, with a filled right-aligned tab stop at the right margin for the page numbers.
// It derives from the item directly: it is never a member of a group, and it lists no entry of
// its own.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptItemMem.h"
#include "varod9/ISRptTblCts.h"

inline constexpr GUID CLSID_SRptTblCts = MakeGUID("{A6BAC8F5-B730-11D1-8898-00A02455633B}");

// The title's paragraph, then one paragraph for each of the levels.
inline constexpr int32_t RPT_TBLCTS_LEVELS = 9;
inline constexpr int32_t RPT_TBLCTS_PARAGRAPHS = RPT_TBLCTS_LEVELS + 1;
// How far each level is indented beyond the one above (HIMETRIC).
inline constexpr int16_t RPT_TBLCTS_LEVEL_INDENT = 350;
// The paragraphs' names: the title's, and the first level's (the others follow it).
inline constexpr uint32_t IDS_RPT_TOC_TITLE = 5147;
inline constexpr uint32_t IDS_RPT_TOC_LEVEL_1 = 5246;
// The title of a new table of contents.
inline constexpr uint32_t IDS_RPT_TABLE_OF_CONTENTS = 5509;
inline constexpr const char* RPT_TBLCTS_DEFAULT_TITLE = "Table of contents";
inline constexpr int32_t RPT_TBLCTS_DEFAULT_LEVELS = 3;
// The kind of item whose title the report gives for a table of contents.
inline constexpr uint32_t RPT_TBLCTS_ITEM_TYPE = 0;

class SRptTblCtsRegistry;

class SRptTblCtsMem : public SRptItemImpl {
public:
    SRPT_ATTRIBUTE_TABLE

    // The computed attributes, which the interface half answers.
    virtual SString GetDispTitle() = 0;
    virtual SString GetExDefTitle() = 0;

protected:
    explicit SRptTblCtsMem(ISRepSession* session) : SRptItemImpl(session) {}
    SRptTblCtsMem(const SRptTblCtsMem& source) = default;

    SString m_title = RPT_TBLCTS_DEFAULT_TITLE;
    int32_t m_nbParagraphs = RPT_TBLCTS_DEFAULT_LEVELS;
    bool m_userDefined = false;
};

class SRptTblCtsImpl : public SRptTblCtsMem, public virtual ISRptTblCts {
public:
    using Registry = SRptTblCtsRegistry;

    SRPT_PROPERTIES(SRptTblCts)

    SString GetDispTitle() override;
    SString GetExDefTitle() override;

    // The item's part, the title from the string table, then the ten paragraphs set up.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // "TOC Title", "Level 1" ... "Level 9" and the contents' font kinds by position; the
    // container's answers for any other.
    SString GetParaName(ISRptPara* pPara) override;
    int32_t GetParaFontID(ISRptPara* pPara) const override;
    // Format and Edit.
    HRESULT IsItemSupportCommand(uint32_t nID) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptTblCts, SRptTblCtsMem)

protected:
    explicit SRptTblCtsImpl(ISRepSession* session) : SRptTblCtsMem(session) {}
    SRptTblCtsImpl(const SRptTblCtsImpl& source) : SRptTblCtsMem(source) {}

    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    // Format opens the levels format dialog, Edit the title editor.
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
    // A table of contents never lists itself.
    HRESULT InitTblCtsEntry(RPTTBLCTSENTRY*) override { return S_OK; }
    // The stock paragraphs of the contents' fonts, the levels' indents, and their tab stop at the
    // right margin of the library's printer.
    HRESULT SetupParagraphs();

private:
    HRESULT EditTitle();
};

class SRptTblCtsRegistry : public SRptStaticRegistry<SRptTblCtsRegistry> {
public:
    SRptTblCtsRegistry();
    static const SAttrEditorMap attrEditorMap;
};
