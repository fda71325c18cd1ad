#include "platform/repo/SRepDocumentWriter.h"

#include "platform/com/SComCheck.h"
#include "platform/repo/SRepClassCol.h"
#include "platform/repo/SRepMetaClass.h"
#include "platform/repo/SRepObjectMem.h"
#include "platform/repo/SRepPersistentClass.h"
#include "platform/repo/SRepVariant.h"

std::vector<SComWrap<ISRepObject>> SRepDocumentWriter::TopObjectsOf(ISRepObject* root) {
    if (!root) SComThrow(E_POINTER);
    std::vector<SComWrap<ISRepObject>> top;
    SComWrap<ISRepSession> session;
    SComWrap<ISRepClassCol> model;
    int32_t position = -1;
    if (SUCCEEDED(root->GetSession(&session)) && session && SUCCEEDED(session->GetObjects(&model)) && model)
        model->GetPos(root, &position);
    if (position < 0) {
        top.emplace_back(root);
        return top;
    }
    int32_t count = 0;
    SComCheck(model->GetCount(&count));
    for (int32_t i = 0; i < count; ++i) {
        SComWrap<ISRepObject> object;
        SComCheck(model->Item(i, &object));
        if (object) top.push_back(std::move(object));
    }
    return top;
}

std::vector<SComWrap<ISRepObject>> SRepDocumentWriter::OwnedElements(ISRepObject* object, int32_t id) {
    std::vector<SComWrap<ISRepObject>> owned;
    SComWrap<ISRepClassCol> collection;
    if (FAILED(object->GetCollection(id, &collection)) || !collection) return owned;
    const SRepClassCol* held = dynamic_cast<const SRepClassCol*>(collection.Get());
    int32_t count = 0;
    SComCheck(collection->GetCount(&count));
    for (int32_t i = 0; i < count; ++i) {
        SComWrap<ISRepObject> element;
        SComCheck(collection->Item(i, &element));
        if (!element) continue;
        if (held && !held->Owns(SRepObjectMem::FromObject(element.Get()))) continue;
        owned.push_back(std::move(element));
    }
    return owned;
}

std::vector<SComWrap<ISRepObject>> SRepDocumentWriter::StoredElements(ISRepObject* object,
                                                                      const SRepPersistentClass& members) {
    std::vector<SComWrap<ISRepObject>> stored;
    for (const SRepMetaCollection* collection : members.GetCollections())
        for (auto& element : OwnedElements(object, static_cast<int32_t>(collection->GetId())))
            stored.push_back(std::move(element));
    return stored;
}

void SRepDocumentWriter::CheckNesting(const std::vector<SComWrap<ISRepObject>>& objects, int32_t maxDepth) {
    SRepPersistentClasses classes;
    for (const auto& object : objects) CheckNesting(object.Get(), maxDepth, classes);
}

void SRepDocumentWriter::CheckNesting(ISRepObject* object, int32_t levelsLeft, SRepPersistentClasses& classes) {
    const SRepPersistentClass* members = object ? classes.Find(object->GetClassID()) : nullptr;
    if (!members) return;
    if (levelsLeft < 1) SComThrow(E_INVALIDARG);
    for (const auto& element : StoredElements(object, *members)) CheckNesting(element.Get(), levelsLeft - 1, classes);
}

void SRepDocumentWriter::WriteObject(ISRepObject* object) {
    const SRepPersistentClass* found = object ? m_classes.Find(object->GetClassID()) : nullptr;
    if (!found) return;
    const SRepPersistentClass& members = *found;
    // What a reader would refuse is not written either.
    if (m_depth >= m_maxDepth) SComThrow(E_INVALIDARG);
    struct SLevel {
        int32_t& depth;
        explicit SLevel(int32_t& d) : depth(d) { ++depth; }
        ~SLevel() { --depth; }
    } level(m_depth);
    const SRepMetaClass& metaClass = *members.GetMetaClass();
    BeginObject(metaClass);
    for (const SRepMetaAttribute* attribute : members.GetAttributes()) {
        SRepVariant value;
        if (FAILED(object->GetAttribute(static_cast<int32_t>(attribute->GetId()), &value)) || value.IsEmpty()) continue;
        Attribute(*attribute, attribute->GetAttributeType(), value);
    }
    for (const SRepMetaCollection* collection : members.GetCollections()) {
        const auto elements = OwnedElements(object, static_cast<int32_t>(collection->GetId()));
        if (elements.empty()) continue;
        BeginCollection(*collection);
        for (const auto& element : elements) WriteObject(element.Get());
        EndCollection(*collection);
    }
    EndObject(metaClass);
}
