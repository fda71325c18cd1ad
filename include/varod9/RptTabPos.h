#pragma once
// Tab stops as the paragraph's tab operations take them: arrays of consecutive records, by
// pointer. Positions are in HIMETRIC (0.01 mm).
#include <cstdint>

#include "varod9/RptExport.h"

// Alignment of a tab stop. Any other value gives a stop without an alignment code.
inline constexpr int16_t RPT_TABPOS_ALIGN_LEFT = 1;
inline constexpr int16_t RPT_TABPOS_ALIGN_CENTER = 2;
inline constexpr int16_t RPT_TABPOS_ALIGN_RIGHT = 3;
inline constexpr int16_t RPT_TABPOS_ALIGNMENT_DEFAULT = RPT_TABPOS_ALIGN_LEFT;

// Operations of a tab log, as the tabs page of the format dialog records them. Any other code is
// skipped when the log is played.
inline constexpr int32_t RPT_TABPOS_OP_ADD = 1;        // add, replacing a stop at the same position
inline constexpr int32_t RPT_TABPOS_OP_REMOVE = 2;     // remove the stop of that position and alignment
inline constexpr int32_t RPT_TABPOS_OP_REMOVEALL = 3;  // remove every stop

struct RPT_EXPORT RPTTABPOS {
    int32_t position = 0;   // HIMETRIC
    int16_t alignment = RPT_TABPOS_ALIGNMENT_DEFAULT;  // RPT_TABPOS_ALIGN_...
};

struct RPT_EXPORT SRptTabPosOp {
    RPTTABPOS tab;
    int32_t op = 0;  // RPT_TABPOS_OP_...
};
