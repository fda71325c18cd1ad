#pragma once
// Reads a type library from its bytes (the METADATA resource of a module): the header, then each
// class record with its members, walking by the counts that the records carry, then the trailer.
// The bytes come from outside the reader's control: every read is checked against the end, a
// record of a kind other than the one due, a count that runs past the end or any byte after the
// trailer refuses the whole library, and nothing is allocated beyond what the bytes describe.
// Libraries of more than kMaxTypeLibSize bytes are refused unread.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/base/SReadResult.h"
#include "platform/com/GUID.h"
#include "platform/com/HRESULT.h"
#include "platform/repo/SRepTypeLib.h"

class SRepTypeLibReader {
public:
    // The largest library read: 16 MiB, some 500 times the report metamodel. A larger one is
    // refused with E_IOFAILURE at this offset, so that no module can make the registration at
    // start-up take memory and time without bound.
    static constexpr size_t kMaxTypeLibSize = size_t{16} << 20;

    SRepTypeLibReader(const uint8_t* data, size_t size) : m_data(data), m_size(data ? size : 0) {}

    // The library, or E_IOFAILURE (0x80030019) for bytes that do not parse exactly to their end or
    // are too many, E_OUTOFMEMORY when memory ran out; `library` is left empty on failure. A
    // refusal carries the offset of the first record or field that went wrong (for bytes that end
    // early, the field that runs past the end); line and column stay 0. The class records' bases
    // are read but not bound: that is the manager's business when it registers the library.
    SReadResult Read(std::unique_ptr<SRepTypeLib>& library);

    // Where the last read stopped: the end of the bytes after a read that succeeded.
    size_t GetOffset() const { return m_offset; }

private:
    std::unique_ptr<SRepTypeLib> ReadTypeLib();
    void ReadClass(SRepTypeLib& library);
    void ReadMember(SRepMetaClass& metaClass);
    SRepMetaAttribute ReadAttribute(SString codeName, SString displayName);
    SRepMetaCollection ReadCollection(SString codeName, SString displayName);
    SRepMetaMethod ReadMethod(SString codeName, SString displayName);
    SRepMetaParameter ReadParameter();

    // The record head: kind GUID, the mark byte and the two names.
    void ReadNames(SString& codeName, SString& displayName);
    void ExpectKind(const GUID& kind);
    // Fails the read at the field read last, or at `offset`.
    void Expect(bool condition, const char* what);
    void ExpectAt(bool condition, const char* what, size_t offset);

    const uint8_t* Take(size_t count);
    uint8_t ReadU8();
    uint16_t ReadU16();
    uint32_t ReadU32();
    int32_t ReadI32() { return static_cast<int32_t>(ReadU32()); }
    GUID ReadGUID();
    SString ReadString();

    const uint8_t* m_data;
    size_t m_size;
    size_t m_offset = 0;
    // Where the field read last begins, and where the read failed.
    size_t m_fieldStart = 0;
    size_t m_errorOffset = 0;
};
