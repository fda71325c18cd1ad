#pragma once
// Writes a repository document in the XML form: UTF-8, one element a line, indented by nesting
// down to kMaxIndent levels (deeper lines stand at that indent, so that a file grows with its
// content and not with the square of its depth).
//     <?xml version="1.0" encoding="UTF-8"?>
//     <Repository xmlns:o="..." xmlns:a="..." xmlns:c="...">
//       <Signature type="RPT_TEMPLATE" version="9.0.0">
//         <Entry key="ModuleID">...</Entry>
//       </Signature>
//       <Model>
//         <o:SRptReport>
//           <a:Name>...</a:Name>
//           <c:Templates>
//             <o:SRptTemplate>...</o:SRptTemplate>
//           </c:Templates>
//         </o:SRptReport>
//       </Model>
//     </Repository>
// Objects are "o:" and their class's code name, attributes "a:" and their code name, collections
// "c:" and their code name; the three prefixes are declared as namespaces so that any XML tool
// reads the file. A text that XML cannot carry as it is goes as hexadecimal with enc="hex".
#include <cstdint>

#include "platform/base/SOutputStream.h"
#include "platform/repo/SRepDocumentWriter.h"
#include "platform/repo/SStringMap.h"

class SRepXMLWriter : public SRepDocumentWriter {
public:
    static constexpr const char* kRootElement = "Repository";
    static constexpr const char* kSignatureElement = "Signature";
    static constexpr const char* kEntryElement = "Entry";
    static constexpr const char* kObjectNamespace = "urn:varod9:repository:object";
    static constexpr const char* kAttributeNamespace = "urn:varod9:repository:attribute";
    static constexpr const char* kCollectionNamespace = "urn:varod9:repository:collection";
    static constexpr int32_t kMaxIndent = 32;

    explicit SRepXMLWriter(SOutputStream& out) : m_out(out) {}

    // The declaration, the root element and the signature.
    void BeginDocument(const SString& typeName, const SString& version, const SStringMap& signature);
    void BeginBody(const SString& bodyName);
    void EndBody(const SString& bodyName);
    void EndDocument();

    // Character data and attribute values with what XML reserves escaped.
    static std::string Escape(std::string_view text, bool attributeValue);

protected:
    void BeginObject(const SRepMetaClass& metaClass) override;
    void Attribute(const SRepMetaAttribute& attribute, uint32_t type, const SRepVariant& value) override;
    void BeginCollection(const SRepMetaCollection& collection) override;
    void EndCollection(const SRepMetaCollection& collection) override;
    void EndObject(const SRepMetaClass& metaClass) override;

private:
    void Line(const std::string& text);
    void Open(const std::string& name);
    void Close(const std::string& name);

    SOutputStream& m_out;
    int32_t m_depth = 0;
};
