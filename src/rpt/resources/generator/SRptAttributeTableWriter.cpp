#include "SRptAttributeTableWriter.h"

#include <cstdio>
#include <stdexcept>

#include "platform/repo/SRepTypeLibFormat.h"

namespace {

// A binding that the metamodel contradicts.
struct BindingError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Attribute flags: the attribute cannot be written.
constexpr uint32_t kAttributeReadOnly = 0x100;

// The type codes that a table can read and write (OID SHORT INT BOOL DATE CHAR TEXT POINT RECT).
bool IsSupportedType(uint32_t typeWord) {
    switch (typeWord >> 24) {
        case 0x01:
        case 0x02:
        case 0x03:
        case 0x04:
        case 0x08:
        case 0x09:
        case 0x0A:
        case 0x0E:
        case 0x0F: return true;
        default: return false;
    }
}

bool IsComputed(const SRptMetamodelTable::Attribute& a) {
    return (a.flags & SRepTypeLibFormat::kAttributeComputed) != 0;
}

bool IsTextType(uint32_t typeWord) {
    return (typeWord >> 24) == 0x09 || (typeWord >> 24) == 0x0A;
}

std::string ScopeOf(const std::string& qualified) {
    const size_t scope = qualified.find(SRepTypeLibFormat::kScopeSeparator);
    return scope == std::string::npos ? std::string() : qualified.substr(0, scope);
}

std::string UnqualifiedName(const std::string& qualified) {
    const size_t scope = qualified.find(SRepTypeLibFormat::kScopeSeparator);
    const std::string separator = SRepTypeLibFormat::kScopeSeparator;
    return scope == std::string::npos ? qualified : qualified.substr(scope + separator.size());
}

}  // namespace

bool SRptAttributeTableWriter::Write(const SRptMetamodelTable& model, const SRptAttributeBindings& bindings,
                                     std::string& source, std::string& properties, std::string& error) {
    m_model = &model;
    m_bindings = &bindings;
    m_out = "// Generated from RptMetamodel.txt and RptAttributeBindings.txt by varod9_metadata_generator.\n"
            "// Do not edit.\n"
            "#include \"rpt/objs/SRptAttributeAccess.h\"\n"
            "#include \"rpt/objs/SRptAttributeTable.h\"\n"
            "#include \"platform/repo/SRepComObject.h\"\n";
    m_properties = "// Generated from RptMetamodel.txt and RptAttributeBindings.txt by varod9_metadata_generator.\n"
                   "// Do not edit. The typed get and put of the stored attributes, for the interface halves.\n"
                   "#pragma once\n";
    for (const std::string& include : bindings.includes) m_out += "#include \"" + include + "\"\n";
    for (const SRptAttributeBindings::Class& binding : bindings.classes)
        m_out += "#include \"" + binding.header + "\"\n";
    std::string all;
    try {
        for (const SRptAttributeBindings::Class& binding : bindings.classes)
            if (!model.FindClass(binding.codeName)) throw BindingError(binding.codeName + ": no such class");
        for (const SRptMetamodelTable::Class& c : model.classes) {
            const SRptAttributeBindings::Class* binding = bindings.FindClass(c.codeName);
            if (!binding) continue;
            WriteClass(c, *binding);
            all += "        &" + c.codeName + "Mem::attributeTable,\n";
        }
    } catch (const BindingError& e) {
        error = std::string("attribute bindings: ") + e.what();
        return false;
    }
    m_out += "\nstd::span<const SRptAttributeTable* const> SRptAttributeTable::All() {\n"
             "    static const SRptAttributeTable* const tables[] = {\n" +
             all + "    };\n    return tables;\n}\n";
    source = std::move(m_out);
    properties = std::move(m_properties);
    return true;
}

