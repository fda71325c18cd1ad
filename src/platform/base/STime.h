#pragma once
// A calendar time (year to second, local time, no time zone attached). The current time comes
// from SClock, which tests can set. Short forms: date "YYYY-MM-DD", time "HH:MM:SS".
#include <compare>
#include <cstdint>

#include "platform/base/SString.h"

class STime {
public:
    // 1970-01-01 00:00:00.
    STime() = default;
    // Out-of-range fields (month 13, 30 February, hour 24 ...) throw SException.
    STime(int32_t year, int32_t month, int32_t day, int32_t hour = 0, int32_t minute = 0, int32_t second = 0);
    // The local time of a count of seconds since 1970-01-01 00:00:00 UTC.
    static STime FromUnixTime(int64_t seconds);

    // The current time (SClock::Now), as the class library names it.
    static STime GetTickCount();
    // The short date of `time`, and the short time of now.
    static SString GetShortDateString(const STime& time) { return time.GetShortDate(); }
    static SString GetTimeStr() { return GetTickCount().GetShortTime(); }

    int32_t GetYear() const { return m_year; }
    int32_t GetMonth() const { return m_month; }
    int32_t GetDay() const { return m_day; }
    int32_t GetHour() const { return m_hour; }
    int32_t GetMinute() const { return m_minute; }
    int32_t GetSecond() const { return m_second; }
    // 1 Sunday to 7 Saturday.
    int32_t GetDayOfWeek() const;
    // 1 to 366.
    int32_t GetDayOfYear() const;
    // Seconds from 1970-01-01 00:00:00 to this time on the same clock (no time zone applied).
    int64_t GetTotalSeconds() const;

    SString GetShortDate() const;
    SString GetShortTime() const;
    // strftime-like codes, always in English and independent of the locale: %Y %y %m %d %e %H
    // %I %M %S %p %j %a %A %b %B %x (short date) %X (short time) %c (both) %%; any other code is
    // copied as it stands.
    SString Format(const char* format) const;

    friend auto operator<=>(const STime&, const STime&) = default;

private:
    int32_t m_year = 1970;
    int32_t m_month = 1;
    int32_t m_day = 1;
    int32_t m_hour = 0;
    int32_t m_minute = 0;
    int32_t m_second = 0;
};
