#pragma once
// Lays out the records of a type library byte by byte, for the tools and tests that make one:
// the header, class records, the member records that follow their class (attributes, collections,
// methods with their parameters), and the trailer. The caller writes them in the order of the
// format and keeps the counts right (the class count of the header, each class's member count,
// each method's parameter count). Header-only, like the format's constants, so that a host tool
// can use it without linking the library.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/com/GUID.h"
#include "platform/repo/SRepTypeLibFormat.h"

class SRepTypeLibWriter {
public:
    struct Header {
        std::string_view nameSpace;  // "Rpt"
        std::string_view name;
        GUID libraryId;
        uint8_t formatByte = 3;
        uint32_t headerWords[4] = {0, 0, 0, 0};
        std::span<const GUID> references;
    };
    struct Class {
        std::string_view codeName;
        std::string_view displayName;
        uint32_t flags = 0;
        GUID classId;
        uint32_t index = 0;
        uint32_t stringId = 0;
        std::string_view baseName;  // "Rpt::SRptBase"; empty: no base
        GUID baseClassId;
    };
    struct Attribute {
        std::string_view codeName;
        std::string_view displayName;
        uint32_t id = 0;
        int32_t w = 0;
        uint32_t stringId = 0;
        uint32_t typeWord = 0;  // type code in bits 24-31, CHAR length in bits 8-23
        uint32_t flags = 0;
        std::string_view defaultValue;
    };
    struct Collection {
        std::string_view codeName;
        std::string_view displayName;
        uint32_t id = 0;
        int32_t w = 0;
        uint32_t stringId = 0;
        uint32_t kindWord = 0;
        uint32_t flags = 0;  // with kCollectionHasElementClass, elementClassId follows
        uint32_t endWord = 0;
        GUID elementClassId;
    };
    struct Method {
        std::string_view codeName;
        std::string_view displayName;
        uint32_t id = 0;
        uint32_t returnTypeWord = 0;
        uint32_t kind = 0;
        std::string_view returnTypeText;
        std::string_view returnName;
    };
    struct Parameter {
        std::string_view name;
        bool out = false;  // else an input
        std::string_view typeText;
    };

    void WriteHeader(const Header& header, uint32_t classCount) {
        U32(SRepTypeLibFormat::kMagic);
        for (uint32_t i = 0; i < SRepTypeLibFormat::kReservedHeaderBytes; ++i) U8(0);
        U8(header.formatByte);
        String(header.nameSpace);
        String(header.name);
        Guid(header.libraryId);
        for (uint32_t word : header.headerWords) U32(word);
        U32(static_cast<uint32_t>(header.references.size()));
        for (const GUID& reference : header.references) Guid(reference);
        U32(classCount);
    }

    void WriteClass(const Class& c, uint32_t memberCount) {
        Head(SRepTypeLibFormat::kClassRecord, c.codeName, c.displayName);
        U32(c.flags);
        Guid(c.classId);
        U32(c.index);
        U32(c.stringId);
        U32(0);
        U32(c.baseName.empty() ? 0 : 1);
        if (!c.baseName.empty()) {
            String(c.baseName);
            Guid(c.baseClassId);
        }
        U32(memberCount);
    }

    void WriteAttribute(const Attribute& a) {
        Head(SRepTypeLibFormat::kAttributeRecord, a.codeName, a.displayName);
        U32(a.id);
        U32(static_cast<uint32_t>(a.w));
        U32(a.stringId);
        U32(0);
        U32(a.typeWord);
        U32(a.flags);
        U32(0);
        U8(0);
        String(a.defaultValue);
    }

    void WriteCollection(const Collection& c) {
        Head(SRepTypeLibFormat::kCollectionRecord, c.codeName, c.displayName);
        U32(c.id);
        U32(static_cast<uint32_t>(c.w));
        U32(c.stringId);
        U32(0);
        U32(c.kindWord);
        U32(c.flags);
        U32(c.endWord);
        U8(0);  // reserved, two bytes
        U8(0);
        U32(SRepTypeLibFormat::kCollectionTerminator);
        if (c.flags & SRepTypeLibFormat::kCollectionHasElementClass) Guid(c.elementClassId);
    }

    void WriteMethod(const Method& m, uint32_t parameterCount) {
        Head(SRepTypeLibFormat::kMethodRecord, m.codeName, m.displayName);
        U32(m.id);
        U32(1);  // method words 1, 0, 0
        U32(0);
        U32(0);
        U32(m.returnTypeWord);
        U32(m.kind);
        U8(0);
        String(m.returnTypeText);
        String(m.returnName);
        U32(parameterCount);
    }

    // A parameter has no mark byte and no display name after its kind.
    void WriteParameter(const Parameter& p) {
        Guid(SRepTypeLibFormat::kParameterRecord);
        String(p.name);
        U32(0);
        U8(p.out ? 0 : 1);
        U8(p.out ? 1 : 0);
        String(p.typeText);
        U8(1);  // closing bytes
        U8(0);
    }

    void WriteTrailer() { U32(0); }

    const std::vector<uint8_t>& GetBytes() const { return m_bytes; }
    std::vector<uint8_t> TakeBytes() { return std::move(m_bytes); }

private:
    void Head(const GUID& kind, std::string_view codeName, std::string_view displayName) {
        Guid(kind);
        U8(SRepTypeLibFormat::kNamedRecordMark);
        String(codeName);
        String(displayName);
    }
    void U8(uint8_t value) { m_bytes.push_back(value); }
    void U32(uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) U8(static_cast<uint8_t>(value >> shift));
    }
    void Guid(const GUID& guid) {
        uint8_t bytes[16];
        GUIDToBytes(guid, bytes);
        m_bytes.insert(m_bytes.end(), bytes, bytes + 16);
    }
    // One length byte counts the text and its terminating 0.
    void String(std::string_view text) {
        if (text.size() > 254) throw std::length_error("type library text longer than 254 bytes");
        U8(static_cast<uint8_t>(text.size() + 1));
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        U8(0);
    }

    std::vector<uint8_t> m_bytes;
};
