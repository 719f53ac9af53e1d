// Calendar dates of crosswords: today's date and the "d mmm yyyy" form printed on the outputs.
#pragma once

#include <ctime>
#include <string>

namespace qm {

struct Date {
    int Year = 2000;
    int Month = 1;  ///< 1..12
    int Day = 1;    ///< 1..31
    friend bool operator==(const Date&, const Date&) = default;
};

/// Today's date in local time.
Date Today();

/// The local date of a point in time (a file's last-write time).
Date DateOf(std::time_t when);

/// "7 Mar 2026": day without leading zero, English month abbreviation, four-digit year.
std::string FormatDayMonthYear(const Date& date);

}  // namespace qm
