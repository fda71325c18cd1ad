#pragma once
// A tagged attribute value. The type word says what it holds: the type code in bits 16-23, the
// length of a CHAR in bits 0-15, bit 31 for a reference to an object or a collection.
// 0x10000 object id, 0x20000 short, 0x30000 int, 0x40000 bool, 0x80000 date (seconds since
// 1970), 0x9xxxx CHAR (text of at most xxxx characters, 0x900FE: 254), 0xA0000 text, 0xE0000
// point, 0xF0000 rectangle, 0x80030000 object reference, 0x80040000 collection. 0 is empty.
#include <cstdint>

#include "platform/base/POINT.h"
#include "platform/base/RECT.h"
#include "platform/base/SString.h"
#include "platform/com/SComWrap.h"

struct ISRepObject;
struct ISRepClassCol;

inline constexpr uint32_t SREP_VT_EMPTY = 0;
inline constexpr uint32_t SREP_VT_OID = 0x00010000;
inline constexpr uint32_t SREP_VT_SHORT = 0x00020000;
inline constexpr uint32_t SREP_VT_INT = 0x00030000;
inline constexpr uint32_t SREP_VT_BOOL = 0x00040000;
inline constexpr uint32_t SREP_VT_DATE = 0x00080000;
inline constexpr uint32_t SREP_VT_CHAR = 0x00090000;  // or'ed with the maximum length
inline constexpr uint32_t SREP_VT_CHAR254 = 0x000900FE;
inline constexpr uint32_t SREP_VT_TEXT = 0x000A0000;
inline constexpr uint32_t SREP_VT_POINT = 0x000E0000;
inline constexpr uint32_t SREP_VT_RECT = 0x000F0000;
inline constexpr uint32_t SREP_VT_OBJECT = 0x80030000;
inline constexpr uint32_t SREP_VT_COLLECTION = 0x80040000;

// The longest CHAR value, in characters.
inline constexpr int32_t SREP_CHAR_MAX = 254;

class SRepVariant {
public:
    SRepVariant() = default;
    SRepVariant(const SRepVariant& other) = default;
    SRepVariant(SRepVariant&& other) noexcept;
    SRepVariant& operator=(const SRepVariant& other);
    SRepVariant& operator=(SRepVariant&& other) noexcept;
    ~SRepVariant();

    uint32_t GetType() const { return m_type; }
    bool IsEmpty() const { return m_type == SREP_VT_EMPTY; }
    // CHAR of any length, or text.
    bool IsText() const { return IsTextType(m_type); }
    // Short, int or bool.
    bool IsNumber() const { return m_type == SREP_VT_SHORT || m_type == SREP_VT_INT || m_type == SREP_VT_BOOL; }
    static bool IsTextType(uint32_t type) {
        return type == SREP_VT_TEXT || (type & 0xFFFF0000u) == SREP_VT_CHAR;
    }

    // Frees what the value holds (text, a reference) and makes it empty.
    void Clear();
    // Frees what the value holds but keeps the type word: the value reads as zero, empty or null.
    void ReleaseData();

    void SetShort(int16_t value);
    void SetInt(int32_t value);
    void SetBool(bool value);
    void SetDATE(int32_t time);
    // CHAR: at most `maxLength` characters (1 to 0xFFFF), cut without splitting a UTF-8 sequence.
    void SetChar(const SString& text, int32_t maxLength = SREP_CHAR_MAX);
    void SetText(const SString& text);
    void SetOID(const GUID& oid);
    void SetPOINT(const POINT& point);
    void SetRECT(const RECT& rect);
    // Takes a reference of its own on the object or collection (null allowed).
    void SetIOBJECT(ISRepObject* object);
    void SetCollection(ISRepClassCol* collection);

    // Numbers read across short, int and bool; other types read as 0.
    int16_t GetShort() const { return IsNumber() ? static_cast<int16_t>(m_number) : int16_t{0}; }
    int32_t GetInt() const { return IsNumber() ? m_number : 0; }
    bool GetBool() const { return IsNumber() && m_number != 0; }
    int32_t GetDATE() const { return m_type == SREP_VT_DATE ? m_number : 0; }
    // The text of a CHAR or text value; empty for other types.
    SString GetText() const { return IsText() ? m_text : SString(); }
    GUID GetOID() const { return m_type == SREP_VT_OID ? m_oid : GUID_NULL; }
    POINT GetPOINT() const { return m_type == SREP_VT_POINT ? m_point : POINT{}; }
    RECT GetRECT() const { return m_type == SREP_VT_RECT ? m_rect : RECT{}; }
    // The object or collection without a reference for the caller; null for other types.
    ISRepObject* GetIOBJECT() const;
    ISRepClassCol* GetCollection() const;

    friend bool operator==(const SRepVariant& a, const SRepVariant& b);

private:
    uint32_t m_type = SREP_VT_EMPTY;
    int32_t m_number = 0;
    SString m_text;
    GUID m_oid{};
    POINT m_point{};
    RECT m_rect{};
    SComWrap<IUnknown> m_interface;
};
