#pragma once
// SRptFolder: the group whose elements the module supplies through its folder procedures; each
// run of its members is preceded by a text of the module's. Its own attributes are a text shown
// in the editor and a limit on how deep recursive folders go (-1: none).
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptPendingItemKind.h"
#include "rpt/objs/items/SRptGroupMem.h"
#include "varod9/ISRptFolder.h"

inline constexpr GUID CLSID_SRptFolder = MakeGUID("{A6BAC8D6-B730-11D1-8898-00A02455633B}");

class SRptFolderRegistry;

class SRptFolderMem : public SRptGroupImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptFolderMem(ISRepSession* session) : SRptGroupImpl(session) {}
    SRptFolderMem(const SRptFolderMem& source) = default;

    SString m_text;
    int32_t m_nbMaxLevels = -1;
};

class SRptFolderImpl : public SRptPendingItemKind<SRptFolderMem>, public virtual ISRptFolder {
public:
    using Registry = SRptFolderRegistry;

    SRPT_PROPERTIES(SRptFolder)

    SREP_QUERY_CLASS_INTERFACE(ISRptFolder, SRptFolderMem)

protected:
    explicit SRptFolderImpl(ISRepSession* session) : SRptPendingItemKind(session) {}
    SRptFolderImpl(const SRptFolderImpl& source) : SRptPendingItemKind(source) {}
};

class SRptFolderRegistry : public SRptStaticRegistry<SRptFolderRegistry> {
public:
    SRptFolderRegistry();
    static const SAttrEditorMap attrEditorMap;
};
