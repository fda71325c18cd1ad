#pragma once
// The lines of the card layout grid: the rows of the form, one a field of the card.
#include "platform/repo/SRepGridRowFactory.h"

class SRptFormLayoutGridRowFactory : public SRepGridRowFactory {
public:
    using SRepGridRowFactory::SRepGridRowFactory;
};
