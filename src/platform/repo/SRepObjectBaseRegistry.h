#pragma once
// The registry data of the repository object base class: the root of every attribute-editor map.
#include "platform/repo/SAttrEditorMap.h"

class SRepObjectBaseRegistry {
public:
    static const SAttrEditorMap attrEditorMap;
};
