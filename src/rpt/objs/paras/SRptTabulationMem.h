#pragma once
// SRptTabulation: one tab stop of a paragraph, its position (HIMETRIC) and alignment. The
// paragraph owns its stops in its Tabs collection and keeps them sorted (SRptParaImpl).
#include <cstdint>

#include "platform/repo/SRepComObject.h"
#include "rpt/objs/SRptBaseMem.h"
#include "varod9/ISRptTabulation.h"
#include "varod9/RptTabPos.h"

inline constexpr GUID CLSID_SRptTabulation = MakeGUID("{A6BAC8FA-B730-11D1-8898-00A02455633B}");

class SRptTabulationRegistry;

class SRptTabulationMem : public SRptBaseImpl {
public:
    SRPT_ATTRIBUTE_TABLE

    // The computed ParentPara, which the interface half answers.
    virtual SComWrap<ISRepObject> GetParentPara() = 0;

protected:
    explicit SRptTabulationMem(ISRepSession* session) : SRptBaseImpl(session) {}
    SRptTabulationMem(const SRptTabulationMem& source) = default;

    int32_t m_position = 0;
    int32_t m_alignment = RPT_TABPOS_ALIGNMENT_DEFAULT;
};

class SRptTabulationImpl : public SRptTabulationMem, public virtual ISRptTabulation {
public:
    using Registry = SRptTabulationRegistry;

    SRPT_PROPERTIES(SRptTabulation)
    // Always empty: the owner is reached through ParaFromTabPos.
    SComWrap<ISRepObject> GetParentPara() override { return {}; }
    SRepClassColPtr ParaFromTabPos() override { return GetCollection(RPTTAB_PARAFROMTABPOS); }

    SREP_QUERY_CLASS_INTERFACE(ISRptTabulation, SRptTabulationMem)

protected:
    explicit SRptTabulationImpl(ISRepSession* session) : SRptTabulationMem(session) {}
    SRptTabulationImpl(const SRptTabulationImpl& source) : SRptTabulationMem(source) {}
};

class SRptTabulationRegistry : public SRptStaticRegistry<SRptTabulationRegistry> {
public:
    SRptTabulationRegistry();
    static const SAttrEditorMap attrEditorMap;
};
