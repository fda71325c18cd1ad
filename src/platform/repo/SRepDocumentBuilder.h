#pragma once
// Builds the objects of a document as a reader meets them: an object of a class, its attribute
// values, its collections and their elements, nested. An element goes into its owner's
// collection once it is complete; an object of a class the collection does not hold, of a class
// nobody can make, or of no known class is left out with everything inside it. Nothing the
// objects' hooks would add on insertion is added (the document is taken as it was written), and
// no object is initialised. Until Commit, everything made is deleted again when the builder
// goes, so that a refused document leaves nothing behind.
#include <cstdint>
#include <vector>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepObject.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/SRepCascadeGuard.h"
#include "platform/repo/SRepDocumentLimits.h"
#include "platform/repo/SRepPersistentClass.h"

class SRepVariant;
class SRepMetaClass;
class SRepMetaAttribute;
class SRepMetaCollection;

class SRepDocumentBuilder {
public:
    // Objects nested deeper than `maxDepth` (a document's limit, or a record's) are refused.
    explicit SRepDocumentBuilder(ISRepSession* session, int32_t maxDepth = SRepDocumentLimits::kMaxDepth);
    ~SRepDocumentBuilder();
    SRepDocumentBuilder(const SRepDocumentBuilder&) = delete;
    SRepDocumentBuilder& operator=(const SRepDocumentBuilder&) = delete;

    // A new object of the class, inside the collection begun last (or a top object). False when
    // it is left out: the reader skips what it holds and calls neither EndObject nor anything
    // else for it. Throws SRepFormatException (at `offset`) beyond the deepest nesting.
    bool BeginObject(const SRepMetaClass* metaClass, uint64_t offset);
    // The class of the object made last that is not yet ended; null outside objects.
    const SRepMetaClass* GetCurrentClass() const;
    // Sets an attribute of the current object; a value the object refuses is dropped.
    void SetAttribute(const SRepMetaAttribute& attribute, const SRepVariant& value);
    // A collection of the current object; false when the object has no such collection (the
    // reader skips it).
    bool BeginCollection(const SRepMetaCollection& collection);
    void EndCollection();
    // The current object is complete: into its collection, or among the top objects. A refused
    // insertion throws SECOMException with its code.
    void EndObject();

    // The top objects, in document order.
    const std::vector<SComWrap<ISRepObject>>& GetTopObjects() const { return m_top; }
    // Keeps what was built: the builder no longer deletes it.
    void Commit() { m_committed = true; }

private:
    struct Frame {
        SComWrap<ISRepObject> object;
        const SRepMetaClass* metaClass = nullptr;
        const SRepMetaCollection* collection = nullptr;  // the collection begun in it, if any
    };

    SRepCascadeGuard m_noCascade;
    SComWrap<ISRepSession> m_session;
    int32_t m_maxDepth;
    std::vector<Frame> m_frames;
    std::vector<SComWrap<ISRepObject>> m_top;
    bool m_committed = false;
};