void SRptAttributeTableWriter::WriteClass(const SRptMetamodelTable::Class& c,
                                          const SRptAttributeBindings::Class& binding) {
    Check(c, binding);
    const std::string mem = c.codeName + "Mem";
    m_out += "\n// ---- " + c.codeName + " (\"" + c.displayName + "\") ----\n\n";
    // constinit: the tables are read by the start-up of other sources, which must find them made.
    m_out += "constinit const SRptAttributeRow " + mem + "::attributeRows[] = {\n";
    for (const SRptMetamodelTable::Attribute& a : c.attributes)
        m_out += "    " + AttributeRow(mem, a, binding.FindAttribute(a.codeName)) + ",  // " + a.codeName + "\n";
    for (const SRptMetamodelTable::Collection& col : c.collections)
        m_out += "    SRptAttributeAccess::Collection(" + Hex(col.id) + "),  // " + col.codeName + "\n";
    m_out += "    SRptAttributeAccess::End(),\n};\n\n";
    m_out += "constinit const SRptAttributeTable " + mem + "::attributeTable = {\n";
    m_out += "    MakeGUID(\"" + GUIDToString(c.classId) + "\"),\n";
    m_out += "    " + BaseTable(c) + ",\n";
    m_out += "    SRptAttributeGuard(\"RPT\\\\Objs\\\\" + mem + "\", \"" + mem + "\"),\n";
    m_out += "    " + mem + "::attributeRows,\n";
    m_out += "    &" + c.codeName + "Registry::MarkClassInitialised,\n";
    m_out += "    &" + c.codeName + "Registry::GetKeptDefaults,\n};\n";
    WriteRegistry(c, binding);
    WriteProperties(c);
}

void SRptAttributeTableWriter::WriteProperties(const SRptMetamodelTable::Class& c) {
    m_properties += "\n#define SRPT_PROPERTIES_" + c.codeName;
    for (const SRptMetamodelTable::Attribute& a : c.attributes) {
        if (IsComputed(a)) continue;
        const uint32_t code = a.typeWord >> 24;
        std::string type, parameter, typed;
        switch (code) {
            case 0x01: type = "GUID"; typed = "OID"; break;
            case 0x02: type = "int16_t"; typed = "SHORT"; break;
            case 0x03: type = "int32_t"; typed = "INT"; break;
            case 0x04: type = "bool"; typed = "BOOL"; break;
            case 0x08: type = "int32_t"; typed = "DATE"; break;
            case 0x09: type = "SString"; typed = "CHAR"; break;
            case 0x0A: type = "SString"; typed = "TEXT"; break;
            case 0x0E: type = "POINT"; typed = "POINT"; break;
            default: type = "RECT"; typed = "RECT"; break;
        }
        parameter = (type == "int16_t" || type == "int32_t" || type == "bool") ? type : "const " + type + "&";
        const std::string member = SRptAttributeBindings::MemberName(a.codeName);
        const std::string id = Hex(a.id);
        const std::string length = code == 0x09 ? ", " + std::to_string((a.typeWord >> 8) & 0xFFFF) : std::string();
        m_properties += " \\\n    " + type + " Get" + a.codeName + "() override { return Get_" + typed + "(" + id +
                        ", " + member + "); }";
        m_properties += " \\\n    HRESULT Put" + a.codeName + "(" + parameter + " value) noexcept override {" +
                        " return Put_" + typed + "(" + id + ", value, " + member + length + "); }";
    }
    m_properties += "\n";
}

void SRptAttributeTableWriter::WriteRegistry(const SRptMetamodelTable::Class& c,
                                             const SRptAttributeBindings::Class& binding) {
    const std::string registry = c.codeName + "Registry";
    const std::string base = BaseName(c);
    std::string editors = "SREP_NO_ATTR_EDITORS";
    if (!binding.editors.empty()) {
        editors = "k" + c.codeName + "Editors";
        m_out += "\nconstexpr SAttrEditorMapEntry " + editors + "[] = {\n";
        for (const SRptAttributeBindings::Editor& e : binding.editors) {
            const SRptMetamodelTable::Attribute* a = nullptr;
            for (const SRptMetamodelTable::Attribute& candidate : c.attributes)
                if (candidate.codeName == e.attribute) a = &candidate;
            if (!a) throw BindingError(c.codeName + "." + e.attribute + ": an editor for no attribute");
            m_out += "    {" + Hex(a->id) + ", &" + e.editorClass + "::classInfo},\n";
        }
        m_out += "    {0, nullptr},\n};\n";
    }
    const std::string baseMap =
        (base.empty() ? UnqualifiedName(c.baseName) : base) + "Registry::attrEditorMap";
    m_out += "\nconst SAttrEditorMap " + registry + "::attrEditorMap = {&" + baseMap + ", " + editors + "};\n\n";
    const bool isAbstract = (c.flags & SRepTypeLibFormat::kClassAbstract) != 0;
    if (isAbstract && binding.allocator) throw BindingError(c.codeName + ": an abstract class has no allocator");
    const std::string object = "SRepComObject<" + c.codeName + "Impl>";
    m_out += registry + "::" + registry + "()\n";
    m_out += "    : SRptStaticRegistry(MakeGUID(\"" + GUIDToString(c.classId) + "\"), &attrEditorMap,\n";
    m_out += "                         " + (isAbstract ? std::string("nullptr") : "&" + object + "::Factory") + ",\n";
    m_out += "                         &" + c.codeName + "Mem::ClassIsKindOf, &" + c.codeName +
             "Mem::ClassHasCollection, 1, SRptGetModuleState()) {\n";
    if (binding.allocator)
        m_out += "    UseAllocator(sizeof(" + object + "), 10, \"" + c.codeName + "\");\n";
    m_out += "}\n";
}

