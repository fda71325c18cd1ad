#include "platform/repo/SRepDocumentBuilder.h"

#include "platform/com/SComCheck.h"
#include "platform/repo/ISRepClassCol.h"
#include "platform/repo/SRepFormatException.h"
#include "platform/repo/SRepMetaClass.h"
#include "platform/repo/SRepRegistry.h"
#include "platform/repo/SRepVariant.h"

SRepDocumentBuilder::SRepDocumentBuilder(ISRepSession* session, int32_t maxDepth)
    : m_session(session), m_maxDepth(maxDepth) {}

SRepDocumentBuilder::~SRepDocumentBuilder() {
    if (m_committed) return;
    // The objects still open belong to nothing yet; the top objects own what was completed.
    for (auto it = m_frames.rbegin(); it != m_frames.rend(); ++it) it->object->Delete();
    for (auto& object : m_top) object->Delete();
}

bool SRepDocumentBuilder::BeginObject(const SRepMetaClass* metaClass, uint64_t offset) {
    if (!metaClass) return false;
    if (static_cast<int32_t>(m_frames.size()) >= m_maxDepth)
        throw SRepFormatException("Objects nested too deep", offset);
    if (!m_frames.empty()) {
        const SRepMetaCollection* collection = m_frames.back().collection;
        if (!collection || !SRepPersistentClass::AcceptsElement(*collection, *metaClass)) return false;
    }
    const SRepRegistry* registry = SRepRegistry::Find(metaClass->GetClassId());
    if (!registry || !registry->IsCreatable()) return false;
    Frame frame;
    SComCheck(SRepRegistry::CreateObject(metaClass->GetClassId(), m_session.Get(), &frame.object));
    if (!frame.object) SComThrow(E_UNEXPECTED);
    frame.metaClass = metaClass;
    m_frames.push_back(std::move(frame));
    return true;
}

const SRepMetaClass* SRepDocumentBuilder::GetCurrentClass() const {
    return m_frames.empty() ? nullptr : m_frames.back().metaClass;
}

void SRepDocumentBuilder::SetAttribute(const SRepMetaAttribute& attribute, const SRepVariant& value) {
    if (m_frames.empty()) return;
    // What the object refuses (a value out of its range, an attribute it computes) is dropped:
    // the rest of the document still reads.
    m_frames.back().object->SetAttribute(static_cast<int32_t>(attribute.GetId()), value);
}

bool SRepDocumentBuilder::BeginCollection(const SRepMetaCollection& collection) {
    if (m_frames.empty() || m_frames.back().collection) return false;
    if (!m_frames.back().object->HasCollection(static_cast<int32_t>(collection.GetId()))) return false;
    m_frames.back().collection = &collection;
    return true;
}

void SRepDocumentBuilder::EndCollection() {
    if (!m_frames.empty()) m_frames.back().collection = nullptr;
}

void SRepDocumentBuilder::EndObject() {
    if (m_frames.empty()) return;
    Frame done = std::move(m_frames.back());
    m_frames.pop_back();
    if (m_frames.empty()) {
        m_top.push_back(std::move(done.object));
        return;
    }
    SComWrap<ISRepClassCol> collection;
    HRESULT hr = m_frames.back().object->GetCollection(static_cast<int32_t>(m_frames.back().collection->GetId()),
                                                       &collection);
    if (SUCCEEDED(hr)) hr = collection->Insert(-1, done.object.Get());
    if (FAILED(hr)) {
        done.object->Delete();
        SComThrow(hr);
    }
}
