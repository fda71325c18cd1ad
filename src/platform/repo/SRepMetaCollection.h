#pragma once
// A collection of a metaclass: one end of a relationship between classes. The owning end holds
// its elements; the inverse end is the element's view back to its owner, with the owning end's id
// plus 0x00800000.
#include <optional>

#include "platform/com/GUID.h"
#include "platform/repo/SRepMetaMember.h"

class SRepMetaCollection : public SRepMetaMember {
public:
    struct Record {
        SString codeName;
        SString displayName;
        uint32_t id = 0;
        int32_t w = 0;
        uint32_t stringId = 0;
        uint32_t kindWord = 0;
        uint32_t flags = 0;
        uint32_t endWord = 0;
        std::optional<GUID> elementClass;
    };

    explicit SRepMetaCollection(Record record);

    bool IsInverseEnd() const;
    bool IsOwningEnd() const { return !IsInverseEnd(); }
    // The ids of the two ends of the relationship, whichever end this is.
    uint32_t GetOwningId() const;
    uint32_t GetInverseId() const;

    // The class of the elements; GUID_NULL when the record names none.
    bool HasElementClass() const { return m_elementClass.has_value(); }
    const GUID& GetElementClassId() const;

    uint32_t GetKindWord() const { return m_kindWord; }
    uint32_t GetFlagsWord() const { return m_flags; }
    uint32_t GetEndWord() const { return m_endWord; }
    int32_t GetW() const { return m_w; }
    uint32_t GetStringId() const { return m_stringId; }

private:
    int32_t m_w;
    uint32_t m_stringId;
    uint32_t m_kindWord;
    uint32_t m_flags;
    uint32_t m_endWord;
    std::optional<GUID> m_elementClass;
};
