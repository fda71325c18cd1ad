#pragma once
// The report classes' type library: the bytes of the METADATA resource (id 1000), generated at
// build time from RptMetamodel.txt.
#include <cstdint>

class SRptMetadata {
public:
    static constexpr const char* kResourceType = "METADATA";
    static constexpr uint32_t kResourceId = 1000;

    static const uint8_t* GetData();
    static uint32_t GetSize();
};
