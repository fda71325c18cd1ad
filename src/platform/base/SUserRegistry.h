#pragma once
// The application's keys in the settings store.
#include "platform/base/SRegistry.h"

class SUserRegistry {
public:
    // Key paths; each ends with a separator so that sub-keys are appended directly.
    static const SString sApplicationRoot;
    static const SString sApplicationPaths;
    static const SString sApplicationGeneral;

    // Copies the machine's value `name` under `key` into the current user's key. False when
    // the machine has no such value.
    static bool CopyHKLM(const SString& key, const SString& name);
};
