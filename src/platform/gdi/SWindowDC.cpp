#include "platform/gdi/SWindowDC.h"

#include "platform/gdi/SImageBackEnd.h"

SWindowDC::SWindowDC()
    : SDC(std::make_unique<SImageBackEnd>(kScreenWidth, kScreenHeight, kScreenPixelsPerInch, kScreenPixelsPerInch)) {}
