#include "rpt/legacy/SRptLegacyDtdFiller.h"

#include <cstring>

#include "platform/repo/SRepMetaClass.h"
#include "platform/repo/SRepMetaDTD.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "varod9/RptLegacyDtd.h"

HRESULT SRptLegacyDtdFiller::Fill(const RPTDTDVERSION& version, SRepMetaDTD* dtd) {
    if (!dtd) return E_INVALIDARG;
    if (!m_manager) return E_FAIL;
    bool classMissing = false;
    bool collectionMissing = false;
    bool attributeMissing = false;
    for (uint16_t c = 0; c < version.classCount; ++c) {
        const RPTDTDCLASS& block = version.classes[c];
        const SRepMetaClass* metaClass = FindMetaClass(block.clsid);
        if (!metaClass) {
            // Without its class none of the class's names can be bound.
            classMissing = true;
            continue;
        }
        SRepMetaDTDClass* entry = dtd->AddClass(metaClass, SString(block.name), 0, 1);
        if (!entry) return E_OUTOFMEMORY;
        for (uint16_t a = 0; a < block.attributeCount; ++a) {
            const RPTDTDENTRY& name = block.attributes[a];
            if (const SRepMetaAttribute* attribute = FindAttribute(metaClass, name.id))
                entry->BindAttribute(attribute, SString(name.name));
            else
                attributeMissing = true;
        }
        for (uint16_t k = 0; k < block.collectionCount; ++k) {
            const RPTDTDENTRY& name = block.collections[k];
            if (const SRepMetaCollection* collection = FindCollection(metaClass, name.id))
                entry->BindCollection(collection, SString(name.name));
            else
                collectionMissing = true;
        }
    }
    if (classMissing) return RPT_DTD_CLASS_MISSING;
    if (collectionMissing) return RPT_DTD_COLLECTION_MISSING;
    if (attributeMissing) return RPT_DTD_ATTRIBUTE_MISSING;
    return S_OK;
}

const SRepMetaClass* SRptLegacyDtdFiller::FindMetaClass(const GUID& classId) const {
    const SRepMetaClass* metaClass = nullptr;
    if (FAILED(m_manager->FindMetaClass(classId, &metaClass))) return nullptr;
    return metaClass;
}

const SRepMetaAttribute* SRptLegacyDtdFiller::FindAttribute(const SRepMetaClass* metaClass, uint32_t id) const {
    return metaClass->FindAttribute(id);
}

const SRepMetaCollection* SRptLegacyDtdFiller::FindCollection(const SRepMetaClass* metaClass, uint32_t id) const {
    return metaClass->FindCollection(id);
}

HRESULT SRptLegacyDtdFiller::FillVersion(const char* version, SRepMetaDTD* dtd) {
    if (!dtd) return E_INVALIDARG;
    int32_t count = 0;
    const RPTDTDVERSION* versions = SRptLegacyNameTables::GetVersions(&count);
    for (int32_t i = 0; i < count; ++i) {
        if (std::strcmp(versions[i].version, version) == 0)
            return SRptLegacyDtdFiller(GetTypeLibManager()).Fill(versions[i], dtd);
    }
    return E_INVALIDARG;
}
