#pragma once
// The application's keys in the settings store.
#include "platform/base/SRegistry.h"

class SUserRegistry {
public:
    // Key paths; each ends with a separator so that sub-keys are appended directly. Plain
    // constants, so that they are valid before any dynamic initialisation has run.
    static constexpr const char* sApplicationRoot = "Software\\Report Editor\\";
    static constexpr const char* sApplicationPaths = "Software\\Report Editor\\Paths\\";
    static constexpr const char* sApplicationGeneral = "Software\\Report Editor\\General\\";

    // Copies the machine's value `name` under `key` into the current user's key. False when
    // the machine has no such value.
    static bool CopyHKLM(const SString& key, const SString& name);
};
