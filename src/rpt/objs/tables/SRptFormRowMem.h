#pragma once
// SRptFormRow: a row of a form, whose cells are form cells. Its fields (RowFields) are the display
// names of its cells that are not keyword cells, joined by ";", and its name is the same text;
// both are computed on every read.
#include "platform/base/SString.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/tables/SRptTableRowMem.h"
#include "varod9/ISRptFormRow.h"

inline constexpr GUID CLSID_SRptFormRow = MakeGUID("{A6BAC8D9-B730-11D1-8898-00A02455633B}");

class SRptFormRowRegistry;

class SRptFormRowMem : public SRptTableRowImpl {
public:
    SRPT_ATTRIBUTE_TABLE

    // The computed attributes, which the interface half answers.
    virtual SString GetDispName() = 0;
    virtual SString GetRowFields() = 0;

protected:
    explicit SRptFormRowMem(ISRepSession* session) : SRptTableRowImpl(session) {}
    SRptFormRowMem(const SRptFormRowMem& source) = default;
};

class SRptFormRowImpl : public SRptFormRowMem, public virtual ISRptFormRow {
public:
    using Registry = SRptFormRowRegistry;

    SString GetDispName() override { return GetRowFields(); }
    SString GetRowFields() override;

    // The table row's construction, whose S_FALSE for no description is no failure here: S_OK.
    HRESULT ConstructWithRowDef(const RPTTABLEROWDEF* pRowDef) noexcept override;

    SREP_QUERY_CLASS_INTERFACE(ISRptFormRow, SRptFormRowMem)

protected:
    explicit SRptFormRowImpl(ISRepSession* session) : SRptFormRowMem(session) {}
    SRptFormRowImpl(const SRptFormRowImpl& source) : SRptFormRowMem(source) {}
};

class SRptFormRowRegistry : public SRptStaticRegistry<SRptFormRowRegistry> {
public:
    SRptFormRowRegistry();
    static const SAttrEditorMap attrEditorMap;
};
