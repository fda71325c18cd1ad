#pragma once
// SRptParaFooter: the footer paragraph, a paragraph format told apart by its class alone (see
// SRptParaKind.h), so that its container and a template file keep what the paragraph formats.
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/paras/SRptParaKind.h"
#include "varod9/ISRptParaFooter.h"

inline constexpr GUID CLSID_SRptParaFooter = MakeGUID("{A6BAC8EA-B730-11D1-8898-00A02455633B}");

class SRptParaFooterRegistry;

struct SRptParaFooterKind {
    static constexpr GUID clsid = CLSID_SRptParaFooter;
    static constexpr const char* sourceFile = "RPT\\Objs\\SRptParaFooterMem";
    static constexpr const char* className = "SRptParaFooterMem";
};

class SRptParaFooterMem : public SRptParaKindMem<SRptParaFooterKind> {
protected:
    explicit SRptParaFooterMem(ISRepSession* session) : SRptParaKindMem(session) {}
    SRptParaFooterMem(const SRptParaFooterMem& source) : SRptParaKindMem(source) {}
};

class SRptParaFooterImpl : public SRptParaFooterMem, public virtual ISRptParaFooter {
public:
    using Registry = SRptParaFooterRegistry;

    SREP_QUERY_CLASS_INTERFACE(ISRptParaFooter, SRptParaFooterMem)

protected:
    explicit SRptParaFooterImpl(ISRepSession* session) : SRptParaFooterMem(session) {}
    SRptParaFooterImpl(const SRptParaFooterImpl& source) : SRptParaFooterMem(source) {}
};

class SRptParaFooterRegistry : public SRepStaticRegistry<SRptParaFooterRegistry> {
public:
    SRptParaFooterRegistry();
    static const SAttrEditorMap attrEditorMap;
};
