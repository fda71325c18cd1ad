#include "rpt/dialogs/SRptDlgUnits.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "platform/base/SModuleState.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "varod9/RptApi.h"

namespace {
// Twips per hundredth of a millimetre, and hundredths of a millimetre per twip.
constexpr double kTwipsPerHimetric = 56.693;
constexpr double kHimetricPerTwip = 1.763886194062759;
constexpr double kInchPerCm = 0.39370078740157477;
constexpr double kCmPerInch = 2.54;

int32_t Trunc(double value) {
    if (!(value > INT32_MIN && value < INT32_MAX)) return value > 0 ? INT32_MAX : (value < 0 ? INT32_MIN : 0);
    return static_cast<int32_t>(value);
}
}  // namespace

bool SRptDlgUnits::IsMetric() {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    return !globals || globals->GetIntl()->IsMetricSystem();
}

int32_t SRptDlgUnits::ToPoints(int32_t himetric) {
    return Trunc(himetric * kTwipsPerHimetric * 0.0005 + 0.5);
}

int32_t SRptDlgUnits::FromPoints(int32_t points) {
    return Trunc(points * 20.0 * kHimetricPerTwip + 0.5);
}

SString SRptDlgUnits::PointsText(int32_t himetric) {
    SString text;
    text.Format("%ld pt", ToPoints(himetric));
    return text;
}

int32_t SRptDlgUnits::ReadPoints(const SString& text) {
    return FromPoints(text.ToInt());
}

int32_t SRptDlgUnits::ToThousandths(int32_t himetric, bool metric) {
    return metric ? himetric : Trunc(himetric * kInchPerCm);
}

int32_t SRptDlgUnits::FromThousandths(int32_t thousandths, bool metric) {
    return metric ? thousandths : Trunc(thousandths * kCmPerInch);
}

SString SRptDlgUnits::ThousandthsText(int32_t thousandths, bool metric) {
    SString text;
    SModuleStateGuard state(SRptGetModuleState());
    text.Format(metric ? IDS_FORMAT_CM : IDS_FORMAT_INCH, thousandths * 0.001);
    return text;
}

int32_t SRptDlgUnits::ReadThousandths(const SString& text) {
    return Trunc(ReadNumber(text) * 1000);
}

SString SRptDlgUnits::MultipleText(int32_t hundredths) {
    SString text;
    text.Format("%.2f", hundredths * 0.01);
    return text;
}

int32_t SRptDlgUnits::ReadMultiple(const SString& text) {
    return Trunc(ReadNumber(text) * 100);
}

double SRptDlgUnits::ReadNumber(const SString& text) {
    const char* first = text.c_str();
    const char* last = first + std::strlen(first);
    while (first < last && (*first == ' ' || *first == '\t')) ++first;
    bool negative = false;
    if (first < last && (*first == '+' || *first == '-')) negative = *first++ == '-';
    double value = 0;
    // Only a plain decimal number: no exponent, no "inf" or "nan".
    if (std::from_chars(first, last, value, std::chars_format::fixed).ec != std::errc()) return 0;
    return negative ? -value : value;
}
