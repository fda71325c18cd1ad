#pragma once
// Writes the attribute tables of the classes that the bindings name, as a C++ source: for each
// class its rows (SRptXMem::attributeRows: the attributes of the metamodel, then its collections),
// its table (SRptXMem::attributeTable) and its registry's definitions (SRptXRegistry: the
// attribute-editor map chained to the base class's, the constructor), and the list of every
// table; and, as a header, the typed get and put of each class's stored attributes that its
// interface half declares (SRPT_PROPERTIES_SRptX, through SRPT_PROPERTIES(SRptX)). The rows are made with
// SRptAttributeAccess inside each class's own definitions, so that they may name its members.
#include <string>

#include "SRptAttributeBindings.h"
#include "SRptMetamodelTable.h"

class SRptAttributeTableWriter {
public:
    // False with a message when the bindings and the metamodel disagree.
    bool Write(const SRptMetamodelTable& model, const SRptAttributeBindings& bindings, std::string& source,
               std::string& properties, std::string& error);

private:
    void WriteClass(const SRptMetamodelTable::Class& c, const SRptAttributeBindings::Class& binding);
    std::string AttributeRow(const std::string& mem, const SRptMetamodelTable::Attribute& a,
                             const SRptAttributeBindings::Attribute* binding) const;
    void WriteProperties(const SRptMetamodelTable::Class& c);
    void WriteRegistry(const SRptMetamodelTable::Class& c, const SRptAttributeBindings::Class& binding);
    std::string BaseTable(const SRptMetamodelTable::Class& c) const;
    // The base class's code name; empty for the root, whose base is the repository's.
    std::string BaseName(const SRptMetamodelTable::Class& c) const;
    void Check(const SRptMetamodelTable::Class& c, const SRptAttributeBindings::Class& binding) const;

    // The default as a C++ expression: "TRUE" true, "TEXT(\"x\")" "x", "" the type's empty value.
    static std::string DefaultExpression(const std::string& value);
    static std::string Hex(uint32_t value);

    const SRptMetamodelTable* m_model = nullptr;
    const SRptAttributeBindings* m_bindings = nullptr;
    std::string m_out;
    std::string m_properties;
};
