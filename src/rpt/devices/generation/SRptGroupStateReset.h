#pragma once
// Clears the walk state that the groups of an item tree keep from an earlier generation (Valid,
// NbItems, ItemIndex, UserParam), so that a run never starts a group where the last one left it.
#include <cstdint>

#include "rpt/devices/generation/SRptScanTreeHelper.h"

inline constexpr uint32_t RPTSCAN_KIND_GROUP_RESET = 7;

class SRptGroupStateReset final : public SRptScanTreeHelper::SScanner {
public:
    // Resets every group under `root`, the root included; the walk's result.
    static HRESULT ResetAll(ISRepObject* root);

    HRESULT Dispatch(uint32_t kind, ISRptItem* object, RPTSCANINFO* info) override;
};
