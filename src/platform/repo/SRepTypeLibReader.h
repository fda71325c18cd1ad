#pragma once
// Reads a type library from its bytes (the METADATA resource of a module): the header, then each
// class record with its members, walking by the counts that the records carry, then the trailer.
// The bytes come from outside the reader's control: every read is checked against the end, a
// record of a kind other than the one due, a count that runs past the end or any byte after the
// trailer refuses the whole library, and nothing is allocated beyond what the bytes describe.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/com/GUID.h"
#include "platform/com/HRESULT.h"
#include "platform/repo/SRepTypeLib.h"

class SRepTypeLibReader {
public:
    SRepTypeLibReader(const uint8_t* data, size_t size) : m_data(data), m_size(data ? size : 0) {}

    // The library, or E_IOFAILURE (0x80030019) for bytes that do not parse exactly to their end,
    // E_OUTOFMEMORY when memory ran out; `library` is left empty on failure. The class records'
    // bases are read but not bound: that is the manager's business when it registers the library.
    HRESULT Read(std::unique_ptr<SRepTypeLib>& library);

    // Where the last read stopped, for diagnostics.
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
    void Expect(bool condition, const char* what);

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
};
