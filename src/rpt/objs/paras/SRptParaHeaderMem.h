#pragma once
// SRptParaHeader: the header paragraph, a paragraph format told apart by its class alone (see
// SRptParaKind.h), so that its container and a template file keep what the paragraph formats.
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/paras/SRptParaKind.h"
#include "varod9/ISRptParaHeader.h"

inline constexpr GUID CLSID_SRptParaHeader = MakeGUID("{A6BAC8EB-B730-11D1-8898-00A02455633B}");

class SRptParaHeaderRegistry;

struct SRptParaHeaderKind {
    static constexpr GUID clsid = CLSID_SRptParaHeader;
    static constexpr const char* sourceFile = "RPT\\Objs\\SRptParaHeaderMem";
    static constexpr const char* className = "SRptParaHeaderMem";
};

class SRptParaHeaderMem : public SRptParaKindMem<SRptParaHeaderKind> {
protected:
    explicit SRptParaHeaderMem(ISRepSession* session) : SRptParaKindMem(session) {}
    SRptParaHeaderMem(const SRptParaHeaderMem& source) : SRptParaKindMem(source) {}
};

class SRptParaHeaderImpl : public SRptParaHeaderMem, public virtual ISRptParaHeader {
public:
    using Registry = SRptParaHeaderRegistry;

    SREP_QUERY_CLASS_INTERFACE(ISRptParaHeader, SRptParaHeaderMem)

protected:
    explicit SRptParaHeaderImpl(ISRepSession* session) : SRptParaHeaderMem(session) {}
    SRptParaHeaderImpl(const SRptParaHeaderImpl& source) : SRptParaHeaderMem(source) {}
};

class SRptParaHeaderRegistry : public SRepStaticRegistry<SRptParaHeaderRegistry> {
public:
    SRptParaHeaderRegistry();
    static const SAttrEditorMap attrEditorMap;
};