std::string SRptAttributeTableWriter::AttributeRow(const std::string& mem, const SRptMetamodelTable::Attribute& a,
                                                   const SRptAttributeBindings::Attribute* binding) const {
    const std::string id = Hex(a.id);
    const std::string type = Hex(a.typeWord >> 8);
    const std::string flags = Hex(a.flags >> 8);
    const std::string withDefault = ", [](SRepVariant& v) { return SRptAttributeAccess::Default<" + type +
                                    ">(v, " + DefaultExpression(a.defaultValue) + "); })";
    if (!IsComputed(a)) {
        return "SRptAttributeAccess::Stored<&" + mem + "::" + SRptAttributeBindings::MemberName(a.codeName) + ", " +
               type + ">(" + id + ", " + flags + withDefault;
    }
    const std::string getter = "&" + mem + "::Get" + a.codeName;
    if (binding && binding->isObject)
        return "SRptAttributeAccess::ComputedObject<" + getter + ">(" + id + ", " + type + ", " + flags + ")";
    std::string setter;
    if (!(a.flags & kAttributeReadOnly))
        setter = ", &" + mem + "::" + (binding && !binding->setter.empty() ? binding->setter : "Put" + a.codeName);
    return "SRptAttributeAccess::Computed<" + type + ", " + getter + setter + ">(" + id + ", " + flags +
           (binding && binding->hasDefault ? withDefault : std::string(")"));
}

std::string SRptAttributeTableWriter::BaseTable(const SRptMetamodelTable::Class& c) const {
    // The root of the report classes stands on the repository's own classes, which have none.
    const std::string base = BaseName(c);
    return base.empty() ? "nullptr" : "&" + base + "Mem::attributeTable";
}

std::string SRptAttributeTableWriter::BaseName(const SRptMetamodelTable::Class& c) const {
    if (ScopeOf(c.baseName) != m_model->nameSpace) return std::string();
    const std::string base = UnqualifiedName(c.baseName);
    if (!m_bindings->FindClass(base)) throw BindingError(c.codeName + ": its base " + base + " is not bound");
    return base;
}

void SRptAttributeTableWriter::Check(const SRptMetamodelTable::Class& c,
                                     const SRptAttributeBindings::Class& binding) const {
    for (const SRptAttributeBindings::Attribute& b : binding.attributes) {
        const SRptMetamodelTable::Attribute* found = nullptr;
        for (const SRptMetamodelTable::Attribute& a : c.attributes)
            if (a.codeName == b.codeName) found = &a;
        const std::string where = c.codeName + "." + b.codeName;
        if (!found) throw BindingError(where + ": no such attribute");
        if (!IsComputed(*found)) throw BindingError(where + ": a stored attribute takes no options");
        if (!b.setter.empty() && (found->flags & kAttributeReadOnly)) throw BindingError(where + ": read-only");
        if (b.isObject && (b.hasDefault || !b.setter.empty()))
            throw BindingError(where + ": an object is read only and has no default");
    }
    for (const SRptMetamodelTable::Attribute& a : c.attributes) {
        const SRptAttributeBindings::Attribute* b = binding.FindAttribute(a.codeName);
        const std::string where = c.codeName + "." + a.codeName;
        if (b && b->isObject) continue;
        if (!IsSupportedType(a.typeWord)) throw BindingError(where + ": its type has no table access");
        if (IsComputed(a) && !(a.flags & kAttributeReadOnly) && !IsTextType(a.typeWord))
            throw BindingError(where + ": only texts are written through a setter");
    }
}

std::string SRptAttributeTableWriter::DefaultExpression(const std::string& value) {
    if (value.empty()) return "{}";
    if (value == "TRUE" || value == "true") return "true";
    if (value == "FALSE" || value == "false") return "false";
    if (value.size() > 6 && value.compare(0, 5, "TEXT(") == 0 && value.back() == ')')
        return value.substr(5, value.size() - 6);
    return value;
}

std::string SRptAttributeTableWriter::Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}
