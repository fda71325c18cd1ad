#pragma once
// SRptList: a table whose lines the module supplies at generation. The cells of its first row are
// its columns, identified by their CellID; when Sorted, the columns marked sorted give the sort
// keys. Its paragraphs are the list's title, its column headers (centred) and its texts, in the
// list fonts; a box may be drawn around every paragraph but its title. The module may offer to
// show all its objects or only the modified ones (DisplayFlag).
#include <cstdint>

#include "platform/repo/SRepComObject.h"
#include "rpt/objs/tables/SRptTableMem.h"
#include "varod9/ISRptList.h"

inline constexpr GUID CLSID_SRptList = MakeGUID("{A6BAC8E4-B730-11D1-8898-00A02455633B}");

// The paragraphs' names.
inline constexpr uint32_t IDS_RPT_LIST_TITLE = 5274;
inline constexpr uint32_t IDS_RPT_LIST_COLUMN_HEADER = 5180;
inline constexpr uint32_t IDS_RPT_LIST_TEXT = 5275;

class SRptListRegistry;

class SRptListMem : public SRptTableImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptListMem(ISRepSession* session) : SRptTableImpl(session) {}
    SRptListMem(const SRptListMem& source) = default;

    bool m_sorted = false;
};

class SRptListImpl : public SRptListMem, public virtual ISRptList {
public:
    using Registry = SRptListRegistry;

    SRPT_PROPERTIES(SRptList)

    // The table's part (whatever it answers), Sorted when the description carries it, the
    // paragraphs' formats, then the rows and cells of the description: E_INVALIDARG without row
    // records or for a record that is no list's.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // S_FALSE (no box) for the title paragraph, S_OK for every other position.
    HRESULT IsParaSupportBox(int32_t nPos) noexcept override;
    // Format, Layout and Edit; the display commands when the module's list procedures offer them.
    HRESULT IsItemSupportCommand(uint32_t nID) override;
    // Brings the columns (the cells of the first row) into line with the registered list's, by
    // CellID: a column found there takes its path, one that is not is deleted, and the registered
    // columns that no column matched are copied in at the end (when the list has a session).
    // E_FAIL for no registered list, or when either has no first list row.
    HRESULT UpdateLabelPath(ISRptTable* pRegistered) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptList, SRptListMem)

protected:
    explicit SRptListImpl(ISRepSession* session) : SRptListMem(session) {}
    SRptListImpl(const SRptListImpl& source) : SRptListMem(source) {}

    // "List Title", "List Column Header", "List Text" in the list fonts; list rows of list cells
    // from records of 48 bytes; the list's node and its list layout grid.
    const SKind& GetKind() const override;
    // The table's commands, and the display of all or only the modified objects.
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
    // The stock paragraphs of the list fonts; headers centred; headers and texts in the table,
    // bordered and boxed.
    HRESULT SetupParagraphs();
};

class SRptListRegistry : public SRptStaticRegistry<SRptListRegistry> {
public:
    SRptListRegistry();
    static const SAttrEditorMap attrEditorMap;
};
