#pragma once
// Logical-to-device conversion of a rectangle and of a size, used where pictures are placed.
// On the platform whose graphics take only 16-bit coordinates they convert in steps, so that no
// coordinate handed to the system exceeds 32000 logical units. A null argument does nothing.
// And the mapping a page image is drawn in before those conversions.
#include "platform/gdi/GdiDefs.h"

class SDC;

void LPtoDPRect(SDC* dc, RECT* rect);
void LPtoDPSize(SDC* dc, SSize* size);
// Metric drawing on a page image: hundredths of a millimetre with y growing downwards.
void UseMetricDownwards(SDC& dc);
