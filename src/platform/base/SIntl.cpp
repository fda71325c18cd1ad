#include "platform/base/SIntl.h"

void SIntl::Init() {
    m_decimal = ".";
    m_thousand = ",";
    m_list = ",";
    m_negativeSign = "-";
    m_currency = "$";
    m_dateSeparator = "-";
    m_timeSeparator = ":";
    m_shortDate = "yyyy-MM-dd";
    m_longDate = "dddd, yyyy-MM-dd";
    m_timeFormat = "HH:mm:ss";
    m_am = "AM";
    m_pm = "PM";
    m_metric = true;
}
