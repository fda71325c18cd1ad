#pragma once
// Fills an element-name table from the names of one older file version. The look-ups of current classes and members are overridable
// so that the filling can be watched against a metamodel of one's choice.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/GUID.h"
#include "platform/com/HRESULT.h"
#include "rpt/legacy/SRptLegacyNameTables.h"

class SRepMetaAttribute;
class SRepMetaClass;
class SRepMetaCollection;
class SRepMetaDTD;
class SRepTypeLibManager;

class SRptLegacyDtdFiller {
public:
    // The manager may be null: filling then fails with E_FAIL.
    explicit SRptLegacyDtdFiller(const SRepTypeLibManager* manager) : m_manager(manager) {}
    virtual ~SRptLegacyDtdFiller() = default;

    // Enters every class of `version` whose current class is found, and under it every name
    // whose id the current class (or one of its bases) carries; the result codes of the fillers.
    HRESULT Fill(const RPTDTDVERSION& version, SRepMetaDTD* dtd);

    // The table of a version ("7.0.0" ...), filled against the process's type-library manager.
    static HRESULT FillVersion(const char* version, SRepMetaDTD* dtd);

protected:
    virtual const SRepMetaClass* FindMetaClass(const GUID& classId) const;
    virtual const SRepMetaAttribute* FindAttribute(const SRepMetaClass* metaClass, uint32_t id) const;
    virtual const SRepMetaCollection* FindCollection(const SRepMetaClass* metaClass, uint32_t id) const;

private:
    const SRepTypeLibManager* m_manager;
};
