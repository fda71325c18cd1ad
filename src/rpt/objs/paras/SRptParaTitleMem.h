#pragma once
// SRptParaTitle: the title paragraph, a paragraph format told apart by its class alone (see
// SRptParaKind.h), so that its container and a template file keep what the paragraph formats.
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/paras/SRptParaKind.h"
#include "varod9/ISRptParaTitle.h"

inline constexpr GUID CLSID_SRptParaTitle = MakeGUID("{A6BAC8ED-B730-11D1-8898-00A02455633B}");

class SRptParaTitleRegistry;

struct SRptParaTitleKind {
    static constexpr GUID clsid = CLSID_SRptParaTitle;
    static constexpr const char* sourceFile = "RPT\\Objs\\SRptParaTitleMem";
    static constexpr const char* className = "SRptParaTitleMem";
};

class SRptParaTitleMem : public SRptParaKindMem<SRptParaTitleKind> {
protected:
    explicit SRptParaTitleMem(ISRepSession* session) : SRptParaKindMem(session) {}
    SRptParaTitleMem(const SRptParaTitleMem& source) : SRptParaKindMem(source) {}
};

class SRptParaTitleImpl : public SRptParaTitleMem, public virtual ISRptParaTitle {
public:
    using Registry = SRptParaTitleRegistry;

    SREP_QUERY_CLASS_INTERFACE(ISRptParaTitle, SRptParaTitleMem)

protected:
    explicit SRptParaTitleImpl(ISRepSession* session) : SRptParaTitleMem(session) {}
    SRptParaTitleImpl(const SRptParaTitleImpl& source) : SRptParaTitleMem(source) {}
};

class SRptParaTitleRegistry : public SRepStaticRegistry<SRptParaTitleRegistry> {
public:
    SRptParaTitleRegistry();
    static const SAttrEditorMap attrEditorMap;
};
