#include "platform/base/STime.h"

#include <ctime>

#include "platform/base/SClock.h"
#include "platform/base/SException.h"

namespace {
const char* const kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

bool IsLeap(int32_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int32_t DaysInMonth(int32_t year, int32_t month) {
    static const int32_t days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

// Days from 1970-01-01 to the date, in the proleptic Gregorian calendar.
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    int64_t era = (y >= 0 ? y : y - 399) / 400;
    int64_t yoe = y - era * 400;
    int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

SString Padded(int32_t value, int32_t width) {
    SString text;
    text.Format("%0*d", width, value);
    return text;
}
}  // namespace

STime::STime(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second)
    : m_year(year), m_month(month), m_day(day), m_hour(hour), m_minute(minute), m_second(second) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
        hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        throw SException("STime out of range");
}

STime STime::FromUnixTime(int64_t seconds) {
    std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (!::localtime_r(&t, &local)) throw SException("STime out of range");
    // The C library's year counts from 1900 and may fill its int: add in 64 bits, then refuse
    // what no STime can hold.
    int64_t year = int64_t{local.tm_year} + 1900;
    if (year < 1 || year > 9999) throw SException("STime out of range");
    // A leap second is shown as the last second of its minute.
    return STime(static_cast<int32_t>(year), local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                 local.tm_sec > 59 ? 59 : local.tm_sec);
}

STime STime::GetTickCount() {
    return SClock::Now();
}

int32_t STime::GetDayOfWeek() const {
    int64_t days = DaysFromCivil(m_year, m_month, m_day);
    // 1970-01-01 was a Thursday.
    int64_t weekday = ((days % 7) + 7 + 4) % 7;
    return static_cast<int32_t>(weekday) + 1;
}

int32_t STime::GetDayOfYear() const {
    return static_cast<int32_t>(DaysFromCivil(m_year, m_month, m_day) - DaysFromCivil(m_year, 1, 1)) + 1;
}

int64_t STime::GetTotalSeconds() const {
    return DaysFromCivil(m_year, m_month, m_day) * 86400 + m_hour * 3600 + m_minute * 60 + m_second;
}

SString STime::GetShortDate() const {
    return Format("%Y-%m-%d");
}

SString STime::GetShortTime() const {
    return Format("%H:%M:%S");
}

SString STime::Format(const char* format) const {
    SString out;
    if (!format) return out;
    for (const char* p = format; *p; ++p) {
        if (*p != '%' || !p[1]) {
            out += *p;
            continue;
        }
        char code = *++p;
        switch (code) {
            case 'Y': out += Padded(m_year, 4); break;
            case 'y': out += Padded(m_year % 100, 2); break;
            case 'm': out += Padded(m_month, 2); break;
            case 'd': out += Padded(m_day, 2); break;
            case 'e': out += SString::FromInt(m_day); break;
            case 'H': out += Padded(m_hour, 2); break;
            case 'I': out += Padded(m_hour % 12 == 0 ? 12 : m_hour % 12, 2); break;
            case 'M': out += Padded(m_minute, 2); break;
            case 'S': out += Padded(m_second, 2); break;
            case 'p': out += m_hour < 12 ? "AM" : "PM"; break;
            case 'j': out += Padded(GetDayOfYear(), 3); break;
            case 'a': out += SString(kDayNames[GetDayOfWeek() - 1]).Left(3); break;
            case 'A': out += kDayNames[GetDayOfWeek() - 1]; break;
            case 'b': out += SString(kMonthNames[m_month - 1]).Left(3); break;
            case 'B': out += kMonthNames[m_month - 1]; break;
            case 'x': out += GetShortDate(); break;
            case 'X': out += GetShortTime(); break;
            case 'c': out += GetShortDate() + " " + GetShortTime(); break;
            case '%': out += '%'; break;
            default:
                out += '%';
                out += code;
                break;
        }
    }
    return out;
}
