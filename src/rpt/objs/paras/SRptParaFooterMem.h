#pragma once
// SRptParaFooter: the footer paragraph, a paragraph format told apart by its class alone (its
// GUID, interface and registry, and the name its attribute reports carry), so that its container
// and a template file keep what the paragraph formats.
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/paras/SRptParaMem.h"
#include "varod9/ISRptParaFooter.h"

inline constexpr GUID CLSID_SRptParaFooter = MakeGUID("{A6BAC8EA-B730-11D1-8898-00A02455633B}");

class SRptParaFooterRegistry;

class SRptParaFooterMem : public SRptParaImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptParaFooterMem(ISRepSession* session) : SRptParaImpl(session) {}
    SRptParaFooterMem(const SRptParaFooterMem& source) : SRptParaImpl(source) {}
};

class SRptParaFooterImpl : public SRptParaFooterMem, public virtual ISRptParaFooter {
public:
    using Registry = SRptParaFooterRegistry;

    SREP_QUERY_CLASS_INTERFACE(ISRptParaFooter, SRptParaFooterMem)

protected:
    explicit SRptParaFooterImpl(ISRepSession* session) : SRptParaFooterMem(session) {}
    SRptParaFooterImpl(const SRptParaFooterImpl& source) : SRptParaFooterMem(source) {}
};

class SRptParaFooterRegistry : public SRptStaticRegistry<SRptParaFooterRegistry> {
public:
    SRptParaFooterRegistry();
    static const SAttrEditorMap attrEditorMap;
};
