#pragma once
// SRptForm: a table laid out as a card. Its rows are form rows, identified by the CellID of their
// keyword cells; the other cells carry the row's texts and title paths. Its paragraphs are the
// card's title, its labels (the title cells) and its texts, in the form fonts, each kept with the
// next; a box may be drawn only around the labels, whose box the texts follow.
#include <cstdint>

#include "platform/repo/SRepComObject.h"
#include "rpt/objs/tables/SRptTableMem.h"
#include "varod9/ISRptForm.h"

inline constexpr GUID CLSID_SRptForm = MakeGUID("{A6BAC8D7-B730-11D1-8898-00A02455633B}");

// The paragraphs' names.
inline constexpr uint32_t IDS_RPT_CARD_TITLE = 5276;
inline constexpr uint32_t IDS_RPT_CARD_LABEL = 5179;
inline constexpr uint32_t IDS_RPT_CARD_TEXT = 5277;

class SRptFormRegistry;

class SRptFormMem : public SRptTableImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptFormMem(ISRepSession* session) : SRptTableImpl(session) {}
    SRptFormMem(const SRptFormMem& source) = default;
};

class SRptFormImpl : public SRptFormMem, public virtual ISRptForm {
public:
    using Registry = SRptFormRegistry;

    // The table's part (whatever it answers), the paragraphs' formats, then the rows and cells of
    // the description: E_INVALIDARG without row records or for a record that is no form's.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // S_OK (a box) for the label paragraph, S_FALSE for every other position.
    HRESULT IsParaSupportBox(int32_t nPos) noexcept override;
    // Brings the rows into line with the registered form's, row by row through the keys of their
    // keyword cells: a row whose keys are all registered takes the registered path into its last
    // plain cell, a row with a key that is not is deleted, and the registered rows whose key no
    // row has are copied in at the end (when the form has a session). E_FAIL for no registered
    // form or a form without rows.
    HRESULT UpdateLabelPath(ISRptTable* pRegistered) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptForm, SRptFormMem)

protected:
    explicit SRptFormImpl(ISRepSession* session) : SRptFormMem(session) {}
    SRptFormImpl(const SRptFormImpl& source) : SRptFormMem(source) {}

    // "Card Title", "Card Label", "Card Text" in the form fonts; form rows of form cells from
    // records of 44 bytes; the form's node and its card layout grid.
    const SKind& GetKind() const override;
    // The stock paragraphs of the form fonts, each kept with the next; labels and texts in the
    // table, bordered and boxed.
    HRESULT SetupParagraphs();
};

class SRptFormRegistry : public SRptStaticRegistry<SRptFormRegistry> {
public:
    SRptFormRegistry();
    static const SAttrEditorMap attrEditorMap;
};
