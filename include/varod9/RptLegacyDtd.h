#pragma once
// The element-name tables of template files written by older versions. Each filler enters into
// the table it is given, for every class that files of its version may hold, a class entry under
// the class's old element name and, under it, the old names of its attributes and collections
// bound to the current members with the same ids. Results: E_INVALIDARG for a null table,
// E_FAIL without a type-library manager, E_OUTOFMEMORY when a class entry cannot be made (at
// once); otherwise 0 when every name was bound, else RPT_DTD_CLASS_MISSING when a class has no
// current class, else RPT_DTD_COLLECTION_MISSING, else RPT_DTD_ATTRIBUTE_MISSING (unbound
// names are skipped, so these are successes with a table as full as the metamodel allows).
#include <cstdint>

#include "platform/com/HRESULT.h"
#include "platform/repo/SRepMetaDTD.h"
#include "varod9/RptExport.h"

inline constexpr HRESULT RPT_DTD_CLASS_MISSING = 0x21000000;
inline constexpr HRESULT RPT_DTD_COLLECTION_MISSING = 0x21000001;
inline constexpr HRESULT RPT_DTD_ATTRIBUTE_MISSING = 0x21000002;

// Files of version 7.0.0 and lower.
RPT_EXPORT HRESULT Fill_Rpt_DTD_7_0_0(SRepMetaDTD* dtd);
// Above 7.0.0 up to 7.0.3.
RPT_EXPORT HRESULT Fill_Rpt_DTD_7_0_3(SRepMetaDTD* dtd);
// Above 7.0.3 up to 7.5.0.
RPT_EXPORT HRESULT Fill_Rpt_DTD_7_5_0(SRepMetaDTD* dtd);
// Above 7.5.0 up to 8.0.0.
RPT_EXPORT HRESULT Fill_Rpt_DTD_8_0_0(SRepMetaDTD* dtd);
// Above 8.0.0 up to 8.0.1.
RPT_EXPORT HRESULT Fill_Rpt_DTD_8_0_1(SRepMetaDTD* dtd);
