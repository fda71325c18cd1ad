#pragma once
// Reads and writes repository documents on streams, in the binary form (SRepBinFormat); the XML
// form derives from it (SRepXMLStreamManager). A document is its signature (a type name, a
// version and named strings, readable without reading the rest), a body named by the caller and
// the top objects of a session with everything they own. One object alone can also be written
// and read as a self-delimiting record, for callers that put documents of their own around it.
//
// Readers refuse a truncated, malformed or hostile input with E_IOFAILURE (0x80030019) and the
// place where it went wrong in the SReadResult given; they never leave anything half-read in the
// session. Writers write everything or throw nothing past their result: a failure of the stream
// is returned as its code (or thrown as it came, by WriteDocument). Objects nest no deeper than
// the readers take (SRepDocumentLimits): a deeper document or record is refused unwritten.
#include <cstdint>
#include <functional>

#include "platform/base/SInputStream.h"
#include "platform/base/SOutputStream.h"
#include "platform/base/SReadResult.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/ISLoadSaveManager.h"
#include "platform/repo/ISRepObject.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/SStringMap.h"

class SRepDocumentBuilder;

class SRepStreamManager {
public:
    static constexpr const char* kDefaultBodyName = "Model";
    // The flag of Save for one object: with everything it owns.
    static constexpr int32_t kSaveDeep = 1;

    SRepStreamManager() = default;
    virtual ~SRepStreamManager() = default;
    SRepStreamManager(const SRepStreamManager&) = delete;
    SRepStreamManager& operator=(const SRepStreamManager&) = delete;

    // What Save writes as the body's name and the signature; a name that is no plain name
    // ("Model" unless set) is replaced by the default.
    void SetDocumentBodyName(const SString& name);
    const SString& GetDocumentBodyName() const { return m_bodyName; }
    void SetSignature(const SString& typeName, const SString& version, const SStringMap& map);

    // The signature alone: S_OK, or E_IOFAILURE with the place in `result`.
    HRESULT ReadSignature(SInputStream& in, SString* typeName, SString* version, SStringMap* map,
                                  SReadResult* result = nullptr);
    // Writes the document that holds `root` (its session's top objects, or the root alone when
    // it is none of them) with the signature and body name set: S_OK or the failure's code. A
    // document that cannot be written (objects nested deeper than the readers take:
    // E_INVALIDARG) writes nothing.
    HRESULT Save(SOutputStream& out, ISRepObject* root);
    // The same with the failure thrown: what the stream throws (SEIOException) as it came, for
    // callers that tell the user what failed; SECOMException for a document that cannot be
    // written, before anything is written.
    virtual void WriteDocument(SOutputStream& out, ISRepObject* root);
    // Reads a document into the session's model. The signature's type must be the one set, when
    // one is set (E_FAIL otherwise). `manager` (optional) gives the element-name table of an
    // older version.
    virtual HRESULT Load(SInputStream& in, ISLoadSaveManager* manager, ISRepSession* session,
                         SReadResult* result = nullptr);

    // One object as a record: with `flags` kSaveDeep, with everything it owns. A record nests
    // one level less than a document (SRepDocumentLimits); deeper is refused with E_INVALIDARG
    // and nothing written.
    static HRESULT Save(SOutputStream& out, ISRepObject* object, int32_t flags);
    // One object record, made in the session outside any collection: S_OK with the object (null
    // when the record holds an object of a class left out), or a failure code with null.
    static HRESULT Load(SInputStream& in, ISRepObject** object, ISRepSession* session, SReadResult* result = nullptr);

    // What the last read gave.
    const SString& GetTypeName() const { return m_typeName; }
    const SString& GetVersion() const { return m_version; }
    const SStringMap& GetSignatureMap() const { return m_map; }

protected:
    // Runs a read, turning what it throws into a code and the place into `result`.
    static HRESULT GuardRead(SInputStream& in, SReadResult* result, const std::function<HRESULT()>& body) noexcept;
    // Reads the signature of the form into the members of the signature read last; throws
    // SRepFormatException.
    virtual void ParseSignature(SInputStream& in);
    // Puts the built top objects into the session's model, all or none.
    static void CommitTopObjects(SRepDocumentBuilder& builder, ISRepSession* session);
    // Refuses a signature of another type than the one set.
    HRESULT CheckType(const SString& typeName) const;

    SString m_bodyName = kDefaultBodyName;
    // The signature set: written by Save, its type expected by Load.
    SString m_signatureType;
    SString m_signatureVersion;
    SStringMap m_signatureMap;
    // The signature read last.
    SString m_typeName;
    SString m_version;
    SStringMap m_map;
};
