#pragma once
// Which editor class edits which attribute, class by class: each registry's map names the
// editors of its own attributes and chains to the map of its base class. A table ends with
// {0, nullptr}.
#include <cstdint>

#include "platform/base/SClassInfo.h"

struct SAttrEditorMapEntry {
    int32_t attributeId = 0;
    const SClassInfo* editorClass = nullptr;
};

struct SAttrEditorMap {
    const SAttrEditorMap* baseMap = nullptr;
    const SAttrEditorMapEntry* entries = nullptr;

    // The editor of an attribute: this map's entry, else the nearest base map's; null when none.
    const SClassInfo* FindEditor(int32_t attributeId) const {
        for (const SAttrEditorMap* map = this; map; map = map->baseMap)
            for (const SAttrEditorMapEntry* e = map->entries; e && e->editorClass; ++e)
                if (e->attributeId == attributeId) return e->editorClass;
        return nullptr;
    }
};

// The table of a map without entries.
inline constexpr SAttrEditorMapEntry SREP_NO_ATTR_EDITORS[] = {{0, nullptr}};
