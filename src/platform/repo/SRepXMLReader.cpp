#include "platform/repo/SRepXMLReader.h"

#include <expat.h>

#include <cstring>
#include <memory>

#include "platform/repo/SRepDocumentBuilder.h"
#include "platform/repo/SRepDocumentLimits.h"
#include "platform/repo/SRepFormatException.h"
#include "platform/repo/SRepMetaDTD.h"
#include "platform/repo/SRepPersistentClass.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "platform/repo/SRepValueCodec.h"
#include "platform/repo/SRepXMLWriter.h"

namespace {

XML_Parser Parser(void* parser) {
    return static_cast<XML_Parser>(parser);
}

struct SParserDeleter {
    void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

}  // namespace

void SRepXMLReader::ReadSignature(SString& typeName, SString& version, SStringMap& map) {
    m_typeName = &typeName;
    m_version = &version;
    m_map = &map;
    Run(true);
}

void SRepXMLReader::Read(SString& typeName, SString& version, SStringMap& map, SRepDocumentBuilder& builder,
                         const SignatureHandler& onSignature) {
    m_typeName = &typeName;
    m_version = &version;
    m_map = &map;
    m_builder = &builder;
    m_onSignature = &onSignature;
    Run(false);
}

void SRepXMLReader::Run(bool signatureOnly) {
    m_signatureOnly = signatureOnly;
    // The document is UTF-8 whatever it declares.
    std::unique_ptr<XML_ParserStruct, SParserDeleter> parser(XML_ParserCreate("UTF-8"));
    if (!parser) throw std::bad_alloc();
    m_parser = parser.get();
    XML_SetUserData(parser.get(), this);
    XML_SetElementHandler(parser.get(), &SRepXMLReader::OnStart, &SRepXMLReader::OnEnd);
    XML_SetCharacterDataHandler(parser.get(), &SRepXMLReader::OnText);
    XML_SetStartDoctypeDeclHandler(parser.get(), &SRepXMLReader::OnDoctype);
    constexpr int kChunk = 8192;
    bool last = false;
    while (!last && !m_done) {
        void* buffer = XML_GetBuffer(parser.get(), kChunk);
        if (!buffer) throw std::bad_alloc();
        const size_t got = m_in.Read(buffer, kChunk);
        last = got < static_cast<size_t>(kChunk);
        const XML_Status status = XML_ParseBuffer(parser.get(), static_cast<int>(got), last ? XML_TRUE : XML_FALSE);
        if (m_failure) std::rethrow_exception(m_failure);
        if (m_done) break;
        if (status != XML_STATUS_OK) {
            const XML_Error error = XML_GetErrorCode(parser.get());
            throw SRepFormatException(SString("Malformed XML: ") + XML_ErrorString(error),
                                      static_cast<uint64_t>(XML_GetCurrentByteIndex(parser.get())),
                                      static_cast<uint32_t>(XML_GetCurrentLineNumber(parser.get())),
                                      static_cast<uint32_t>(XML_GetCurrentColumnNumber(parser.get())) + 1);
        }
    }
    if (!m_sawSignature) Refuse("The document has no signature");
    if (!m_signatureOnly && !m_sawBody) Refuse("The document has no body");
    m_parser = nullptr;
}

void SRepXMLReader::Stop(std::exception_ptr failure) {
    if (!m_failure) m_failure = std::move(failure);
    XML_StopParser(Parser(m_parser), XML_FALSE);
}

void SRepXMLReader::Refuse(const char* message) {
    XML_Parser parser = Parser(m_parser);
    if (!parser) throw SRepFormatException(message, 0);
    throw SRepFormatException(message, static_cast<uint64_t>(XML_GetCurrentByteIndex(parser)),
                              static_cast<uint32_t>(XML_GetCurrentLineNumber(parser)),
                              static_cast<uint32_t>(XML_GetCurrentColumnNumber(parser)) + 1);
}

// ---- expat's calls: nothing may be thrown through the parser ----

void SRepXMLReader::OnStart(void* self, const char* name, const char** attributes) {
    auto* reader = static_cast<SRepXMLReader*>(self);
    if (reader->m_failure || reader->m_done) return;
    try {
        reader->Start(name, attributes);
    } catch (...) {
        reader->Stop(std::current_exception());
    }
}

void SRepXMLReader::OnEnd(void* self, const char*) {
    auto* reader = static_cast<SRepXMLReader*>(self);
    if (reader->m_failure || reader->m_done) return;
    try {
        reader->End();
    } catch (...) {
        reader->Stop(std::current_exception());
    }
}

void SRepXMLReader::OnText(void* self, const char* text, int length) {
    auto* reader = static_cast<SRepXMLReader*>(self);
    if (reader->m_failure || reader->m_done || reader->m_frames.empty()) return;
    const Kind kind = reader->m_frames.back().kind;
    if (kind == Kind::Attribute || kind == Kind::Entry) reader->m_text.append(text, static_cast<size_t>(length));
}

void SRepXMLReader::OnDoctype(void* self, const char*, const char*, const char*, int) {
    auto* reader = static_cast<SRepXMLReader*>(self);
    try {
        reader->Refuse("A repository document has no document type declaration");
    } catch (...) {
        reader->Stop(std::current_exception());
    }
}

// ---- the document's structure ----

const char* SRepXMLReader::FindXmlAttribute(const char** attributes, const char* name) {
    for (const char** a = attributes; a && a[0]; a += 2)
        if (std::strcmp(a[0], name) == 0) return a[1];
    return nullptr;
}

SRepXMLReader::Frame SRepXMLReader::ValueFrame(Kind kind, const char** attributes) {
    const char* encoding = FindXmlAttribute(attributes, "enc");
    Frame frame(kind);
    frame.hex = encoding && std::strcmp(encoding, "hex") == 0;
    m_text.clear();
    return frame;
}

void SRepXMLReader::Start(const std::string& name, const char** attributes) {
    if (m_frames.size() >= static_cast<size_t>(SRepDocumentLimits::kMaxElementDepth))
        Refuse("Elements nested too deep");
    if (m_frames.empty()) {
        if (name != SRepXMLWriter::kRootElement) Refuse("Not a repository document");
        m_frames.push_back(Frame(Kind::Root));
        return;
    }
    switch (m_frames.back().kind) {
        case Kind::Root: StartInRoot(name, attributes); return;
        case Kind::Signature: {
            const char* key = FindXmlAttribute(attributes, "key");
            if (name != SRepXMLWriter::kEntryElement || !key) break;
            Frame entry = ValueFrame(Kind::Entry, attributes);
            entry.key = key;
            m_frames.push_back(std::move(entry));
            return;
        }
        case Kind::Body:
        case Kind::Collection: StartObject(name); return;
        case Kind::Object: StartMember(name, attributes); return;
        default: break;
    }
    m_frames.push_back(Frame(Kind::Skip));
}

void SRepXMLReader::StartInRoot(const std::string& name, const char** attributes) {
    if (!m_sawSignature) {
        if (name != SRepXMLWriter::kSignatureElement) Refuse("The document does not begin with its signature");
        const char* type = FindXmlAttribute(attributes, "type");
        const char* version = FindXmlAttribute(attributes, "version");
        *m_typeName = type ? type : "";
        *m_version = version ? version : "";
        m_frames.push_back(Frame(Kind::Signature));
        return;
    }
    if (m_sawBody) {
        m_frames.push_back(Frame(Kind::Skip));
        return;
    }
    m_sawBody = true;
    m_frames.push_back(Frame(Kind::Body));
}

const SRepMetaClass* SRepXMLReader::ResolveClass(const std::string& name, const SRepMetaDTDClass** names) const {
    *names = nullptr;
    if (m_dtd) {
        if (const SRepMetaDTDClass* entry = m_dtd->FindClass(SString(name))) {
            *names = entry;
            return entry->GetMetaClass();
        }
    }
    if (!StartsWith(name, "o:")) return nullptr;
    SRepTypeLibManager* manager = GetTypeLibManager();
    const SRepMetaClass* metaClass = manager ? manager->FindMetaClassByName(SString(name.substr(2))) : nullptr;
    if (metaClass && m_dtd) *names = m_dtd->FindClassOf(metaClass);
    return metaClass;
}

void SRepXMLReader::StartObject(const std::string& name) {
    const SRepMetaDTDClass* names = nullptr;
    const SRepMetaClass* metaClass = ResolveClass(name, &names);
    const uint64_t offset = static_cast<uint64_t>(XML_GetCurrentByteIndex(Parser(m_parser)));
    if (!metaClass || !m_builder->BeginObject(metaClass, offset)) {
        m_frames.push_back(Frame(Kind::Skip));
        return;
    }
    Frame object(Kind::Object);
    object.names = names;
    m_frames.push_back(std::move(object));
}

void SRepXMLReader::StartMember(const std::string& name, const char** attributes) {
    const Frame& object = m_frames.back();
    const SRepMetaClass* metaClass = m_builder->GetCurrentClass();
    const SString key(name);
    if (StartsWith(name, "a:") || (object.names && object.names->FindAttribute(key))) {
        const SRepMetaAttribute* attribute = object.names ? object.names->FindAttribute(key) : nullptr;
        if (!attribute && StartsWith(name, "a:")) attribute = metaClass->FindAttributeByName(SString(name.substr(2)));
        if (attribute && !attribute->IsComputed() && SRepPersistentClass::IsStorableType(attribute->GetAttributeType())) {
            Frame value = ValueFrame(Kind::Attribute, attributes);
            value.attribute = attribute;
            m_frames.push_back(std::move(value));
            return;
        }
    } else {
        const SRepMetaCollection* collection = object.names ? object.names->FindCollection(key) : nullptr;
        if (!collection && StartsWith(name, "c:")) collection = metaClass->FindCollectionByName(SString(name.substr(2)));
        if (collection && !collection->IsInverseEnd() && m_builder->BeginCollection(*collection)) {
            m_frames.push_back(Frame(Kind::Collection));
            return;
        }
    }
    m_frames.push_back(Frame(Kind::Skip));
}

void SRepXMLReader::End() {
    if (m_frames.empty()) return;
    const Frame frame = std::move(m_frames.back());
    m_frames.pop_back();
    switch (frame.kind) {
        case Kind::Entry:
        case Kind::Attribute: EndValue(frame); return;
        case Kind::Signature:
            m_sawSignature = true;
            if (m_signatureOnly) {
                m_done = true;
                XML_StopParser(Parser(m_parser), XML_FALSE);
                return;
            }
            m_dtd = (*m_onSignature)(*m_typeName, *m_version);
            return;
        case Kind::Object: m_builder->EndObject(); return;
        case Kind::Collection: m_builder->EndCollection(); return;
        case Kind::Root: m_done = true; return;
        default: return;
    }
}

void SRepXMLReader::EndValue(const Frame& frame) {
    const uint64_t offset = static_cast<uint64_t>(XML_GetCurrentByteIndex(Parser(m_parser)));
    try {
        if (frame.kind == Kind::Entry) {
            const SRepVariant value = SRepValueCodec::FromText(SREP_VT_TEXT, m_text, frame.hex, offset);
            m_map->SetAt(SString(frame.key), value.GetText());
        } else {
            const uint32_t type = frame.attribute->GetAttributeType();
            m_builder->SetAttribute(*frame.attribute, SRepValueCodec::FromText(type, m_text, frame.hex, offset));
        }
    } catch (const SRepFormatException& e) {
        Refuse(e.GetMessage().c_str());
    }
    m_text.clear();
}
