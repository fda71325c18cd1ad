#pragma once
// An attribute of a metaclass: its id, value type, flags and default-value expression. The report
// classes answer GetAttributeType and GetAttributeFlags with the words of this record shifted
// right by 8 bits.
#include "platform/repo/SRepMetaMember.h"

class SRepMetaAttribute : public SRepMetaMember {
public:
    struct Record {
        SString codeName;
        SString displayName;
        uint32_t id = 0;
        int32_t w = 0;
        uint32_t stringId = 0;
        uint32_t typeWord = 0;
        uint32_t flags = 0;
        SString defaultValue;
        // The value is a reference to another object. The resource's type word cannot say so:
        // only the framework's own classes, built in code, declare such attributes.
        bool objectReference = false;
    };

    explicit SRepMetaAttribute(Record record);

    // The words as the resource holds them: type code in bits 24-31, CHAR length in bits 8-23.
    uint32_t GetTypeWord() const { return m_typeWord; }
    uint32_t GetFlagsWord() const { return m_flags; }
    // As the report classes answer them: CHAR(254) 0x000900FE, TEXT 0x000A0000, flags 0x421 ...;
    // bit 31 set for an object reference (0x80030000).
    uint32_t GetAttributeType() const;
    uint32_t GetAttributeFlags() const { return m_flags >> 8; }
    // The type code alone (0x02 SHORT, 0x03 INT, 0x04 BOOL, 0x09 CHAR, 0x0A TEXT ...).
    uint32_t GetTypeCode() const { return m_typeWord >> 24; }
    // Computed attributes have no stored value: the class's get operation produces it.
    bool IsComputed() const;

    int32_t GetW() const { return m_w; }
    uint32_t GetStringId() const { return m_stringId; }
    // Source text of the default value ("0", "TRUE", "RPT_PARA_ALIGN_LEFT"); empty when none.
    const SString& GetDefaultValue() const { return m_default; }

private:
    int32_t m_w;
    uint32_t m_stringId;
    uint32_t m_typeWord;
    uint32_t m_flags;
    SString m_default;
    bool m_objectReference;
};
