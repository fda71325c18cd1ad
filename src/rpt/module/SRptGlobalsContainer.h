#pragma once
// The one object that holds the library-wide state, reached through GetRptGlobalsContainer. The
// library's start-up builds it right after the report font tables and its shut-down destroys it
// in reverse. It holds, for now, the library's printer cache (whose page set-up the table of
// contents and the output devices read); the rest of the library-wide state joins it as the
// parts that use it arrive.
#include <cstdint>

#include "platform/gdi/SPrinterCache.h"

class SRptGlobalsContainer {
public:
    // The printer cache's size, as the cache is built.
    static constexpr int32_t kPrinterCacheSize = 8;

    SRptGlobalsContainer();
    virtual ~SRptGlobalsContainer();
    SRptGlobalsContainer(const SRptGlobalsContainer&) = delete;
    SRptGlobalsContainer& operator=(const SRptGlobalsContainer&) = delete;

    SPrinterCache* GetPrinterCache() { return &m_printerCache; }

    // The start-up's steps: build the one instance, and destroy it (each once only).
    static void Construct();
    static void Destroy();

private:
    SPrinterCache m_printerCache;
};
