#pragma once
// SRptTable: the abstract base of the module items laid out as rows of cells (the form and the
// list). It owns its rows in Rows, each row its cells in Cells; it has no attribute of its own.
// What it adds is the counting that the output side sizes its tables by, and the hook through
// which a template brings a table into line with the one its module registered. Its paragraphs
// are, by position: 0 its own title, 1 the paragraph of its title cells, 2 that of its other
// cells; a cell finds its paragraph by that layout. Nothing can be dropped into a table.
#include <array>
#include <cstdint>
#include <map>

#include "platform/base/SString.h"
#include "platform/com/SComWrap.h"
#include "rpt/objs/items/SRptCustomMem.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptTable.h"

inline constexpr GUID CLSID_SRptTable = MakeGUID("{A6BAC8F2-B730-11D1-8898-00A02455633B}");

// The table's paragraphs, by position.
inline constexpr int32_t RPTTABLE_PARA_TITLE = 0;
inline constexpr int32_t RPTTABLE_PARA_CELLTITLE = 1;
inline constexpr int32_t RPTTABLE_PARA_CELLTEXT = 2;
inline constexpr int32_t RPTTABLE_PARAGRAPHS = 3;

class SRptTableRegistry;

class SRptTableMem : public SRptCustomImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptTableMem(ISRepSession* session) : SRptCustomImpl(session) {}
    SRptTableMem(const SRptTableMem& source) = default;
};

class SRptTableImpl : public SRptTableMem, public virtual ISRptTable {
public:
    int32_t GetNbMaxCells() override;
    int32_t GetNbHeadingRows() override;
    int32_t GetNbRows() override;
    // A plain table has no label paths of its own to update: S_OK, nothing changed.
    HRESULT UpdateLabelPath(ISRptTable* pRegistered) override;

    // The custom item's part (whatever it answers), then the paragraphs of the title cells
    // (position 1) and of the other cells (position 2); the first failed creation's code.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // The kind's names and report font kinds of the paragraphs at positions 0 to 2; the
    // container's answers for any other position, an empty name without Paragraphs.
    SString GetParaName(ISRptPara* pPara) override;
    int32_t GetParaFontID(ISRptPara* pPara) const override;
    // Format, Layout and Edit.
    HRESULT IsItemSupportCommand(uint32_t nID) override;

    SRepClassColPtr Rows() override { return GetCollection(RPTTABLE_ROWS); }

    SREP_QUERY_CLASS_INTERFACE(ISRptTable, SRptTableMem)

protected:
    using Paragraphs = std::array<SComWrap<ISRptPara>, RPTTABLE_PARAGRAPHS>;
    // Distinct objects by address, each held.
    using ObjectSet = std::map<ISRepObject*, SComWrap<ISRepObject>>;
    // What makes a table a form or a list, as far as the table's own behaviour goes.
    struct SKind {
        std::array<uint32_t, RPTTABLE_PARAGRAPHS> paraNames;  // string ids
        std::array<uint32_t, RPTTABLE_PARAGRAPHS> paraFonts;  // report font kinds
        GUID rowClass;
        GUID cellClass;
        uint32_t cellRecordSize;  // the size word its cell records must carry
        SRptBrowserNodeKind node;
        uint32_t layoutDialogId;
    };

    explicit SRptTableImpl(ISRepSession* session) : SRptTableMem(session) {}
    SRptTableImpl(const SRptTableImpl& source) : SRptTableMem(source) {}

    virtual const SKind& GetKind() const = 0;

    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    // Format (the sheet with the paragraph list), Layout (the kind's grid) and Edit (the title,
    // with fields to insert), with the library made current; S_FALSE for any other command.
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
    // The three paragraphs, each given the stock format of the kind's font for it. The code of a
    // failed look-up; SECOMException(E_POINTER) for a position without a paragraph.
    HRESULT SetupStockParagraphs(Paragraphs& paras);
    // The paragraphs of the cells (positions 1 and 2) in the table, each bordered on the left and
    // boxed.
    static void FrameCellParagraphs(const Paragraphs& paras);
    // The rows of the description's row records, appended to Rows, each with the cells of its cell
    // records. E_INVALIDARG for no description, no row records, no cell records where some are
    // counted, or a record whose size word is not its kind's; the code of a failed creation or
    // construction. What was made before a failure stays.
    HRESULT SetupCells(const RPTUSRITEMDEF* pItemDef);

    static void AddTo(ObjectSet& set, IUnknown* object);
    static bool Contains(const ObjectSet& set, IUnknown* object);
    // Deletes each object of the set once.
    static void DeleteEach(const ObjectSet& set);
    // A copy of `source` in `session`, with what it owns, appended to `into`; nothing when no copy
    // can be made.
    static void AppendCopy(ISRepObject* source, ISRepSession* session, const SRepClassColPtr& into);

private:
    // The rows, through the object's own protocol; a failure or no collection is thrown.
    SRepClassColPtr RowsOrThrow();
    // One row record with its cells.
    HRESULT SetupRow(const RPTTABLEROWDEF& rowDef);
};

class SRptTableRegistry : public SRptStaticRegistry<SRptTableRegistry> {
public:
    SRptTableRegistry();
    static const SAttrEditorMap attrEditorMap;
};
