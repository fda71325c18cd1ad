#pragma once
// Lays the metamodel table out as the bytes of a type library: the header, each class record
// followed by its members (computed attributes, stored attributes, collections, methods with
// their parameters), and the trailer.
#include <cstdint>
#include <string>
#include <vector>

#include "SRptMetamodelTable.h"

class SRptMetadataWriter {
public:
    // False with a message when a value does not fit its field.
    bool Write(const SRptMetamodelTable& table, std::vector<uint8_t>& bytes, std::string& error);

private:
    void WriteClass(const SRptMetamodelTable::Class& c);
    void WriteAttribute(const SRptMetamodelTable::Attribute& a);
    void WriteCollection(const SRptMetamodelTable::Collection& c);
    void WriteMethod(const SRptMetamodelTable::Method& m);
    void WriteParameter(const SRptMetamodelTable::Parameter& p);
    void WriteHead(const GUID& kind, const std::string& codeName, const std::string& displayName);

    void U8(uint8_t value) { m_bytes.push_back(value); }
    void U16(uint16_t value);
    void U32(uint32_t value);
    void Guid(const GUID& guid);
    void String(const std::string& text);

    std::vector<uint8_t> m_bytes;
};
