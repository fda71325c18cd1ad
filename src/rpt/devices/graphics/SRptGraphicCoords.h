#pragma once
// Logical-to-device conversion of a rectangle and of a size, used where pictures are placed.
// On the platform whose graphics take only 16-bit coordinates they convert in steps, so that no
// coordinate handed to the system exceeds 32000 logical units. A null argument does nothing.
#include "platform/gdi/GdiDefs.h"

class SDC;

void LPtoDPRect(SDC* dc, RECT* rect);
void LPtoDPSize(SDC* dc, SSize* size);
