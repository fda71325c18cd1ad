#pragma once
// The element-name tables of template files written by older versions of the library: for each
// version, the classes its files may hold (in the order their entries go into a name table), each
// with its "o:" element name and the "a:" and "c:" names of its attributes and collections,
// bound by the 32-bit id of the current member that each name stands for.
#include <cstdint>

#include "platform/com/GUID.h"

struct RPTDTDENTRY {
    uint32_t id;        // the current attribute or collection id
    uint32_t typeWord;  // attributes: the value type in files of that version; collections: 0
    const char* name;   // "a:..." or "c:..."
};

struct RPTDTDCLASS {
    GUID clsid;
    const char* name;  // "o:" and the class's code name
    const RPTDTDENTRY* attributes;  // ascending ids
    uint16_t attributeCount;
    const RPTDTDENTRY* collections;  // ascending ids
    uint16_t collectionCount;
};

struct RPTDTDVERSION {
    const char* version;  // "7.0.0" ...
    const RPTDTDCLASS* classes;
    uint16_t classCount;
};

class SRptLegacyNameTables {
public:
    // The versions in ascending order: 7.0.0, 7.0.3, 7.5.0, 8.0.0, 8.0.1.
    static const RPTDTDVERSION* GetVersions(int32_t* count);
};
