#pragma once
// The columns of the list layout grid: a column's name, width, enabled flag and sorted flag.
#include "platform/repo/SRepGridColFactory.h"

class SRptListLayoutGridColFactory : public SRepGridColFactory {
public:
    using SRepGridColFactory::SRepGridColFactory;
    int32_t ShowGridColumn(const SRepMetaAttribute& attribute) override;
};
