#include "rpt/editor/SRptAttrEditorTableCellWidth.h"

const SClassInfo SRptAttrEditorTableCellWidth::classInfo = {"SRptAttrEditorTableCellWidth", nullptr};
