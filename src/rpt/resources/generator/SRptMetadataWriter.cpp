#include "SRptMetadataWriter.h"

#include <stdexcept>

#include "platform/repo/SRepTypeLibFormat.h"

bool SRptMetadataWriter::Write(const SRptMetamodelTable& table, std::vector<uint8_t>& bytes, std::string& error) {
    m_bytes.clear();
    try {
        U32(SRepTypeLibFormat::kMagic);
        for (uint32_t i = 0; i < SRepTypeLibFormat::kReservedHeaderBytes; ++i) U8(0);
        U8(table.formatByte);
        String(table.nameSpace);
        String(table.libraryName);
        Guid(table.libraryId);
        for (uint32_t word : table.headerWords) U32(word);
        U32(static_cast<uint32_t>(table.references.size()));
        for (const GUID& reference : table.references) Guid(reference);
        U32(static_cast<uint32_t>(table.classes.size()));
        for (const SRptMetamodelTable::Class& c : table.classes) WriteClass(c);
        U32(0);
    } catch (const std::length_error& e) {
        error = e.what();
        return false;
    }
    bytes = std::move(m_bytes);
    return true;
}

void SRptMetadataWriter::WriteClass(const SRptMetamodelTable::Class& c) {
    WriteHead(SRepTypeLibFormat::kClassRecord, c.codeName, c.displayName);
    U32(c.flags);
    Guid(c.classId);
    U32(c.index);
    U32(c.stringId);
    U32(0);
    U32(1);  // one base
    String(c.baseName);
    Guid(c.baseClassId);
    U32(static_cast<uint32_t>(c.attributes.size() + c.collections.size() + c.methods.size()));
    // The metamodel order: computed attributes, stored attributes, collections, methods.
    for (const auto& a : c.attributes)
        if (a.flags & SRepTypeLibFormat::kAttributeComputed) WriteAttribute(a);
    for (const auto& a : c.attributes)
        if (!(a.flags & SRepTypeLibFormat::kAttributeComputed)) WriteAttribute(a);
    for (const auto& col : c.collections) WriteCollection(col);
    for (const auto& m : c.methods) WriteMethod(m);
}

void SRptMetadataWriter::WriteAttribute(const SRptMetamodelTable::Attribute& a) {
    WriteHead(SRepTypeLibFormat::kAttributeRecord, a.codeName, a.displayName);
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

void SRptMetadataWriter::WriteCollection(const SRptMetamodelTable::Collection& c) {
    WriteHead(SRepTypeLibFormat::kCollectionRecord, c.codeName, c.displayName);
    U32(c.id);
    U32(static_cast<uint32_t>(c.w));
    U32(c.stringId);
    U32(0);
    U32(c.kindWord);
    U32(c.flags);
    U32(c.endWord);
    U16(0);
    U32(SRepTypeLibFormat::kCollectionTerminator);
    if (!c.elementClass.empty()) Guid(c.elementClassId);
}

void SRptMetadataWriter::WriteMethod(const SRptMetamodelTable::Method& m) {
    WriteHead(SRepTypeLibFormat::kMethodRecord, m.codeName, m.displayName);
    U32(m.id);
    U32(1);  // method words 1, 0, 0
    U32(0);
    U32(0);
    U32(m.returnTypeWord);
    U32(m.kind);
    U8(0);
    String(m.returnTypeText);
    String(m.returnName);
    U32(static_cast<uint32_t>(m.parameters.size()));
    for (const auto& p : m.parameters) WriteParameter(p);
}

void SRptMetadataWriter::WriteParameter(const SRptMetamodelTable::Parameter& p) {
    Guid(SRepTypeLibFormat::kParameterRecord);
    String(p.name);
    U32(0);
    U8(p.out ? 0 : 1);
    U8(p.out ? 1 : 0);
    String(p.typeText);
    U8(1);  // closing bytes
    U8(0);
}

void SRptMetadataWriter::WriteHead(const GUID& kind, const std::string& codeName, const std::string& displayName) {
    Guid(kind);
    U8(SRepTypeLibFormat::kNamedRecordMark);
    String(codeName);
    String(displayName);
}

void SRptMetadataWriter::U16(uint16_t value) {
    U8(static_cast<uint8_t>(value));
    U8(static_cast<uint8_t>(value >> 8));
}

void SRptMetadataWriter::U32(uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) U8(static_cast<uint8_t>(value >> shift));
}

void SRptMetadataWriter::Guid(const GUID& guid) {
    uint8_t bytes[16];
    GUIDToBytes(guid, bytes);
    m_bytes.insert(m_bytes.end(), bytes, bytes + 16);
}

void SRptMetadataWriter::String(const std::string& text) {
    // One length byte counts the text and its terminating 0.
    if (text.size() > 254) throw std::length_error("text longer than 254 bytes: " + text.substr(0, 40));
    U8(static_cast<uint8_t>(text.size() + 1));
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
    U8(0);
}
