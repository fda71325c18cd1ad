#pragma once
// SRptTableCell: one cell of a table row, as the host module declared a field or column: the
// module's string id and default text, the text loaded for it, the module's own id of the field,
// the width (positive: fixed; negative: percent of what the fixed cells leave; 0: none), keyword
// and title switches, three layout words and whether it is shown (a new cell is not). Its name is
// computed: the title that the report gives for its title path (ResPath), else its default text.
// It owns no paragraph: its table's paragraph 1 formats title cells, paragraph 2 the others.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/SRptBaseMem.h"
#include "varod9/ISRptTableCell.h"

inline constexpr GUID CLSID_SRptTableCell = MakeGUID("{A6BAC8F3-B730-11D1-8898-00A02455633B}");

class SRptTableCellRegistry;

class SRptTableCellMem : public SRptBaseImpl {
public:
    SRPT_ATTRIBUTE_TABLE

    // The computed attributes, which the interface half answers; the attribute protocol writes
    // the path as the put does, so that an unchanged path is announced no more than by the put,
    // but what SetResPath throws goes on to the protocol's catch ladder, which reports it (the
    // interface's put turns it into its code).
    virtual SString GetDispName() = 0;
    virtual SString GetResPath() = 0;
    HRESULT PutResPath(const SString& value) { return SetResPath(value); }
    virtual HRESULT SetResPath(const SString& value) = 0;

protected:
    explicit SRptTableCellMem(ISRepSession* session) : SRptBaseImpl(session) {}
    SRptTableCellMem(const SRptTableCellMem& source) = default;

    int32_t m_cellResID = 0;
    SString m_defaultText;
    SString m_textFromRes;
    int32_t m_cellID = 0;
    int16_t m_width = 0;
    bool m_keyword = false;
    bool m_title = false;
    int16_t m_vertAlign = RPTTABLECELL_VALIGN_DEFAULT;
    int16_t m_border = RPTTABLECELL_BORDER_DEFAULT;
    int16_t m_borderWidth = RPTTABLECELL_BORDERWIDTH_DEFAULT;
    bool m_enabled = false;
};

class SRptTableCellImpl : public SRptTableCellMem, public virtual ISRptTableCell {
public:
    using Registry = SRptTableCellRegistry;

    SRPT_PROPERTIES(SRptTableCell)

    SString GetDispName() override;
    SString GetResPath() override { return m_resPath; }
    HRESULT PutResPath(const SString& value) noexcept override;
    HRESULT SetResPath(const SString& value) override;

    HRESULT GetRow(ISRptTableRow** pTableRow) override;
    HRESULT GetPara(ISRptPara** pPara) override;
    // The cell's attributes from the record, each through its put (the path announced as its put
    // does), then the text of CellResID from the module's resources, DefaultText when they have
    // none; S_FALSE and nothing changed for null.
    HRESULT ConstructWithCellDef(const RPTTABLECELLDEF* pCellDef, HINSTANCE hResInst) noexcept override;

    SRepClassColPtr RowFromCell() override { return GetCollection(RPTTABLECELL_ROWFROMCELL); }

    SREP_QUERY_CLASS_INTERFACE(ISRptTableCell, SRptTableCellMem)

protected:
    explicit SRptTableCellImpl(ISRepSession* session) : SRptTableCellMem(session) {}
    // A copy keeps the title path.
    SRptTableCellImpl(const SRptTableCellImpl& source) : SRptTableCellMem(source), m_resPath(source.m_resPath) {}

private:
    // The title that the report of the cell's template gives for a path; empty when the cell is
    // in no row, table, template or report.
    SString TitleFromReport(const SString& path);

    SString m_resPath;
};

class SRptTableCellRegistry : public SRptStaticRegistry<SRptTableCellRegistry> {
public:
    SRptTableCellRegistry();
    static const SAttrEditorMap attrEditorMap;
};
