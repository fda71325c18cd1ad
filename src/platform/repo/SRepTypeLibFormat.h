#pragma once
// The constants of the binary type-library format: the magic word, the record kinds and the bits
// that the reader and the build-time writer of the report metamodel must agree on. Header-only so
// that the writer, a host tool, can share it without linking the library.
#include <cstdint>

#include "platform/com/GUID.h"

struct SRepTypeLibFormat {
    // The first word of every type library: the bytes "!S)V".
    static constexpr uint32_t kMagic = 0x56295321;
    // Magic, 28 reserved bytes: the format byte follows.
    static constexpr uint32_t kReservedHeaderBytes = 28;

    // Every record begins with the GUID of its kind.
    static constexpr GUID kClassRecord = MakeGUID("{362D41E4-9D82-11D1-8E5D-444553540000}");
    static constexpr GUID kCollectionRecord = MakeGUID("{362D41E6-9D82-11D1-8E5D-444553540000}");
    static constexpr GUID kAttributeRecord = MakeGUID("{362D41E7-9D82-11D1-8E5D-444553540000}");
    static constexpr GUID kMethodRecord = MakeGUID("{362D41E8-9D82-11D1-8E5D-444553540000}");
    static constexpr GUID kParameterRecord = MakeGUID("{362D41E9-9D82-11D1-8E5D-444553540000}");
    // The byte between a record's kind and its names (parameter records have none).
    static constexpr uint8_t kNamedRecordMark = 2;
    // Closes the fixed part of a collection record.
    static constexpr uint32_t kCollectionTerminator = 0xFFFFFFFF;

    // An attribute's type word as the objects answer it is the record's shifted right by 8 bits;
    // this bit marks a reference to another object.
    static constexpr uint32_t kObjectReferenceType = 0x80000000;
    // Attribute flags: the value is produced by the class's get operation, not stored.
    static constexpr uint32_t kAttributeComputed = 0x40000;
    // Collection flags: the element class GUID follows the record.
    static constexpr uint32_t kCollectionHasElementClass = 0x8000;
    // Collection kind word: set on the inverse end of a relationship.
    static constexpr uint32_t kCollectionInverseKind = 0x80000000;
    // The id of a relationship's inverse end is the owning end's id with this bit added.
    static constexpr uint32_t kInverseIdBit = 0x00800000;
    // Class flags: no factory, no objects of its own.
    static constexpr uint32_t kClassAbstract = 0x00001;

    // The separator of qualified class names ("Rpt::SRptPara").
    static constexpr const char* kScopeSeparator = "::";
};
