#pragma once
// SRptParaItem: the item paragraph, a paragraph format told apart by its class alone (its GUID,
// interface and registry, and the name its attribute reports carry), so that its container and a
// template file keep what the paragraph formats.
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/paras/SRptParaMem.h"
#include "varod9/ISRptParaItem.h"

inline constexpr GUID CLSID_SRptParaItem = MakeGUID("{A6BAC8EC-B730-11D1-8898-00A02455633B}");

class SRptParaItemRegistry;

class SRptParaItemMem : public SRptParaImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptParaItemMem(ISRepSession* session) : SRptParaImpl(session) {}
    SRptParaItemMem(const SRptParaItemMem& source) : SRptParaImpl(source) {}
};

class SRptParaItemImpl : public SRptParaItemMem, public virtual ISRptParaItem {
public:
    using Registry = SRptParaItemRegistry;

    SREP_QUERY_CLASS_INTERFACE(ISRptParaItem, SRptParaItemMem)

protected:
    explicit SRptParaItemImpl(ISRepSession* session) : SRptParaItemMem(session) {}
    SRptParaItemImpl(const SRptParaItemImpl& source) : SRptParaItemMem(source) {}
};

class SRptParaItemRegistry : public SRptStaticRegistry<SRptParaItemRegistry> {
public:
    SRptParaItemRegistry();
    static const SAttrEditorMap attrEditorMap;
};
