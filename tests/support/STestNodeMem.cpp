#include "support/STestNodeMem.h"

#include <utility>

#include "platform/repo/SRepObjectBaseRegistry.h"

STestNodeMem::STestNodeMem(const STestNodeMem& source)
    : SRepObjectBaseImpl(source),
      m_name(source.m_name),
      m_text(source.m_text),
      m_short(source.m_short),
      m_int(source.m_int),
      m_bool(source.m_bool),
      m_rect(source.m_rect),
      m_point(source.m_point),
      m_date(source.m_date) {}

void* STestNodeMem::InternalQueryInterface(const GUID& riid) {
    if (void* face = SRepQueryClassInterface<ISTestNode>(this, riid)) return face;
    if (void* face = SRepObjectBaseImpl::InternalQueryInterface(riid)) return face;
    if (riid == ISRepObjectInit::iid) return static_cast<ISRepObjectInit*>(this);
    return nullptr;
}

bool STestNodeMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_STestNode || SRepObjectBaseImpl::ClassIsKindOf(clsid);
}

bool STestNodeMem::ClassHasCollection(int32_t id) {
    return id == NODE_ITEMS || id == NODE_PARENT || id == NODE_LINKS || SRepObjectBaseImpl::ClassHasCollection(id);
}

bool STestNodeMem::HasAttribute(int32_t id) const {
    switch (id) {
        case NODE_NAME:
        case NODE_TEXT:
        case NODE_SHORT:
        case NODE_INT:
        case NODE_BOOL:
        case NODE_RECT:
        case NODE_POINT:
        case NODE_DATE: return true;
        default: return SRepObjectBaseImpl::HasAttribute(id);
    }
}

uint32_t STestNodeMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case NODE_NAME: return SREP_VT_CHAR254;
        case NODE_TEXT: return SREP_VT_TEXT;
        case NODE_SHORT: return SREP_VT_SHORT;
        case NODE_INT: return SREP_VT_INT;
        case NODE_BOOL: return SREP_VT_BOOL;
        case NODE_RECT: return SREP_VT_RECT;
        case NODE_POINT: return SREP_VT_POINT;
        case NODE_DATE: return SREP_VT_DATE;
        default: return SRepObjectBaseImpl::GetAttributeType(id);
    }
}

HRESULT STestNodeMem::GetAttribute(int32_t id, SRepVariant* value) {
    if (!value) return E_POINTER;
    switch (id) {
        case NODE_NAME: value->SetChar(m_name); return S_OK;
        case NODE_TEXT: value->SetText(m_text); return S_OK;
        case NODE_SHORT: value->SetShort(m_short); return S_OK;
        case NODE_INT: value->SetInt(m_int); return S_OK;
        case NODE_BOOL: value->SetBool(m_bool); return S_OK;
        case NODE_RECT: value->SetRECT(m_rect); return S_OK;
        case NODE_POINT: value->SetPOINT(m_point); return S_OK;
        case NODE_DATE: value->SetDATE(m_date); return S_OK;
        default: return SRepObjectBaseImpl::GetAttribute(id, value);
    }
}

HRESULT STestNodeMem::SetAttribute(int32_t id, const SRepVariant& value) {
    switch (id) {
        case NODE_NAME: return VSet_CHAR(id, value, m_name);
        case NODE_TEXT: return VSet_TEXT(id, value, m_text);
        case NODE_SHORT: return VSet_SHORT(id, value, m_short);
        case NODE_INT: return VSet_INT(id, value, m_int);
        case NODE_BOOL: return VSet_BOOL(id, value, m_bool);
        case NODE_RECT: return VSet_RECT(id, value, m_rect);
        case NODE_POINT: return VSet_POINT(id, value, m_point);
        case NODE_DATE: return VSet_DATE(id, value, m_date);
        default: return SRepObjectBaseImpl::SetAttribute(id, value);
    }
}

HRESULT STestNodeMem::FinalConstruct() {
    HRESULT hr = SRepObjectBaseImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    hr = std::exchange(failNextFinalConstruct, S_OK);
    if (FAILED(hr)) return hr;
    STestNodeRegistry::MarkClassInitialised();
    return S_OK;
}

HRESULT STestNodeMem::InitObject(ISRepObject* parent) noexcept {
    if (initCount > 0) return S_FALSE;
    ++initCount;
    initParent = parent;
    return std::exchange(failNextInit, S_OK);
}

HRESULT STestNodeMem::OnUpdateAttribute(int32_t id) {
    updates.push_back(id);
    return SRepObjectBaseImpl::OnUpdateAttribute(id);
}

HRESULT STestNodeMem::OnCollectionInsert(int32_t id, ISRepObject* object, int32_t position) {
    inserts.emplace_back(id, position);
    return SRepObjectBaseImpl::OnCollectionInsert(id, object, position);
}

STestNodeRegistry::STestNodeRegistry()
    : SRepStaticRegistry(CLSID_STestNode, &SRepObjectBaseRegistry::attrEditorMap, &SRepComObject<STestNodeMem>::Factory,
                         &STestNodeMem::ClassIsKindOf, &STestNodeMem::ClassHasCollection, 0, &Counter()) {
    // Small blocks, so that the tests run over several of them.
    UseAllocator(sizeof(SRepComObject<STestNodeMem>), 4, "STestNode");
}

SModuleState& STestNodeRegistry::Counter() {
    static SModuleState counter;
    return counter;
}

SComWrap<ISTestNode> MakeTestNode(ISRepSession* session, const char* name, bool initialise) {
    SComWrap<ISTestNode> node;
    session->CreateObject(CLSID_STestNode, reinterpret_cast<void**>(&node), ISTestNode::iid, initialise);
    if (node) node->PutName(name);
    return node;
}
