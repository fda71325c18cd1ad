#include "SRptMetadataWriter.h"

#include <stdexcept>

#include "platform/repo/SRepTypeLibFormat.h"
#include "platform/repo/SRepTypeLibWriter.h"

namespace {
// The fields that attribute and collection records share, under the same names in the table.
template <class Record, class Member>
Record MemberRecord(const Member& m) {
    Record record;
    record.codeName = m.codeName;
    record.displayName = m.displayName;
    record.id = m.id;
    record.w = m.w;
    record.stringId = m.stringId;
    record.flags = m.flags;
    return record;
}
}  // namespace

bool SRptMetadataWriter::Write(const SRptMetamodelTable& table, std::vector<uint8_t>& bytes, std::string& error) {
    SRepTypeLibWriter writer;
    try {
        SRepTypeLibWriter::Header header;
        header.nameSpace = table.nameSpace;
        header.name = table.libraryName;
        header.libraryId = table.libraryId;
        header.formatByte = table.formatByte;
        for (int i = 0; i < 4; ++i) header.headerWords[i] = table.headerWords[i];
        header.references = table.references;
        writer.WriteHeader(header, static_cast<uint32_t>(table.classes.size()));
        for (const SRptMetamodelTable::Class& c : table.classes) WriteClass(writer, c);
        writer.WriteTrailer();
    } catch (const std::length_error& e) {
        error = e.what();
        return false;
    }
    bytes = writer.TakeBytes();
    return true;
}

void SRptMetadataWriter::WriteClass(SRepTypeLibWriter& writer, const SRptMetamodelTable::Class& c) {
    // The table gives every class its base.
    const SRepTypeLibWriter::Class record{.codeName = c.codeName,
                                          .displayName = c.displayName,
                                          .flags = c.flags,
                                          .classId = c.classId,
                                          .index = c.index,
                                          .stringId = c.stringId,
                                          .baseName = c.baseName,
                                          .baseClassId = c.baseClassId};
    writer.WriteClass(record, static_cast<uint32_t>(c.attributes.size() + c.collections.size() + c.methods.size()));
    // The metamodel order: computed attributes, stored attributes, collections, methods.
    for (const auto& a : c.attributes)
        if (a.flags & SRepTypeLibFormat::kAttributeComputed) WriteAttribute(writer, a);
    for (const auto& a : c.attributes)
        if (!(a.flags & SRepTypeLibFormat::kAttributeComputed)) WriteAttribute(writer, a);
    for (const auto& col : c.collections) WriteCollection(writer, col);
    for (const auto& m : c.methods) WriteMethod(writer, m);
}

void SRptMetadataWriter::WriteAttribute(SRepTypeLibWriter& writer, const SRptMetamodelTable::Attribute& a) {
    auto record = MemberRecord<SRepTypeLibWriter::Attribute>(a);
    record.typeWord = a.typeWord;
    record.defaultValue = a.defaultValue;
    writer.WriteAttribute(record);
}

// The table has checked that the element-class flag is set exactly when an element class is
// named, so the writer's choice by flag writes the GUID for the same collections.
void SRptMetadataWriter::WriteCollection(SRepTypeLibWriter& writer, const SRptMetamodelTable::Collection& c) {
    auto record = MemberRecord<SRepTypeLibWriter::Collection>(c);
    record.kindWord = c.kindWord;
    record.endWord = c.endWord;
    record.elementClassId = c.elementClassId;
    writer.WriteCollection(record);
}

void SRptMetadataWriter::WriteMethod(SRepTypeLibWriter& writer, const SRptMetamodelTable::Method& m) {
    const SRepTypeLibWriter::Method record{.codeName = m.codeName,
                                           .displayName = m.displayName,
                                           .id = m.id,
                                           .returnTypeWord = m.returnTypeWord,
                                           .kind = m.kind,
                                           .returnTypeText = m.returnTypeText,
                                           .returnName = m.returnName};
    writer.WriteMethod(record, static_cast<uint32_t>(m.parameters.size()));
    for (const auto& p : m.parameters) writer.WriteParameter({.name = p.name, .out = p.out, .typeText = p.typeText});
}
