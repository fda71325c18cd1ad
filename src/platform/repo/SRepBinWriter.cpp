#include "platform/repo/SRepBinWriter.h"

#include "platform/com/SComThrow.h"
#include "platform/repo/SRepBinFormat.h"
#include "platform/repo/SRepMetaClass.h"
#include "platform/repo/SRepValueCodec.h"

void SRepBinWriter::PutWord(std::string& out, uint32_t word) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((word >> (8 * i)) & 0xFF));
}

void SRepBinWriter::PutText(std::string& out, const std::string& text) {
    // What the reader would refuse is not written either.
    if (text.size() > SRepBinFormat::kMaxText) SComThrow(E_INVALIDARG);
    PutWord(out, static_cast<uint32_t>(text.size()));
    out += text;
}

void SRepBinWriter::Begin(uint8_t tag) {
    m_bytes.push_back(static_cast<char>(tag));
    m_open.push_back(m_bytes.size());
    PutWord(m_bytes, 0);
}

void SRepBinWriter::End() {
    const size_t at = m_open.back();
    m_open.pop_back();
    const size_t length = m_bytes.size() - at - 4;
    if (length > SRepBinFormat::kMaxRecord) SComThrow(E_INVALIDARG);
    std::string word;
    PutWord(word, static_cast<uint32_t>(length));
    m_bytes.replace(at, 4, word);
}

void SRepBinWriter::BeginObject(const SRepMetaClass& metaClass) {
    Begin(SRepBinFormat::kObjectTag);
    uint8_t raw[16];
    GUIDToBytes(metaClass.GetClassId(), raw);
    m_bytes.append(reinterpret_cast<const char*>(raw), sizeof raw);
}

void SRepBinWriter::Attribute(const SRepMetaAttribute& attribute, uint32_t type, const SRepVariant& value) {
    Begin(SRepBinFormat::kAttributeTag);
    PutWord(m_bytes, attribute.GetId());
    PutWord(m_bytes, type);
    m_bytes += SRepValueCodec::ToBytes(type, value);
    End();
}

void SRepBinWriter::BeginCollection(const SRepMetaCollection& collection) {
    Begin(SRepBinFormat::kCollectionTag);
    PutWord(m_bytes, collection.GetId());
}

void SRepBinWriter::EndCollection(const SRepMetaCollection&) {
    End();
}

void SRepBinWriter::EndObject(const SRepMetaClass&) {
    End();
}
