#include "platform/repo/SRepObjectBaseRegistry.h"

// The framework's own attributes have no editors.
const SAttrEditorMap SRepObjectBaseRegistry::attrEditorMap = {nullptr, SREP_NO_ATTR_EDITORS};
