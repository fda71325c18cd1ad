#include "platform/host/SSymModuleState.h"

SModuleState* SSymGetModuleState() {
    static SModuleState symbolLibrary(MakeGUID("{5B0C2D1E-7A44-4F6B-9C3D-2E8F1A6B4C70}"));
    return &symbolLibrary;
}
