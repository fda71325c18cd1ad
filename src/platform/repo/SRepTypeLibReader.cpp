#include "platform/repo/SRepTypeLibReader.h"

#include <new>

#include "platform/base/SEIOException.h"
#include "platform/repo/SRepTypeLibFormat.h"

SReadResult SRepTypeLibReader::Read(std::unique_ptr<SRepTypeLib>& library) {
    library.reset();
    m_offset = m_fieldStart = m_errorOffset = 0;
    if (m_size > kMaxTypeLibSize) return {E_IOFAILURE, kMaxTypeLibSize, 0, 0};
    try {
        library = ReadTypeLib();
        return {S_OK, 0, 0, 0};
    } catch (const SEIOException&) {
        return {E_IOFAILURE, m_errorOffset, 0, 0};
    } catch (const std::bad_alloc&) {
        return {E_OUTOFMEMORY, m_offset, 0, 0};
    }
}

std::unique_ptr<SRepTypeLib> SRepTypeLibReader::ReadTypeLib() {
    Expect(ReadU32() == SRepTypeLibFormat::kMagic, "not a type library");
    Take(SRepTypeLibFormat::kReservedHeaderBytes);
    const uint8_t formatByte = ReadU8();
    SString nameSpace = ReadString();
    SString name = ReadString();
    const GUID libraryId = ReadGUID();
    auto library = std::make_unique<SRepTypeLib>(std::move(nameSpace), std::move(name), libraryId);
    library->m_formatByte = formatByte;
    for (uint32_t& word : library->m_headerWords) word = ReadU32();

    // Counts are walked, never used to size anything: each step consumes bytes, so a count that
    // promises more than there is runs into the end and fails there.
    const uint32_t referenceCount = ReadU32();
    for (uint32_t i = 0; i < referenceCount; ++i) library->m_references.push_back(ReadGUID());
    const uint32_t classCount = ReadU32();
    for (uint32_t i = 0; i < classCount; ++i) ReadClass(*library);

    Expect(ReadU32() == 0, "bad trailer");
    ExpectAt(m_offset == m_size, "bytes after the trailer", m_offset);
    return library;
}

void SRepTypeLibReader::ReadClass(SRepTypeLib& library) {
    ExpectKind(SRepTypeLibFormat::kClassRecord);
    SRepMetaClass::Record record;
    ReadNames(record.codeName, record.displayName);
    record.flags = ReadU32();
    record.classId = ReadGUID();
    record.index = ReadU32();
    record.stringId = ReadU32();
    ReadU32();  // reserved
    // The metaclasses know single inheritance only; a class names its one base or none.
    const uint32_t baseCount = ReadU32();
    Expect(baseCount <= 1, "more than one base class");
    if (baseCount == 1) {
        record.baseName = ReadString();
        Expect(!record.baseName.IsEmpty(), "empty base class name");
        record.baseClassId = ReadGUID();
    }
    SRepMetaClass& metaClass = library.AddClass(std::move(record));
    const uint32_t memberCount = ReadU32();
    for (uint32_t i = 0; i < memberCount; ++i) ReadMember(metaClass);
}

void SRepTypeLibReader::ReadMember(SRepMetaClass& metaClass) {
    const GUID kind = ReadGUID();
    Expect(kind == SRepTypeLibFormat::kAttributeRecord || kind == SRepTypeLibFormat::kCollectionRecord ||
               kind == SRepTypeLibFormat::kMethodRecord,
           "unknown member record kind");
    SString codeName, displayName;
    ReadNames(codeName, displayName);
    // An id declared twice by one class would make its look-up ambiguous. The id is the first
    // field after the names in every member layout.
    const size_t idOffset = m_offset;
    if (kind == SRepTypeLibFormat::kAttributeRecord)
        ExpectAt(metaClass.AddAttribute(ReadAttribute(std::move(codeName), std::move(displayName))),
                 "attribute id declared twice", idOffset);
    else if (kind == SRepTypeLibFormat::kCollectionRecord)
        ExpectAt(metaClass.AddCollection(ReadCollection(std::move(codeName), std::move(displayName))),
                 "collection id declared twice", idOffset);
    else
        ExpectAt(metaClass.AddMethod(ReadMethod(std::move(codeName), std::move(displayName))),
                 "method id declared twice", idOffset);
}

