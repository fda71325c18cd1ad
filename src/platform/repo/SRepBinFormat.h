#pragma once
// The binary form of a repository document, little-endian throughout:
//   "SREP", format word 1
//   signature: type name, version (texts), entry count, then each entry's name and value
//   body name (text), top-object count, the top objects' records
//   end marker "SEND"
// A text is its byte count (32 bits) and its UTF-8 bytes. A record is a tag byte, the count of
// the bytes that follow (32 bits), then those bytes, so that every record delimits itself and a
// reader can step over one it does not know:
//   'O' object:     class GUID (16 bytes), then its 'A' and 'C' records
//   'A' attribute:  id (32 bits), type word (32 bits), the value's bytes
//   'C' collection: id (32 bits), then the 'O' records of its elements
#include <cstdint>

struct SRepBinFormat {
    static constexpr char kMagic[4] = {'S', 'R', 'E', 'P'};
    static constexpr char kEndMarker[4] = {'S', 'E', 'N', 'D'};
    static constexpr uint32_t kFormatVersion = 1;
    static constexpr uint8_t kObjectTag = 'O';
    static constexpr uint8_t kAttributeTag = 'A';
    static constexpr uint8_t kCollectionTag = 'C';
    // Bounds of the signature that no document of this system comes near; beyond them the input
    // is refused before anything is allocated for it.
    static constexpr uint32_t kMaxText = 16u << 20;
    static constexpr uint32_t kMaxEntries = 4096;
    // A record is as long as its length word can say. No smaller bound would protect the reader:
    // it allocates only the bytes that really arrive, finds every inner record within the one
    // that holds it, and builds objects no deeper than documents nest (SRepDocumentLimits); and
    // the XML form counts no elements either, so a smaller bound would refuse templates that it
    // holds.
    static constexpr uint32_t kMaxRecord = UINT32_MAX;
};
