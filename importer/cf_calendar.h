// CF calendars and time coordinates: the calendars of the CF conventions
// (section 4.4.1), "UNIT since DATE" time units, and the calendar date of a
// time value. Days are counted in each calendar's own day numbering, so a
// 360_day or noleap model month maps to its own year and month exactly.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace imp {

enum class Calendar {
  Standard,            // "standard", "gregorian": Julian before 1582-10-15, Gregorian from it
  ProlepticGregorian,  // "proleptic_gregorian"
  Julian,              // "julian"
  NoLeap,              // "noleap", "365_day"
  AllLeap,             // "all_leap", "366_day"
  Day360,              // "360_day": twelve months of 30 days
};

// The calendar of a CF `calendar` attribute (case-insensitive); nullopt for
// a name we do not know ("none" and user-defined calendars included).
std::optional<Calendar> parse_calendar(std::string_view name);
std::string_view calendar_name(Calendar c);

struct Date {
  int year = 0;
  int month = 1;  // 1 … 12
  int day = 1;    // 1 … days_in_month
};

int days_in_month(Calendar c, int year, int month);

// A continuous count of days in the calendar: consecutive dates differ by
// one. Dates that do not exist in the calendar (30 February, or the ten days
// the standard calendar skipped in October 1582) are not checked here.
long long day_number(Calendar c, const Date& d);
Date date_of(Calendar c, long long day);

// "UNIT since REFERENCE" of a time coordinate, UNIT one of days, hours,
// minutes, seconds (and their singular and short forms).
struct TimeUnits {
  double days_per_unit = 1.0;
  Date reference;
  double reference_day_fraction = 0.0;  // the reference's time of day, in days
};

// Parses a `units` attribute; nullopt when it is not of that form.
std::optional<TimeUnits> parse_time_units(std::string_view units);

// The calendar date on which the time value falls.
Date date_of_time(Calendar c, const TimeUnits& u, double value);

// A month as one integer, year * 12 + month - 1, so that consecutive months
// differ by one.
inline long long month_index(int year, int month) { return static_cast<long long>(year) * 12 + month - 1; }

}  // namespace imp
