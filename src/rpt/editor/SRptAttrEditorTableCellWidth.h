#pragma once
// The editor of a table cell's Width in the editor's grids: a fixed width or a percentage of what
// the fixed cells leave. The table cell's attribute-editor map names it by its class record.
#include "platform/base/SClassInfo.h"

class SRptAttrEditorTableCellWidth {
public:
    static const SClassInfo classInfo;
};
