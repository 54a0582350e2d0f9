// CF calendars: dates of time values in each calendar against dates counted
// by hand, the standard calendar's switch in 1582, time units, and a round
// trip of day numbers over four centuries.
#include <gtest/gtest.h>

#include "importer/cf_calendar.h"

namespace {

using imp::Calendar;
using imp::Date;

Date at(Calendar c, const std::string& units, double value) {
  return imp::date_of_time(c, *imp::parse_time_units(units), value);
}

void expect_date(const Date& d, int y, int m, int day) {
  EXPECT_EQ(d.year, y);
  EXPECT_EQ(d.month, m);
  EXPECT_EQ(d.day, day);
}

TEST(CfCalendar, NamesOfTheConventions) {
  EXPECT_EQ(imp::parse_calendar("gregorian"), Calendar::Standard);
  EXPECT_EQ(imp::parse_calendar("STANDARD"), Calendar::Standard);
  EXPECT_EQ(imp::parse_calendar("proleptic_gregorian"), Calendar::ProlepticGregorian);
  EXPECT_EQ(imp::parse_calendar("julian"), Calendar::Julian);
  EXPECT_EQ(imp::parse_calendar("365_day"), Calendar::NoLeap);
  EXPECT_EQ(imp::parse_calendar("noleap"), Calendar::NoLeap);
  EXPECT_EQ(imp::parse_calendar("366_day"), Calendar::AllLeap);
  EXPECT_EQ(imp::parse_calendar("all_leap"), Calendar::AllLeap);
  EXPECT_EQ(imp::parse_calendar("360_day"), Calendar::Day360);
  EXPECT_FALSE(imp::parse_calendar("none"));
  EXPECT_FALSE(imp::parse_calendar("lunar"));
}

// 150 years from 1850-01-01 to 2000-01-01 hold 36 leap days in the
// Gregorian calendar (1852 … 1996 less 1900), 37 in the Julian one.
TEST(CfCalendar, DaysSince1850ReachTheYear2000InEachCalendar) {
  const std::string u = "days since 1850-01-01";
  expect_date(at(Calendar::NoLeap, u, 365 * 150), 2000, 1, 1);
  expect_date(at(Calendar::AllLeap, u, 366 * 150), 2000, 1, 1);
  expect_date(at(Calendar::Day360, u, 360 * 150), 2000, 1, 1);
  expect_date(at(Calendar::ProlepticGregorian, u, 365 * 150 + 36), 2000, 1, 1);
  expect_date(at(Calendar::Standard, u, 365 * 150 + 36), 2000, 1, 1);
  expect_date(at(Calendar::Julian, u, 365 * 150 + 37), 2000, 1, 1);
  // The day before each is the last of 1999; 360_day months have 30 days.
  expect_date(at(Calendar::NoLeap, u, 365 * 150 - 0.5), 1999, 12, 31);
  expect_date(at(Calendar::Day360, u, 360 * 150 - 0.5), 1999, 12, 30);
  expect_date(at(Calendar::Day360, u, 360 * 150 + 59), 2000, 2, 30);
  expect_date(at(Calendar::NoLeap, u, 365 * 150 + 59), 2000, 3, 1);
  expect_date(at(Calendar::AllLeap, u, 366 * 150 + 59), 2000, 2, 29);
}

TEST(CfCalendar, LeapYearsDifferBetweenCalendars) {
  const std::string u = "hours since 2100-02-28 12:00:00";
  expect_date(at(Calendar::ProlepticGregorian, u, 36), 2100, 3, 2);  // 2100 is no Gregorian leap year
  expect_date(at(Calendar::Julian, u, 36), 2100, 3, 1);              // but a Julian one
  expect_date(at(Calendar::AllLeap, u, 36), 2100, 3, 1);
  expect_date(at(Calendar::NoLeap, u, 36), 2100, 3, 2);
  EXPECT_EQ(imp::days_in_month(Calendar::Standard, 2000, 2), 29);
  EXPECT_EQ(imp::days_in_month(Calendar::Standard, 1900, 2), 28);
  EXPECT_EQ(imp::days_in_month(Calendar::Standard, 1500, 2), 29);  // Julian rule before 1582
  EXPECT_EQ(imp::days_in_month(Calendar::Day360, 2001, 2), 30);
}

// The standard calendar goes from 4 October 1582 (Julian) to 15 October
// 1582 (Gregorian); the proleptic Gregorian calendar has no gap.
TEST(CfCalendar, StandardCalendarSkipsTenDaysIn1582) {
  expect_date(at(Calendar::Standard, "days since 1582-10-04", 1), 1582, 10, 15);
  expect_date(at(Calendar::ProlepticGregorian, "days since 1582-10-04", 1), 1582, 10, 5);
  // JDN of 2000-01-01 is 2451545 (Explanatory Supplement).
  EXPECT_EQ(imp::day_number(Calendar::ProlepticGregorian, {2000, 1, 1}), 2451545);
  EXPECT_EQ(imp::day_number(Calendar::Julian, {2000, 1, 1}), 2451558);
}

TEST(CfCalendar, TimeUnitsForms) {
  auto u = imp::parse_time_units("days since 1850-1-1 0:0:0");
  ASSERT_TRUE(u);
  EXPECT_DOUBLE_EQ(u->days_per_unit, 1.0);
  expect_date(u->reference, 1850, 1, 1);
  u = imp::parse_time_units("hours since 2015-01-01T12:00:00Z");
  ASSERT_TRUE(u);
  EXPECT_DOUBLE_EQ(u->days_per_unit, 1.0 / 24.0);
  EXPECT_DOUBLE_EQ(u->reference_day_fraction, 0.5);
  EXPECT_TRUE(imp::parse_time_units("seconds since 1970-01-01 00:00:00 UTC"));
  EXPECT_TRUE(imp::parse_time_units("minutes since 1970-01-01"));
  EXPECT_FALSE(imp::parse_time_units("months since 1850-01-01"));  // not a fixed length
  EXPECT_FALSE(imp::parse_time_units("days"));
  EXPECT_FALSE(imp::parse_time_units("days since 1850-13-01"));
  EXPECT_FALSE(imp::parse_time_units("days since 1850-01-01 00:00:00 +05:00"));
  // A time stored a rounding error short of a day boundary means the day
  // that begins there; a minute short is still the day before.
  expect_date(at(Calendar::NoLeap, "days since 2000-01-01", 30.999999999), 2000, 2, 1);
  expect_date(at(Calendar::NoLeap, "days since 2000-01-01", 31.0 - 1.0 / 1440), 2000, 1, 31);
}

TEST(CfCalendar, DayNumbersRoundTripOverFourCenturies) {
  for (Calendar c : {Calendar::Standard, Calendar::ProlepticGregorian, Calendar::Julian, Calendar::NoLeap,
                     Calendar::AllLeap, Calendar::Day360}) {
    long long previous = imp::day_number(c, {1800, 1, 1}) - 1;
    for (int y = 1800; y <= 2200; ++y)
      for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= imp::days_in_month(c, y, m); ++d) {
          const long long n = imp::day_number(c, {y, m, d});
          ASSERT_EQ(n, previous + 1) << imp::calendar_name(c) << " " << y << "-" << m << "-" << d;
          previous = n;
          const Date back = imp::date_of(c, n);
          ASSERT_TRUE(back.year == y && back.month == m && back.day == d) << imp::calendar_name(c);
        }
  }
}

}  // namespace
