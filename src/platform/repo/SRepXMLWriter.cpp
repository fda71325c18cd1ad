#include "platform/repo/SRepXMLWriter.h"

#include <algorithm>

#include "platform/repo/SRepMetaClass.h"
#include "platform/repo/SRepValueCodec.h"

std::string SRepXMLWriter::Escape(std::string_view text, bool attributeValue) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += attributeValue ? "&quot;" : "\""; break;
            // Line ends and tabs in an attribute value would come back as blanks.
            case '\n': escaped += attributeValue ? "&#10;" : "\n"; break;
            case '\t': escaped += attributeValue ? "&#9;" : "\t"; break;
            default: escaped.push_back(c); break;
        }
    }
    return escaped;
}

void SRepXMLWriter::Line(const std::string& text) {
    const std::string indent(static_cast<size_t>(std::min(m_depth, kMaxIndent)) * 2, ' ');
    m_out.Write(indent.data(), indent.size());
    m_out.Write(text.data(), text.size());
    m_out.Write("\n", 1);
}

void SRepXMLWriter::Open(const std::string& name) {
    Line("<" + name + ">");
    ++m_depth;
}

void SRepXMLWriter::Close(const std::string& name) {
    --m_depth;
    Line("</" + name + ">");
}

void SRepXMLWriter::BeginDocument(const SString& typeName, const SString& version, const SStringMap& signature) {
    Line("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    Open(std::string(kRootElement) + " xmlns:o=\"" + kObjectNamespace + "\" xmlns:a=\"" + kAttributeNamespace +
         "\" xmlns:c=\"" + kCollectionNamespace + "\"");
    Open(std::string(kSignatureElement) + " type=\"" + Escape(typeName.str(), true) + "\" version=\"" +
         Escape(version.str(), true) + "\"");
    for (SStringMap::Iterator it(signature); !it.IsEnd(); it.Next()) {
        SRepVariant text;
        text.SetText(it.GetValue());
        bool hex = false;
        const std::string value = SRepValueCodec::ToText(SREP_VT_TEXT, text, hex);
        Line(std::string("<") + kEntryElement + " key=\"" + Escape(it.GetKey().str(), true) + "\"" +
             (hex ? " enc=\"hex\"" : "") + ">" + Escape(value, false) + "</" + kEntryElement + ">");
    }
    Close(kSignatureElement);
}

void SRepXMLWriter::BeginBody(const SString& bodyName) {
    Open(bodyName.str());
}

void SRepXMLWriter::EndBody(const SString& bodyName) {
    Close(bodyName.str());
}

void SRepXMLWriter::EndDocument() {
    Close(kRootElement);
}

void SRepXMLWriter::BeginObject(const SRepMetaClass& metaClass) {
    Open("o:" + metaClass.GetCodeName().str());
}

void SRepXMLWriter::Attribute(const SRepMetaAttribute& attribute, uint32_t type, const SRepVariant& value) {
    bool hex = false;
    const std::string text = SRepValueCodec::ToText(type, value, hex);
    const std::string name = "a:" + attribute.GetCodeName().str();
    Line("<" + name + (hex ? " enc=\"hex\"" : "") + ">" + Escape(text, false) + "</" + name + ">");
}

void SRepXMLWriter::BeginCollection(const SRepMetaCollection& collection) {
    Open("c:" + collection.GetCodeName().str());
}

void SRepXMLWriter::EndCollection(const SRepMetaCollection& collection) {
    Close("c:" + collection.GetCodeName().str());
}

void SRepXMLWriter::EndObject(const SRepMetaClass& metaClass) {
    Close("o:" + metaClass.GetCodeName().str());
}
