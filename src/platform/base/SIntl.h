#pragma once
// The international settings of the user: separators and formats of numbers, dates and times.
// Empty until Init reads them.
#include "platform/base/SString.h"

class SIntl {
public:
    // Reads the settings of the platform's conventions: dates as YYYY-MM-DD, times as HH:MM:SS
    // on 24 hours, a decimal point and a thousands comma.
    void Init();

    const SString& GetDecimal() const { return m_decimal; }
    const SString& GetThousand() const { return m_thousand; }
    const SString& GetList() const { return m_list; }
    const SString& GetNegativeSign() const { return m_negativeSign; }
    const SString& GetCurrency() const { return m_currency; }
    const SString& GetDateSeparator() const { return m_dateSeparator; }
    const SString& GetTimeSeparator() const { return m_timeSeparator; }
    const SString& GetShortDate() const { return m_shortDate; }
    const SString& GetLongDate() const { return m_longDate; }
    const SString& GetTimeFormat() const { return m_timeFormat; }
    const SString& GetAM() const { return m_am; }
    const SString& GetPM() const { return m_pm; }
    // Lengths are shown in centimetres (true) or in inches.
    bool IsMetricSystem() const { return m_metric; }
    void SetMetricSystem(bool metric) { m_metric = metric; }

private:
    SString m_decimal;
    SString m_thousand;
    SString m_list;
    SString m_negativeSign;
    SString m_currency;
    SString m_dateSeparator;
    SString m_timeSeparator;
    SString m_shortDate;
    SString m_longDate;
    SString m_timeFormat;
    SString m_am;
    SString m_pm;
    bool m_metric = true;
};
