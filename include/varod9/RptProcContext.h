#pragma once
// The record exchanged with a host module's procedures for its items (ISRptUserProcs and the
// procedures of each kind): what the library tells the module about the item and the run, and
// what the module answers. This is the part every kind shares; the kinds that exchange more
// extend it. A fresh record has every word zero, the texts empty and the GUID null.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/GUID.h"
#include "varod9/RptExport.h"

struct ISRptGenerationClient;
struct ISRptItem;

struct RPT_EXPORT RPTPROCCONTEXT {
    ISRptGenerationClient* GenerationClient = nullptr;  // the run's client, or null
    int32_t ModuleCursor = 0;  // the module's own
    int32_t RowCursor = 0;     // the current element or data row, from 0
    int32_t Occurrence = 0;
    int32_t ItemParam = 0;     // the item's ItemParam
    SString Text1;             // the item's displayed title
    SString Text2;             // the title or text that the module returns
    SString Text3;
    GUID ObjectID{};           // the model object that the module returns
    ISRptItem* TargetItem = nullptr;  // returned by the module for a table cell
    int32_t UserParam = 0;     // a group's own word, carried between member calls
};
