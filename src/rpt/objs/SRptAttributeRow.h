#pragma once
// One row of a report class's attribute table: an attribute of the class (its id, type word and
// flags as the class answers them, and how it is read, written and defaulted) or one of the
// class's collections, which GetAttribute also reads. The rows are generated from the metamodel
// (SRptAttributeTables.cpp in the build folder) with SRptAttributeAccess; a row with id 0 ends
// them.
#include <cstdint>

#include "platform/com/HRESULT.h"

class SRptBaseMem;
class SRepVariant;

struct SRptAttributeRow {
    int32_t id = 0;
    // The SRepVariant type word (SREP_VT_SHORT, SREP_VT_CHAR254 ...); 0 for a collection.
    uint32_t type = 0;
    // The metamodel's flags word shifted right by 8 bits (8 for a stored attribute marked 0x800).
    uint32_t flags = 0;
    // Reads the value (or the collection) into the variant.
    HRESULT (*get)(SRptBaseMem& object, int32_t id, SRepVariant& value) = nullptr;
    // Writes it from the variant; null for a read-only attribute and for a collection.
    HRESULT (*set)(SRptBaseMem& object, int32_t id, const SRepVariant& value) = nullptr;
    // The default: S_OK with the value, or E_NOTIMPL with an empty value for an attribute that
    // has none; null for a collection.
    HRESULT (*getDefault)(SRepVariant& value) = nullptr;

    bool IsCollection() const { return type == 0; }
    // Produced by the class's getter rather than stored (the metamodel's flag 0x40000).
    bool IsComputed() const { return (flags & 0x400) != 0; }
};
