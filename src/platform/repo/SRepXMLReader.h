#pragma once
// Reads a repository document in the XML form (see SRepXMLWriter) with expat: the signature
// alone, or the signature and then the objects, which it hands to a document builder as it
// meets them. Element names are looked up in the element-name table of the file's version
// first, when there is one, then among the current names; an element that names nothing known
// is skipped with everything in it. A document type declaration is refused (no entity of any
// kind is expanded), and so is anything that is not well-formed XML or not a repository
// document: SRepFormatException with the line, the column and the byte offset. Elements nested
// deeper than a document of the deepest objects needs (SRepDocumentLimits) are refused as well,
// whatever they name.
#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "platform/base/SInputStream.h"
#include "platform/repo/SStringMap.h"

class SRepDocumentBuilder;
class SRepMetaDTD;
class SRepMetaDTDClass;
class SRepMetaClass;
class SRepMetaAttribute;
class SRepMetaCollection;

class SRepXMLReader {
public:
    // Called once the signature is read, before the body: answers the element-name table to read
    // the body through (null for none).
    using SignatureHandler = std::function<const SRepMetaDTD*(const SString& typeName, const SString& version)>;

    explicit SRepXMLReader(SInputStream& in) : m_in(in) {}

    // Reads up to the end of the signature and no further. Throws SRepFormatException.
    void ReadSignature(SString& typeName, SString& version, SStringMap& map);
    // Reads the whole document into the builder. Throws SRepFormatException, and what the
    // builder throws.
    void Read(SString& typeName, SString& version, SStringMap& map, SRepDocumentBuilder& builder,
              const SignatureHandler& onSignature);

private:
    enum class Kind { Root, Signature, Entry, Body, Object, Attribute, Collection, Skip };
    struct Frame {
        explicit Frame(Kind k) : kind(k) {}
        Kind kind;
        const SRepMetaDTDClass* names = nullptr;    // objects: their class's entry of the old names
        const SRepMetaAttribute* attribute = nullptr;  // attributes
        bool hex = false;                            // attributes and entries
        std::string key;                             // entries
    };

    void Run(bool signatureOnly);
    static void OnStart(void* self, const char* name, const char** attributes);
    static void OnEnd(void* self, const char* name);
    static void OnText(void* self, const char* text, int length);
    static void OnDoctype(void* self, const char*, const char*, const char*, int);
    void Start(const std::string& name, const char** attributes);
    void End();
    void StartInRoot(const std::string& name, const char** attributes);
    void StartObject(const std::string& name);
    void StartMember(const std::string& name, const char** attributes);
    void EndValue(const Frame& frame);
    // Stops the parse with an exception to be thrown once expat has returned.
    void Stop(std::exception_ptr failure);
    [[noreturn]] void Refuse(const char* message);
    const SRepMetaClass* ResolveClass(const std::string& name, const SRepMetaDTDClass** names) const;
    static const char* FindXmlAttribute(const char** attributes, const char* name);
    // A frame whose text is collected: an attribute's value or a signature entry.
    Frame ValueFrame(Kind kind, const char** attributes);

    SInputStream& m_in;
    void* m_parser = nullptr;
    SString* m_typeName = nullptr;
    SString* m_version = nullptr;
    SStringMap* m_map = nullptr;
    SRepDocumentBuilder* m_builder = nullptr;
    const SignatureHandler* m_onSignature = nullptr;
    const SRepMetaDTD* m_dtd = nullptr;
    std::vector<Frame> m_frames;
    std::string m_text;
    bool m_signatureOnly = false;
    bool m_sawSignature = false;
    bool m_sawBody = false;
    bool m_done = false;
    std::exception_ptr m_failure;
};
