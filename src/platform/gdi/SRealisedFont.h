#pragma once
// A logical font realised for one device: a face chosen by the font engine at a character height
// of a whole number of device pixels. Everything here is in device units (pixels, y down).
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/base/SString.h"
#include "platform/gdi/TEXTMETRICA.h"

typedef struct _cairo cairo_t;

class SRealisedFont {
public:
    virtual ~SRealisedFont() = default;

    virtual const TEXTMETRICA& GetMetrics() const = 0;
    // The face the engine chose ("Liberation Sans" for a request of "Arial").
    virtual const SString& GetFaceName() const = 0;
    // The advance of each character of UTF-8 text, in order; an ill-formed byte counts as one
    // character.
    virtual std::vector<int32_t> GetAdvances(std::string_view text) const = 0;
    // Paints the text with its first character's origin at (x, baseline), each character moved
    // on by its advance, in the source colour already set on `cr`; underline and strike-out as
    // the logical font asks.
    virtual void Paint(cairo_t* cr, double x, double baseline, std::string_view text,
                       const std::vector<int32_t>& advances) const = 0;

    // The sum of the advances, limited to the 32-bit range.
    int32_t GetTextWidth(std::string_view text) const;
    static int32_t SumAdvances(const std::vector<int32_t>& advances);
    // A sum of advances limited to the 32-bit range.
    static int32_t ClampWidth(int64_t width);
};
