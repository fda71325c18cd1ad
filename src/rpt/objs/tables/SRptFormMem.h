#pragma once
// SRptForm: a table laid out as a card. Its rows are form rows, identified by the CellID of their
// keyword cells; the other cells carry the row's texts and title paths. A box may be drawn only
// around its label paragraph (position 1), whose box the text paragraph (position 2) follows.
#include <cstdint>

#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptPendingItemKind.h"
#include "rpt/objs/tables/SRptTableMem.h"
#include "varod9/ISRptForm.h"

inline constexpr GUID CLSID_SRptForm = MakeGUID("{A6BAC8D7-B730-11D1-8898-00A02455633B}");

class SRptFormRegistry;

class SRptFormMem : public SRptTableImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptFormMem(ISRepSession* session) : SRptTableImpl(session) {}
    SRptFormMem(const SRptFormMem& source) = default;
};

class SRptFormImpl : public SRptPendingItemKind<SRptFormMem>, public virtual ISRptForm {
public:
    using Registry = SRptFormRegistry;

    // S_OK (a box) for the label paragraph, S_FALSE for every other position.
    HRESULT IsParaSupportBox(int32_t nPos) noexcept override;
    // E_FAIL for no registered form; bringing the rows into line is not there yet: E_NOTIMPL,
    // nothing changed.
    HRESULT UpdateLabelPath(ISRptTable* pRegistered) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptForm, SRptFormMem)

protected:
    explicit SRptFormImpl(ISRepSession* session) : SRptPendingItemKind(session) {}
    SRptFormImpl(const SRptFormImpl& source) : SRptPendingItemKind(source) {}
};

class SRptFormRegistry : public SRptStaticRegistry<SRptFormRegistry> {
public:
    SRptFormRegistry();
    static const SAttrEditorMap attrEditorMap;
};
