#pragma once
// Plays the records of a checked enhanced metafile onto a device context, scaled from the
// metafile's frame into a logical rectangle of that context: its own mapping records, pens,
// brushes, fonts, text, lines, rectangles, ellipses, polygons, clipping and bitmaps. A record
// whose fields do not fit its size, or that names an object slot the header does not have, is
// passed over; records of other kinds are passed over too.
#include <cstdint>
#include <vector>

#include "platform/gdi/GdiDefs.h"

class SDC;

class SEmfPlayer {
public:
    // `bits` must have passed SEmfReader::Parse. False when nothing could be played (a bad
    // metafile, an empty frame or a context without a back end).
    static bool Play(SDC& dc, const std::vector<uint8_t>& bits, const RECT& target);
};
