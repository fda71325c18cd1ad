#include "platform/repo/SRepBinReader.h"

#include <algorithm>
#include <cstring>

#include "platform/repo/SRepBinFormat.h"
#include "platform/repo/SRepDocumentBuilder.h"
#include "platform/repo/SRepFormatException.h"
#include "platform/repo/SRepMetaClass.h"
#include "platform/repo/SRepPersistentClass.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "platform/repo/SRepValueCodec.h"

void SRepBinReader::Refuse(const char* message) const {
    Refuse(message, static_cast<uint64_t>(m_in.GetPosition()));
}

void SRepBinReader::Refuse(const char* message, uint64_t offset) {
    throw SRepFormatException(message, offset);
}

void SRepBinReader::Bytes(void* buffer, size_t count) {
    if (m_in.Read(buffer, count) != count) Refuse("Unexpected end of the document");
}

uint32_t SRepBinReader::Word() {
    uint8_t b[4];
    Bytes(b, sizeof b);
    return WordAt(std::string_view(reinterpret_cast<const char*>(b), sizeof b), 0);
}

std::string SRepBinReader::Text() {
    const uint32_t length = Word();
    if (length > SRepBinFormat::kMaxText) Refuse("Text too long");
    return Block(length);
}

std::string SRepBinReader::Block(uint32_t length) {
    constexpr size_t kChunk = size_t{1} << 20;
    std::string block;
    while (block.size() < length) {
        const size_t chunk = std::min(kChunk, length - block.size());
        const size_t at = block.size();
        block.resize(at + chunk);
        Bytes(block.data() + at, chunk);
    }
    return block;
}

uint32_t SRepBinReader::WordAt(std::string_view bytes, size_t pos) {
    uint32_t word = 0;
    for (int i = 0; i < 4; ++i) word |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[pos + i])) << (8 * i);
    return word;
}

void SRepBinReader::ReadSignature(SString& typeName, SString& version, SStringMap& map) {
    char magic[4];
    Bytes(magic, sizeof magic);
    if (std::memcmp(magic, SRepBinFormat::kMagic, sizeof magic) != 0) Refuse("Not a repository document", 0);
    if (Word() != SRepBinFormat::kFormatVersion) Refuse("Unknown form of the document");
    typeName = SString(Text());
    version = SString(Text());
    const uint32_t count = Word();
    if (count > SRepBinFormat::kMaxEntries) Refuse("Too many signature entries");
    for (uint32_t i = 0; i < count; ++i) {
        SString key(Text());
        map.SetAt(key, SString(Text()));
    }
}

void SRepBinReader::ReadBody(SRepDocumentBuilder& builder, SString& bodyName) {
    bodyName = SString(Text());
    const uint32_t count = Word();
    // Every record takes five bytes at least, so the count cannot run on past the input.
    for (uint32_t i = 0; i < count; ++i) ReadObjectRecord(builder);
    char marker[4];
    Bytes(marker, sizeof marker);
    if (std::memcmp(marker, SRepBinFormat::kEndMarker, sizeof marker) != 0) Refuse("The document has no end marker");
}

void SRepBinReader::ReadObjectRecord(SRepDocumentBuilder& builder) {
    uint8_t tag = 0;
    Bytes(&tag, 1);
    if (tag != SRepBinFormat::kObjectTag) Refuse("An object record was expected");
    const uint32_t length = Word();
    const uint64_t base = static_cast<uint64_t>(m_in.GetPosition());
    const std::string body = Block(length);
    ParseObject(body, base, builder);
}

std::string_view SRepBinReader::NextRecord(std::string_view bytes, size_t& pos, uint64_t base, uint8_t& tag) {
    if (bytes.size() - pos < 5) Refuse("Truncated record", base + pos);
    tag = static_cast<uint8_t>(bytes[pos]);
    const uint32_t length = WordAt(bytes, pos + 1);
    if (length > bytes.size() - pos - 5) Refuse("Record longer than what holds it", base + pos);
    std::string_view body = bytes.substr(pos + 5, length);
    pos += 5 + length;
    return body;
}

void SRepBinReader::ParseObject(std::string_view body, uint64_t base, SRepDocumentBuilder& builder) {
    if (body.size() < 16) Refuse("Truncated object record", base);
    uint8_t raw[16];
    std::memcpy(raw, body.data(), sizeof raw);
    SRepTypeLibManager* manager = GetTypeLibManager();
    const SRepMetaClass* metaClass = manager ? manager->FindMetaClass(GUIDFromBytes(raw)) : nullptr;
    // Even an object left out must be well-formed: its records are walked all the same.
    const bool made = builder.BeginObject(metaClass, base);
    if (!made) {
        for (size_t pos = 16; pos < body.size();) {
            uint8_t tag = 0;
            NextRecord(body, pos, base, tag);
        }
        return;
    }
    ParseMembers(body, 16, base, builder);
    builder.EndObject();
}

void SRepBinReader::ParseMembers(std::string_view body, size_t pos, uint64_t base, SRepDocumentBuilder& builder) {
    const SRepMetaClass* metaClass = builder.GetCurrentClass();
    while (pos < body.size()) {
        const uint64_t at = base + pos;
        uint8_t tag = 0;
        const std::string_view record = NextRecord(body, pos, base, tag);
        const uint64_t recordBase = at + 5;
        if (tag == SRepBinFormat::kAttributeTag) {
            if (record.size() < 8) Refuse("Truncated attribute record", at);
            const SRepMetaAttribute* attribute = metaClass->FindAttribute(WordAt(record, 0));
            const uint32_t type = WordAt(record, 4);
            // A value of another type than the current attribute's is one of another version.
            if (!attribute || attribute->IsComputed() || attribute->GetAttributeType() != type ||
                !SRepPersistentClass::IsStorableType(type))
                continue;
            builder.SetAttribute(*attribute, SRepValueCodec::FromBytes(type, record.substr(8), recordBase + 8));
        } else if (tag == SRepBinFormat::kCollectionTag) {
            if (record.size() < 4) Refuse("Truncated collection record", at);
            const SRepMetaCollection* collection = metaClass->FindCollection(WordAt(record, 0));
            if (!collection || collection->IsInverseEnd() || !builder.BeginCollection(*collection)) continue;
            ParseCollection(record.substr(4), recordBase + 4, builder);
            builder.EndCollection();
        } else if (tag == SRepBinFormat::kObjectTag) {
            Refuse("An object outside a collection", at);
        }
        // Records of other tags are of a later form: stepped over.
    }
}

void SRepBinReader::ParseCollection(std::string_view body, uint64_t base, SRepDocumentBuilder& builder) {
    for (size_t pos = 0; pos < body.size();) {
        const uint64_t at = base + pos;
        uint8_t tag = 0;
        const std::string_view record = NextRecord(body, pos, base, tag);
        if (tag != SRepBinFormat::kObjectTag) Refuse("A collection holds objects only", at);
        ParseObject(record, at + 5, builder);
    }
}
