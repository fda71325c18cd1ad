#pragma once
// SRptTable: the abstract base of the module items laid out as rows of cells (the form and the
// list). It owns its rows in Rows, each row its cells in Cells; it has no attribute of its own.
// What it adds is the counting that the output side sizes its tables by, and the hook through
// which a template brings a table into line with the one its module registered. Its paragraphs
// are, by position: 0 its own title, 1 the paragraph of its title cells, 2 that of its other
// cells; a cell finds its paragraph by that layout. Nothing can be dropped into a table.
#include <cstdint>

#include "rpt/objs/items/SRptCustomMem.h"
#include "varod9/ISRptTable.h"

inline constexpr GUID CLSID_SRptTable = MakeGUID("{A6BAC8F2-B730-11D1-8898-00A02455633B}");

// The table's paragraphs, by position.
inline constexpr int32_t RPTTABLE_PARA_TITLE = 0;
inline constexpr int32_t RPTTABLE_PARA_CELLTITLE = 1;
inline constexpr int32_t RPTTABLE_PARA_CELLTEXT = 2;

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

    SRepClassColPtr Rows() override { return GetCollection(RPTTABLE_ROWS); }

    SREP_QUERY_CLASS_INTERFACE(ISRptTable, SRptTableMem)

protected:
    explicit SRptTableImpl(ISRepSession* session) : SRptTableMem(session) {}
    SRptTableImpl(const SRptTableImpl& source) : SRptTableMem(source) {}

private:
    // The rows, through the object's own protocol; a failure or no collection is thrown.
    SRepClassColPtr RowsOrThrow();
};

class SRptTableRegistry : public SRptStaticRegistry<SRptTableRegistry> {
public:
    SRptTableRegistry();
    static const SAttrEditorMap attrEditorMap;
};
