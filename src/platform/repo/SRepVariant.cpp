#include "platform/repo/SRepVariant.h"

#include <utility>

#include "platform/repo/ISRepClassCol.h"
#include "platform/repo/ISRepObject.h"

SRepVariant::SRepVariant(SRepVariant&& other) noexcept
    : m_type(other.m_type),
      m_number(other.m_number),
      m_text(std::move(other.m_text)),
      m_oid(other.m_oid),
      m_point(other.m_point),
      m_rect(other.m_rect),
      m_interface(std::move(other.m_interface)) {
    other.Clear();
}

SRepVariant& SRepVariant::operator=(const SRepVariant& other) {
    if (this != &other) {
        SRepVariant copy(other);
        *this = std::move(copy);
    }
    return *this;
}

SRepVariant& SRepVariant::operator=(SRepVariant&& other) noexcept {
    if (this != &other) {
        m_type = other.m_type;
        m_number = other.m_number;
        m_text = std::move(other.m_text);
        m_oid = other.m_oid;
        m_point = other.m_point;
        m_rect = other.m_rect;
        m_interface = std::move(other.m_interface);
        other.Clear();
    }
    return *this;
}

SRepVariant::~SRepVariant() = default;

void SRepVariant::ReleaseData() {
    m_number = 0;
    m_text.Empty();
    m_oid = GUID_NULL;
    m_point = POINT{};
    m_rect = RECT{};
    m_interface.Clear();
}

void SRepVariant::Clear() {
    ReleaseData();
    m_type = SREP_VT_EMPTY;
}

void SRepVariant::SetShort(int16_t value) {
    Clear();
    m_type = SREP_VT_SHORT;
    m_number = value;
}

void SRepVariant::SetInt(int32_t value) {
    Clear();
    m_type = SREP_VT_INT;
    m_number = value;
}

void SRepVariant::SetBool(bool value) {
    Clear();
    m_type = SREP_VT_BOOL;
    m_number = value ? 1 : 0;
}

void SRepVariant::SetDATE(int32_t time) {
    Clear();
    m_type = SREP_VT_DATE;
    m_number = time;
}

void SRepVariant::SetChar(const SString& text, int32_t maxLength) {
    if (maxLength < 1) maxLength = 1;
    if (maxLength > 0xFFFF) maxLength = 0xFFFF;
    SString cut = text.LeftChars(maxLength);
    Clear();
    m_type = SREP_VT_CHAR | static_cast<uint32_t>(maxLength);
    m_text = std::move(cut);
}

void SRepVariant::SetText(const SString& text) {
    SString copy = text;
    Clear();
    m_type = SREP_VT_TEXT;
    m_text = std::move(copy);
}

void SRepVariant::SetOID(const GUID& oid) {
    Clear();
    m_type = SREP_VT_OID;
    m_oid = oid;
}

void SRepVariant::SetPOINT(const POINT& point) {
    Clear();
    m_type = SREP_VT_POINT;
    m_point = point;
}

void SRepVariant::SetRECT(const RECT& rect) {
    Clear();
    m_type = SREP_VT_RECT;
    m_rect = rect;
}

void SRepVariant::SetIOBJECT(ISRepObject* object) {
    // The new reference is taken before the old value goes, so that setting a variant to the
    // object it already holds keeps the object alive.
    SComWrap<IUnknown> held(object);
    Clear();
    m_type = SREP_VT_OBJECT;
    m_interface = std::move(held);
}

void SRepVariant::SetCollection(ISRepClassCol* collection) {
    SComWrap<IUnknown> held(collection);
    Clear();
    m_type = SREP_VT_COLLECTION;
    m_interface = std::move(held);
}

ISRepObject* SRepVariant::GetIOBJECT() const {
    if (m_type != SREP_VT_OBJECT) return nullptr;
    return static_cast<ISRepObject*>(m_interface.Get());
}

ISRepClassCol* SRepVariant::GetCollection() const {
    if (m_type != SREP_VT_COLLECTION) return nullptr;
    return static_cast<ISRepClassCol*>(m_interface.Get());
}

bool operator==(const SRepVariant& a, const SRepVariant& b) {
    if (a.m_type != b.m_type) return false;
    switch (a.m_type) {
        case SREP_VT_EMPTY: return true;
        case SREP_VT_OID: return a.m_oid == b.m_oid;
        case SREP_VT_POINT: return a.m_point == b.m_point;
        case SREP_VT_RECT: return a.m_rect == b.m_rect;
        case SREP_VT_OBJECT:
        case SREP_VT_COLLECTION: return a.m_interface.Get() == b.m_interface.Get();
        default: break;
    }
    if (a.IsText()) return a.m_text == b.m_text;
    return a.m_number == b.m_number;
}
