#pragma once
// The lines of the list layout grid: the cells of the list's first row, one a column of the list.
#include "platform/repo/SRepGridRowFactory.h"

class SRptListLayoutGridRowFactory : public SRepGridRowFactory {
public:
    using SRepGridRowFactory::SRepGridRowFactory;
};
