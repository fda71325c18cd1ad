#pragma once
// Lays the metamodel table out as the bytes of a type library: the header, each class record
// followed by its members (computed attributes, stored attributes, collections, methods with
// their parameters), and the trailer. The records themselves are written by the type-library
// writer that the tests and benchmarks use too, so that there is one layout of the format.
#include <cstdint>
#include <string>
#include <vector>

#include "SRptMetamodelTable.h"

class SRepTypeLibWriter;

class SRptMetadataWriter {
public:
    // False with a message when a value does not fit its field.
    bool Write(const SRptMetamodelTable& table, std::vector<uint8_t>& bytes, std::string& error);

private:
    static void WriteClass(SRepTypeLibWriter& writer, const SRptMetamodelTable::Class& c);
    static void WriteAttribute(SRepTypeLibWriter& writer, const SRptMetamodelTable::Attribute& a);
    static void WriteCollection(SRepTypeLibWriter& writer, const SRptMetamodelTable::Collection& c);
    static void WriteMethod(SRepTypeLibWriter& writer, const SRptMetamodelTable::Method& m);
};
