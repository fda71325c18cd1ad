#pragma once
// The element-name table of one older file version: the element names ("o:", "a:", "c:") that
// files of that version used, bound to the current metamodel. A reader of such a file looks a
// name up here first and then among the current names. The document type's load/save manager
// fills it for the version the file records.
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/base/SString.h"
#include "platform/repo/SRepMetaDTDClass.h"

class SRepMetaDTD {
public:
    SRepMetaDTD() = default;
    SRepMetaDTD(const SRepMetaDTD&) = delete;
    SRepMetaDTD& operator=(const SRepMetaDTD&) = delete;
    virtual ~SRepMetaDTD() = default;

    // A new class entry for the metaclass under the element name ("o:..."); the two words are
    // the framework's and carry nothing here. Null for a null metaclass; a name entered already
    // answers its first entry.
    virtual SRepMetaDTDClass* AddClass(const SRepMetaClass* metaClass, const SString& elementName, int32_t, int32_t);

    // The entry of an element name, or of a current metaclass (its first entry); null when none.
    const SRepMetaDTDClass* FindClass(const SString& elementName) const;
    const SRepMetaDTDClass* FindClassOf(const SRepMetaClass* metaClass) const;
    int32_t GetClassCount() const { return static_cast<int32_t>(m_classes.size()); }
    bool IsEmpty() const { return m_classes.empty(); }

private:
    std::vector<std::unique_ptr<SRepMetaDTDClass>> m_classes;
    std::map<SString, SRepMetaDTDClass*> m_byName;
    std::map<const SRepMetaClass*, SRepMetaDTDClass*> m_byClass;
};
