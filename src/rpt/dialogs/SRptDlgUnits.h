#pragma once
// The measurements of the format pages. Paragraph lengths are stored in hundredths of a
// millimetre; the pages show indents and tab positions in centimetres or inches (as the user's
// international settings say), spacing and border distances in points and multiple line spacing
// in lines. Every conversion truncates as the stored values were always converted, so that
// showing a value and reading it back gives what the user saw.
#include <cstdint>

#include "platform/base/SString.h"

class SRptDlgUnits {
public:
    // The strings that format a length in thousandths of a centimetre or inch.
    static constexpr uint32_t IDS_FORMAT_CM = 6011;
    static constexpr uint32_t IDS_FORMAT_INCH = 6012;

    // True when lengths are shown in centimetres (the globals container's international settings;
    // metric when there is none).
    static bool IsMetric();

    // Points: whole points of a length, a length of whole points, "12 pt", and the typed text's
    // leading integer as a length.
    static int32_t ToPoints(int32_t himetric);
    static int32_t FromPoints(int32_t points);
    static SString PointsText(int32_t himetric);
    static int32_t ReadPoints(const SString& text);

    // Lengths in the display unit, counted in thousandths of it (a centimetre holds 1000
    // hundredths of a millimetre, so in the metric system the count is the length itself).
    static int32_t ToThousandths(int32_t himetric, bool metric);
    static int32_t FromThousandths(int32_t thousandths, bool metric);
    // "1.25 cm" or "0.49 in" of a count of thousandths.
    static SString ThousandthsText(int32_t thousandths, bool metric);
    // The typed text's leading number in thousandths of the unit.
    static int32_t ReadThousandths(const SString& text);

    // Multiple line spacing in hundredths of a line: "1.50", and the typed text read so.
    static SString MultipleText(int32_t hundredths);
    static int32_t ReadMultiple(const SString& text);

    // The leading number of a text (blanks, an optional sign, digits with a decimal point); 0 when
    // there is none. The unit written after it is ignored.
    static double ReadNumber(const SString& text);
};