SRepMetaAttribute SRepTypeLibReader::ReadAttribute(SString codeName, SString displayName) {
    SRepMetaAttribute::Record record;
    record.codeName = std::move(codeName);
    record.displayName = std::move(displayName);
    record.id = ReadU32();
    record.w = ReadI32();
    record.stringId = ReadU32();
    ReadU32();  // reserved
    record.typeWord = ReadU32();
    record.flags = ReadU32();
    ReadU32();  // reserved
    ReadU8();   // reserved
    record.defaultValue = ReadString();
    return SRepMetaAttribute(std::move(record));
}

SRepMetaCollection SRepTypeLibReader::ReadCollection(SString codeName, SString displayName) {
    SRepMetaCollection::Record record;
    record.codeName = std::move(codeName);
    record.displayName = std::move(displayName);
    record.id = ReadU32();
    record.w = ReadI32();
    record.stringId = ReadU32();
    ReadU32();  // reserved
    record.kindWord = ReadU32();
    record.flags = ReadU32();
    record.endWord = ReadU32();
    ReadU16();  // reserved
    Expect(ReadU32() == SRepTypeLibFormat::kCollectionTerminator, "collection record not terminated");
    if (record.flags & SRepTypeLibFormat::kCollectionHasElementClass) record.elementClass = ReadGUID();
    return SRepMetaCollection(std::move(record));
}

SRepMetaMethod SRepTypeLibReader::ReadMethod(SString codeName, SString displayName) {
    SRepMetaMethod::Record record;
    record.codeName = std::move(codeName);
    record.displayName = std::move(displayName);
    record.id = ReadU32();
    for (uint32_t& word : record.words) word = ReadU32();
    record.returnTypeWord = ReadU32();
    record.kind = ReadU32();
    ReadU8();  // reserved
    record.returnTypeText = ReadString();
    record.returnName = ReadString();
    const uint32_t parameterCount = ReadU32();
    for (uint32_t i = 0; i < parameterCount; ++i) record.parameters.push_back(ReadParameter());
    return SRepMetaMethod(std::move(record));
}

SRepMetaParameter SRepTypeLibReader::ReadParameter() {
    // A parameter has a name only: no mark byte, no display name.
    ExpectKind(SRepTypeLibFormat::kParameterRecord);
    SString name = ReadString();
    ReadU32();  // reserved
    const bool in = ReadU8() != 0;
    const bool out = ReadU8() != 0;
    SString typeText = ReadString();
    ReadU8();  // closing bytes
    ReadU8();
    return SRepMetaParameter(std::move(name), std::move(typeText), in, out);
}

void SRepTypeLibReader::ReadNames(SString& codeName, SString& displayName) {
    Expect(ReadU8() == SRepTypeLibFormat::kNamedRecordMark, "bad record head");
    codeName = ReadString();
    displayName = ReadString();
}

void SRepTypeLibReader::ExpectKind(const GUID& kind) {
    Expect(ReadGUID() == kind, "record of another kind than due");
}

void SRepTypeLibReader::Expect(bool condition, const char* what) {
    ExpectAt(condition, what, m_fieldStart);
}

void SRepTypeLibReader::ExpectAt(bool condition, const char* what, size_t offset) {
    if (condition) return;
    m_errorOffset = offset;
    throw SEIOException(what, SEIOException::badFormat);
}

const uint8_t* SRepTypeLibReader::Take(size_t count) {
    m_fieldStart = m_offset;
    if (count > m_size - m_offset) {
        m_errorOffset = m_offset;
        throw SEIOException("type library ends early", SEIOException::endOfFile);
    }
    const uint8_t* bytes = m_data + m_offset;
    m_offset += count;
    return bytes;
}

uint8_t SRepTypeLibReader::ReadU8() {
    return *Take(1);
}

uint16_t SRepTypeLibReader::ReadU16() {
    const uint8_t* b = Take(2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t SRepTypeLibReader::ReadU32() {
    const uint8_t* b = Take(4);
    return uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
}

GUID SRepTypeLibReader::ReadGUID() {
    return GUIDFromBytes(Take(16));
}

SString SRepTypeLibReader::ReadString() {
    // A length byte counting the terminating 0, then the text and the 0; a 0 inside would cut
    // the name short wherever it is used as C text. The string is one field, from its length byte.
    const size_t start = m_offset;
    const uint8_t length = ReadU8();
    ExpectAt(length >= 1, "string without its terminator", start);
    const uint8_t* text = Take(length);
    m_fieldStart = start;
    Expect(text[length - 1] == 0, "string not terminated");
    for (uint8_t i = 0; i + 1 < length; ++i) Expect(text[i] != 0, "0 inside a string");
    return SString(reinterpret_cast<const char*>(text), length - 1u);
}
