#pragma once
// The document types of a load/save manager, in the order they were registered: the position is
// the type's index. A type has a name (the signature's type name, empty for a type that has
// none), a description and a file pattern for the file dialogs, a fourth text and its data flags.
#include <cstdint>
#include <vector>

#include "platform/base/SString.h"

struct SRepTypeRecord {
    SString typeName;
    SString description;
    SString pattern;  // "*.rtp"
    SString extra;
    uint32_t flags = 0;
};

class SRepTypesArray {
public:
    // Appends a type; its index.
    int32_t Add(const SString& typeName, const SString& description, const SString& pattern, const SString& extra,
                uint32_t flags);
    int32_t GetCount() const { return static_cast<int32_t>(m_types.size()); }
    // The type of an index; throws SECOMException (E_INVALIDARG) outside the table.
    const SRepTypeRecord& operator[](int32_t index) const;

    // The index of the type whose name a signature gave (exact comparison), or -1. Only types
    // with a name take part: a signature always names its type.
    int32_t FindSignature(const SString& typeName) const;
    // The index of the type of that name, empty names included, or -1.
    int32_t FindTypeName(const SString& typeName) const;

private:
    std::vector<SRepTypeRecord> m_types;
};
