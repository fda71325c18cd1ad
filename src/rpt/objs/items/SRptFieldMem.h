#pragma once
// SRptField: a text variable that a host module registers (the model's name, its author ...), so
// that report texts, headers and footers can show a value only the module knows. The field
// carries a fixed value, or hands the question to the module's value provider.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/SRptBaseMem.h"
#include "varod9/ISRptField.h"
#include "varod9/ISRptFieldProcs.h"

inline constexpr GUID CLSID_SRptField = MakeGUID("{A6BAC8D4-B730-11D1-8898-00A02455633B}");

class SRptFieldRegistry;

class SRptFieldMem : public SRptBaseImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptFieldMem(ISRepSession* session) : SRptBaseImpl(session) {}
    SRptFieldMem(const SRptFieldMem& source) = default;

    SString m_moduleID;
    SString m_fieldName;
    SString m_descr;
    SString m_value;
    int32_t m_presenceFlag = 0;
};

class SRptFieldImpl : public SRptFieldMem, public virtual ISRptField {
public:
    using Registry = SRptFieldRegistry;

    SRPT_PROPERTIES(SRptField)

    HRESULT ConstructWithFieldDef(const RPTFIELDDEF* pFieldDef) noexcept override;
    HRESULT GetFieldVal(ISRptReport* pReport, ISRptGenerationClient* pGenerationClient,
                        SString& sOut) noexcept override;

    SREP_QUERY_CLASS_INTERFACE(ISRptField, SRptFieldMem)

protected:
    explicit SRptFieldImpl(ISRepSession* session) : SRptFieldMem(session) {}
    // A copy has no value provider: it answers with its fixed value.
    SRptFieldImpl(const SRptFieldImpl& source) : SRptFieldMem(source) {}

private:
    SComWrap<ISRptFieldProcs> m_fieldProcs;
};

class SRptFieldRegistry : public SRptStaticRegistry<SRptFieldRegistry> {
public:
    SRptFieldRegistry();
    static const SAttrEditorMap attrEditorMap;
};
