#pragma once
// SRptParaTitle: the title paragraph, a paragraph format told apart by its class alone (its GUID,
// interface and registry, and the name its attribute reports carry), so that its container and a
// template file keep what the paragraph formats.
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/paras/SRptParaMem.h"
#include "varod9/ISRptParaTitle.h"

inline constexpr GUID CLSID_SRptParaTitle = MakeGUID("{A6BAC8ED-B730-11D1-8898-00A02455633B}");

class SRptParaTitleRegistry;

class SRptParaTitleMem : public SRptParaImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptParaTitleMem(ISRepSession* session) : SRptParaImpl(session) {}
    SRptParaTitleMem(const SRptParaTitleMem& source) : SRptParaImpl(source) {}
};

class SRptParaTitleImpl : public SRptParaTitleMem, public virtual ISRptParaTitle {
public:
    using Registry = SRptParaTitleRegistry;

    SREP_QUERY_CLASS_INTERFACE(ISRptParaTitle, SRptParaTitleMem)

protected:
    explicit SRptParaTitleImpl(ISRepSession* session) : SRptParaTitleMem(session) {}
    SRptParaTitleImpl(const SRptParaTitleImpl& source) : SRptParaTitleMem(source) {}
};

class SRptParaTitleRegistry : public SRptStaticRegistry<SRptParaTitleRegistry> {
public:
    SRptParaTitleRegistry();
    static const SAttrEditorMap attrEditorMap;
};
