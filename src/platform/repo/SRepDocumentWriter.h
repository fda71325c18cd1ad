#pragma once
// Walks what a document stores of its top objects, in the order both document forms write it:
// each object's class, its stored attributes (bases first), then each of its stored
// collections that owns elements, with those elements nested. A form writes what the walk
// hands it. Objects nested deeper than the readers take (SRepDocumentLimits) are refused.
#include <vector>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepObject.h"
#include "platform/repo/SRepDocumentLimits.h"
#include "platform/repo/SRepPersistentClasses.h"

class SRepVariant;
class SRepMetaClass;
class SRepMetaAttribute;
class SRepMetaCollection;

class SRepDocumentWriter {
public:
    // Writes objects nested `maxDepth` deep at most (a document's limit, or a record's).
    explicit SRepDocumentWriter(int32_t maxDepth = SRepDocumentLimits::kMaxDepth) : m_maxDepth(maxDepth) {}
    virtual ~SRepDocumentWriter() = default;

    // The top objects of the document that holds `root`: the top objects of its session when it
    // is one of them, else the root alone. Throws SECOMException (E_POINTER) for a null root.
    static std::vector<SComWrap<ISRepObject>> TopObjectsOf(ISRepObject* root);

    // Walks one object and everything it owns. An object of a class that no type library
    // declares is not written. Throws SECOMException (E_INVALIDARG) on meeting an object deeper
    // than the writer's limit.
    void WriteObject(ISRepObject* object);

    // Throws SECOMException (E_INVALIDARG) when any of the objects, with what it owns, nests
    // deeper than `maxDepth` (the object itself at depth 1): a writer that cannot take back what
    // it has written asks this before it writes anything.
    static void CheckNesting(const std::vector<SComWrap<ISRepObject>>& objects, int32_t maxDepth);

    // The elements that a collection of the object owns, in order: a collection that only
    // gathers an element holds no part of the document.
    static std::vector<SComWrap<ISRepObject>> OwnedElements(ISRepObject* object, int32_t id);
    // The elements that all the stored collections of an object of the described class own,
    // collection after collection.
    static std::vector<SComWrap<ISRepObject>> StoredElements(ISRepObject* object, const SRepPersistentClass& members);

protected:
    virtual void BeginObject(const SRepMetaClass& metaClass) = 0;
    virtual void Attribute(const SRepMetaAttribute& attribute, uint32_t type, const SRepVariant& value) = 0;
    virtual void BeginCollection(const SRepMetaCollection& collection) = 0;
    virtual void EndCollection(const SRepMetaCollection& collection) = 0;
    virtual void EndObject(const SRepMetaClass& metaClass) = 0;

private:
    // Refuses `object` when it, with what it owns, takes more than `levelsLeft` levels.
    static void CheckNesting(ISRepObject* object, int32_t levelsLeft, SRepPersistentClasses& classes);

    SRepPersistentClasses m_classes;
    int32_t m_maxDepth;
    int32_t m_depth = 0;  // of the object being written
};
