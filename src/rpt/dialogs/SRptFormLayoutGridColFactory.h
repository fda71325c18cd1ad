#pragma once
// The columns of the card layout grid: the fields of a row and whether the row is shown.
#include "platform/repo/SRepGridColFactory.h"

class SRptFormLayoutGridColFactory : public SRepGridColFactory {
public:
    using SRepGridColFactory::SRepGridColFactory;
    int32_t ShowGridColumn(const SRepMetaAttribute& attribute) override;
};
