#pragma once
// The field description record that a host module fills to register a text variable, and the
// request that a field hands to the module's value provider.
#include <cstdint>

#include "platform/base/SString.h"
#include "varod9/RptExport.h"

struct ISRptFieldProcs;
struct ISRptGenerationClient;

inline constexpr uint32_t RPTFIELDDEF_SIZE = 32;

struct RPT_EXPORT RPTFIELDDEF {
    uint32_t Size = RPTFIELDDEF_SIZE;  // never read by the field
    uint32_t Reserved = 0;             // never read by the field
    int32_t PresenceFlag = 0;
    SString ModuleID;   // the module whose templates show the field
    SString FieldName;  // the token that headers and footers write, "%" included: "%MODELNAME%"
    SString Descr;      // what the report editor's menu of fields calls it
    SString Value;                     // the fixed value, used when there is no provider
    ISRptFieldProcs* FieldProcs = nullptr;  // the value provider; may be null
};

struct RPT_EXPORT RPTFIELDVALREQ {
    int32_t Reserved = 0;
    SString FieldName;
    SString Value;  // filled by the provider
    ISRptGenerationClient* GenerationClient = nullptr;  // the run's client, or null
};
