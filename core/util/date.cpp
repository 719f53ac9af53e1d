// Dates: today's date, conversion of file times and the output date format.
#include "core/util/date.h"

namespace qm {

Date DateOf(std::time_t when)
{
    std::tm parts{};
    localtime_r(&when, &parts);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

Date Today() { return DateOf(std::time(nullptr)); }

std::string FormatDayMonthYear(const Date& date)
{
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int m = (date.Month >= 1 && date.Month <= 12) ? date.Month - 1 : 0;
    return std::to_string(date.Day) + " " + months[m] + " " + std::to_string(date.Year);
}

}  // namespace qm
