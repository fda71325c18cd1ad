#pragma once
// A class record: the class's name and the record of its base class, so that code holding only a
// record (an attribute-editor map, a message map) can name the class and test its derivation.
#include <cstring>

struct SClassInfo {
    const char* className = nullptr;
    const SClassInfo* baseClass = nullptr;

    bool IsDerivedFrom(const SClassInfo* other) const {
        for (const SClassInfo* info = this; info; info = info->baseClass)
            if (info == other) return true;
        return false;
    }
    bool HasName(const char* name) const { return className && name && std::strcmp(className, name) == 0; }
};
