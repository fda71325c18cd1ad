// Build-time tool: reads the metamodel table and writes a C++ source holding the bytes of the
// METADATA resource, for SRptResources to install in the library's module state; given the
// attribute bindings too, it writes the report classes' attribute tables.
//   usage: varod9_metadata_generator RptMetamodel.txt SRptMetadata.cpp
//              [RptAttributeBindings.txt SRptAttributeTables.cpp SRptAttributeProperties.h]
#include <cstdio>
#include <fstream>
#include <sstream>

#include "SRptAttributeBindings.h"
#include "SRptAttributeTableWriter.h"
#include "SRptMetadataWriter.h"
#include "SRptMetamodelTable.h"

namespace {
std::string SourceText(const std::vector<uint8_t>& bytes) {
    std::ostringstream out;
    out << "// Generated from RptMetamodel.txt by varod9_metadata_generator. Do not edit.\n"
        << "#include \"rpt/resources/SRptMetadata.h\"\n\n"
        << "namespace {\n"
        << "const uint8_t kMetadata[" << bytes.size() << "] = {";
    char hex[8];
    for (size_t i = 0; i < bytes.size(); ++i) {
        out << (i % 16 == 0 ? "\n    " : " ");
        std::snprintf(hex, sizeof hex, "0x%02X,", bytes[i]);
        out << hex;
    }
    out << "\n};\n}  // namespace\n\n"
        << "const uint8_t* SRptMetadata::GetData() {\n    return kMetadata;\n}\n\n"
        << "uint32_t SRptMetadata::GetSize() {\n    return static_cast<uint32_t>(sizeof kMetadata);\n}\n";
    return out.str();
}

// Writes beside the target and renames, so that a failed run never leaves half a source.
bool WriteSource(const std::string& output, const std::string& text) {
    const std::string temporary = output + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) {
            std::fprintf(stderr, "%s: cannot write\n", temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), output.c_str()) != 0) {
        std::fprintf(stderr, "%s: cannot rename to %s\n", temporary.c_str(), output.c_str());
        return false;
    }
    return true;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 6) {
        std::fprintf(stderr,
                     "usage: %s <metamodel table> <output .cpp> [<attribute bindings> <output .cpp> <output .h>]\n",
                     argv[0]);
        return 2;
    }
    SRptMetamodelTable table;
    std::string error;
    std::vector<uint8_t> bytes;
    if (!table.Load(argv[1], error) || !SRptMetadataWriter().Write(table, bytes, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    if (!WriteSource(argv[2], SourceText(bytes))) return 1;
    if (argc == 3) return 0;
    SRptAttributeBindings bindings;
    std::string tables, properties;
    if (!bindings.Load(argv[3], error) ||
        !SRptAttributeTableWriter().Write(table, bindings, tables, properties, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return WriteSource(argv[4], tables) && WriteSource(argv[5], properties) ? 0 : 1;
}
