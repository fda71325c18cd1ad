#pragma once
// One registered type library: its namespace, name and GUID, the libraries whose classes it names,
// and the metaclasses of its class records in resource order.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/base/SString.h"
#include "platform/com/GUID.h"
#include "platform/repo/SRepMetaClass.h"

class SRepTypeLib {
public:
    SRepTypeLib(SString nameSpace, SString name, const GUID& libraryId);
    SRepTypeLib(const SRepTypeLib&) = delete;
    SRepTypeLib& operator=(const SRepTypeLib&) = delete;

    // The namespace that qualifies the class names ("Rpt" gives "Rpt::SRptPara").
    const SString& GetNamespace() const { return m_namespace; }
    const SString& GetName() const { return m_name; }
    const GUID& GetLibraryId() const { return m_libraryId; }
    std::span<const GUID> GetReferencedLibraries() const { return m_references; }

    int32_t GetClassCount() const { return static_cast<int32_t>(m_classes.size()); }
    const SRepMetaClass& GetClass(int32_t index) const { return *m_classes[static_cast<size_t>(index)]; }

    // The header's words as read, for tools that write the library again.
    uint8_t GetFormatByte() const { return m_formatByte; }
    uint32_t GetHeaderWord(int32_t index) const { return index >= 0 && index < 4 ? m_headerWords[index] : 0; }

private:
    friend class SRepTypeLibReader;
    friend class SRepTypeLibManager;

    SRepMetaClass& AddClass(SRepMetaClass::Record record);
    SRepMetaClass& MutableClass(int32_t index) { return *m_classes[static_cast<size_t>(index)]; }

    SString m_namespace;
    SString m_name;
    GUID m_libraryId;
    uint8_t m_formatByte = 0;
    uint32_t m_headerWords[4] = {0, 0, 0, 0};
    std::vector<GUID> m_references;
    std::vector<std::unique_ptr<SRepMetaClass>> m_classes;
};
