#pragma once
// Reads the binary form (SRepBinFormat) from a stream: the header and signature, the body, or one
// object record alone. Every count and length is checked against what may follow before it is
// used, a record is read in chunks as its bytes arrive (a length that the input does not hold
// allocates nothing near it), and nesting is bounded by the document builder. What does not read
// throws SRepFormatException with the byte offset from the start of the stream.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/SInputStream.h"
#include "platform/repo/SStringMap.h"

class SRepDocumentBuilder;

class SRepBinReader {
public:
    explicit SRepBinReader(SInputStream& in) : m_in(in) {}

    // The header and the signature; the stream then stands at the body.
    void ReadSignature(SString& typeName, SString& version, SStringMap& map);
    // The body name, the top objects and the end marker.
    void ReadBody(SRepDocumentBuilder& builder, SString& bodyName);
    // One object record; an object of a class that the builder leaves out makes nothing.
    void ReadObjectRecord(SRepDocumentBuilder& builder);

private:
    [[noreturn]] void Refuse(const char* message) const;
    [[noreturn]] static void Refuse(const char* message, uint64_t offset);
    void Bytes(void* buffer, size_t count);
    uint32_t Word();
    std::string Text();
    // `length` bytes, read in chunks.
    std::string Block(uint32_t length);

    // The records of an object's body (after its tag and length) at `base` in the stream.
    static void ParseObject(std::string_view body, uint64_t base, SRepDocumentBuilder& builder);
    static void ParseMembers(std::string_view body, size_t pos, uint64_t base, SRepDocumentBuilder& builder);
    static void ParseCollection(std::string_view body, uint64_t base, SRepDocumentBuilder& builder);
    // The next record at `pos`: its tag and body; `pos` moves past it.
    static std::string_view NextRecord(std::string_view bytes, size_t& pos, uint64_t base, uint8_t& tag);
    static uint32_t WordAt(std::string_view bytes, size_t pos);

    SInputStream& m_in;
};
