#pragma once
// SRptParaHeader: the header paragraph, a paragraph format told apart by its class alone (its
// GUID, interface and registry, and the name its attribute reports carry), so that its container
// and a template file keep what the paragraph formats.
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/paras/SRptParaMem.h"
#include "varod9/ISRptParaHeader.h"

inline constexpr GUID CLSID_SRptParaHeader = MakeGUID("{A6BAC8EB-B730-11D1-8898-00A02455633B}");

class SRptParaHeaderRegistry;

class SRptParaHeaderMem : public SRptParaImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptParaHeaderMem(ISRepSession* session) : SRptParaImpl(session) {}
    SRptParaHeaderMem(const SRptParaHeaderMem& source) : SRptParaImpl(source) {}
};

class SRptParaHeaderImpl : public SRptParaHeaderMem, public virtual ISRptParaHeader {
public:
    using Registry = SRptParaHeaderRegistry;

    SREP_QUERY_CLASS_INTERFACE(ISRptParaHeader, SRptParaHeaderMem)

protected:
    explicit SRptParaHeaderImpl(ISRepSession* session) : SRptParaHeaderMem(session) {}
    SRptParaHeaderImpl(const SRptParaHeaderImpl& source) : SRptParaHeaderMem(source) {}
};

class SRptParaHeaderRegistry : public SRptStaticRegistry<SRptParaHeaderRegistry> {
public:
    SRptParaHeaderRegistry();
    static const SAttrEditorMap attrEditorMap;
};
