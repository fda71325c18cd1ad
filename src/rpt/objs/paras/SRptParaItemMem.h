#pragma once
// SRptParaItem: the item paragraph, a paragraph format told apart by its class alone (see
// SRptParaKind.h), so that its container and a template file keep what the paragraph formats.
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/paras/SRptParaKind.h"
#include "varod9/ISRptParaItem.h"

inline constexpr GUID CLSID_SRptParaItem = MakeGUID("{A6BAC8EC-B730-11D1-8898-00A02455633B}");

class SRptParaItemRegistry;

struct SRptParaItemKind {
    static constexpr GUID clsid = CLSID_SRptParaItem;
    static constexpr const char* sourceFile = "RPT\\Objs\\SRptParaItemMem";
    static constexpr const char* className = "SRptParaItemMem";
};

class SRptParaItemMem : public SRptParaKindMem<SRptParaItemKind> {
protected:
    explicit SRptParaItemMem(ISRepSession* session) : SRptParaKindMem(session) {}
    SRptParaItemMem(const SRptParaItemMem& source) : SRptParaKindMem(source) {}
};

class SRptParaItemImpl : public SRptParaItemMem, public virtual ISRptParaItem {
public:
    using Registry = SRptParaItemRegistry;

    SREP_QUERY_CLASS_INTERFACE(ISRptParaItem, SRptParaItemMem)

protected:
    explicit SRptParaItemImpl(ISRepSession* session) : SRptParaItemMem(session) {}
    SRptParaItemImpl(const SRptParaItemImpl& source) : SRptParaItemMem(source) {}
};

class SRptParaItemRegistry : public SRepStaticRegistry<SRptParaItemRegistry> {
public:
    SRptParaItemRegistry();
    static const SAttrEditorMap attrEditorMap;
};
