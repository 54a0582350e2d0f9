#include "importer/cf_calendar.h"

#include <array>
#include <cctype>
#include <cmath>
#include <string>

namespace imp {

namespace {

constexpr std::array<int, 13> MONTH_DAYS = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool gregorian_leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
bool julian_leap(int y) { return y % 4 == 0; }

long long floor_div(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Julian Day Numbers of proleptic Gregorian and Julian dates (Richards'
// algorithms, Explanatory Supplement to the Astronomical Almanac, 3rd ed.,
// 15.11), valid for any astronomical year.
long long gregorian_jdn(int y, int m, int d) {
  const long long a = floor_div(14 - m, 12);
  const long long yy = y + 4800 - a, mm = m + 12 * a - 3;
  return d + (153 * mm + 2) / 5 + 365 * yy + floor_div(yy, 4) - floor_div(yy, 100) + floor_div(yy, 400) - 32045;
}

long long julian_jdn(int y, int m, int d) {
  const long long a = floor_div(14 - m, 12);
  const long long yy = y + 4800 - a, mm = m + 12 * a - 3;
  return d + (153 * mm + 2) / 5 + 365 * yy + floor_div(yy, 4) - 32083;
}

Date from_jdn(long long jdn, bool gregorian) {
  long long c = 0, b = 0;
  if (gregorian) {
    const long long a = jdn + 32044;
    b = floor_div(4 * a + 3, 146097);
    c = a - floor_div(146097 * b, 4);
  } else {
    b = 0;
    c = jdn + 32082;
  }
  const long long d = floor_div(4 * c + 3, 1461);
  const long long e = c - floor_div(1461 * d, 4);
  const long long m = floor_div(5 * e + 2, 153);
  Date out;
  out.day = static_cast<int>(e - floor_div(153 * m + 2, 5) + 1);
  out.month = static_cast<int>(m + 3 - 12 * floor_div(m, 10));
  out.year = static_cast<int>(100 * b + d - 4800 + floor_div(m, 10));
  return out;
}

// The first day of the Gregorian calendar in the standard calendar.
constexpr long long GREGORIAN_START = 2299161;  // JDN of 1582-10-15

// Days before month m in a year of fixed-length months.
int days_before(int month, bool leap) {
  int n = 0;
  for (int k = 1; k < month; ++k) n += MONTH_DAYS[k] + (k == 2 && leap ? 1 : 0);
  return n;
}

Date from_fixed_year(long long day, int year_length, bool leap) {
  Date out;
  out.year = static_cast<int>(floor_div(day, year_length));
  int rest = static_cast<int>(day - static_cast<long long>(out.year) * year_length);
  out.month = 1;
  while (out.month < 12 && rest >= MONTH_DAYS[out.month] + (out.month == 2 && leap ? 1 : 0)) {
    rest -= MONTH_DAYS[out.month] + (out.month == 2 && leap ? 1 : 0);
    ++out.month;
  }
  out.day = rest + 1;
  return out;
}

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& ch : out) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return out;
}

// Reads an unsigned integer at s[pos]; false when there is no digit.
bool read_int(std::string_view s, std::size_t& pos, int& value) {
  std::size_t start = pos;
  value = 0;
  while (pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos])) && pos - start < 9)
    value = value * 10 + (s[pos++] - '0');
  return pos > start;
}

}  // namespace

std::optional<Calendar> parse_calendar(std::string_view name) {
  const std::string n = lower(name);
  if (n == "standard" || n == "gregorian") return Calendar::Standard;
  if (n == "proleptic_gregorian") return Calendar::ProlepticGregorian;
  if (n == "julian") return Calendar::Julian;
  if (n == "noleap" || n == "365_day") return Calendar::NoLeap;
  if (n == "all_leap" || n == "366_day") return Calendar::AllLeap;
  if (n == "360_day") return Calendar::Day360;
  return std::nullopt;
}

std::string_view calendar_name(Calendar c) {
  switch (c) {
    case Calendar::Standard: return "standard";
    case Calendar::ProlepticGregorian: return "proleptic_gregorian";
    case Calendar::Julian: return "julian";
    case Calendar::NoLeap: return "noleap";
    case Calendar::AllLeap: return "all_leap";
    case Calendar::Day360: return "360_day";
  }
  return "";
}

int days_in_month(Calendar c, int year, int month) {
  if (c == Calendar::Day360) return 30;
  if (month != 2) return MONTH_DAYS[month];
  switch (c) {
    case Calendar::NoLeap: return 28;
    case Calendar::AllLeap: return 29;
    case Calendar::Julian: return julian_leap(year) ? 29 : 28;
    case Calendar::ProlepticGregorian: return gregorian_leap(year) ? 29 : 28;
    default: return (year < 1582 ? julian_leap(year) : gregorian_leap(year)) ? 29 : 28;
  }
}

long long day_number(Calendar c, const Date& d) {
  switch (c) {
    case Calendar::Day360: return static_cast<long long>(d.year) * 360 + (d.month - 1) * 30 + d.day - 1;
    case Calendar::NoLeap: return static_cast<long long>(d.year) * 365 + days_before(d.month, false) + d.day - 1;
    case Calendar::AllLeap: return static_cast<long long>(d.year) * 366 + days_before(d.month, true) + d.day - 1;
    case Calendar::Julian: return julian_jdn(d.year, d.month, d.day);
    case Calendar::ProlepticGregorian: return gregorian_jdn(d.year, d.month, d.day);
    case Calendar::Standard: {
      const long long g = gregorian_jdn(d.year, d.month, d.day);
      return g >= GREGORIAN_START ? g : julian_jdn(d.year, d.month, d.day);
    }
  }
  return 0;
}

Date date_of(Calendar c, long long day) {
  switch (c) {
    case Calendar::Day360: {
      Date out;
      out.year = static_cast<int>(floor_div(day, 360));
      const long long rest = day - static_cast<long long>(out.year) * 360;
      out.month = static_cast<int>(rest / 30) + 1;
      out.day = static_cast<int>(rest % 30) + 1;
      return out;
    }
    case Calendar::NoLeap: return from_fixed_year(day, 365, false);
    case Calendar::AllLeap: return from_fixed_year(day, 366, true);
    case Calendar::Julian: return from_jdn(day, false);
    case Calendar::ProlepticGregorian: return from_jdn(day, true);
    case Calendar::Standard: return from_jdn(day, day >= GREGORIAN_START);
  }
  return {};
}

std::optional<TimeUnits> parse_time_units(std::string_view units) {
  const std::string s = lower(units);
  const std::size_t since = s.find(" since ");
  if (since == std::string::npos) return std::nullopt;
  std::string unit = s.substr(0, since);
  while (!unit.empty() && unit.front() == ' ') unit.erase(0, 1);
  TimeUnits u;
  if (unit == "days" || unit == "day" || unit == "d") u.days_per_unit = 1.0;
  else if (unit == "hours" || unit == "hour" || unit == "hr" || unit == "h") u.days_per_unit = 1.0 / 24.0;
  else if (unit == "minutes" || unit == "minute" || unit == "min") u.days_per_unit = 1.0 / 1440.0;
  else if (unit == "seconds" || unit == "second" || unit == "sec" || unit == "s") u.days_per_unit = 1.0 / 86400.0;
  else return std::nullopt;

  std::string_view rest = std::string_view(s).substr(since + 7);
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  std::size_t pos = 0;
  if (!read_int(rest, pos, u.reference.year) || pos >= rest.size() || rest[pos++] != '-' ||
      !read_int(rest, pos, u.reference.month) || pos >= rest.size() || rest[pos++] != '-' ||
      !read_int(rest, pos, u.reference.day))
    return std::nullopt;
  if (u.reference.month < 1 || u.reference.month > 12 || u.reference.day < 1 || u.reference.day > 31)
    return std::nullopt;
  // Optional time of day: [ T]hh:mm[:ss[.fff]]; a trailing "Z", "UTC" or
  // zero offset is accepted, other time zones are not (CMIP files use UTC).
  if (pos < rest.size() && (rest[pos] == ' ' || rest[pos] == 't')) {
    ++pos;
    int h = 0, m = 0, sec = 0;
    if (read_int(rest, pos, h)) {
      if (pos < rest.size() && rest[pos] == ':') {
        ++pos;
        if (!read_int(rest, pos, m)) return std::nullopt;
        if (pos < rest.size() && rest[pos] == ':') {
          ++pos;
          if (!read_int(rest, pos, sec)) return std::nullopt;
          double frac = 0.0, scale = 0.1;
          if (pos < rest.size() && rest[pos] == '.')
            for (++pos; pos < rest.size() && std::isdigit(static_cast<unsigned char>(rest[pos])); ++pos, scale /= 10)
              frac += (rest[pos] - '0') * scale;
          u.reference_day_fraction = (h * 3600.0 + m * 60.0 + sec + frac) / 86400.0;
        } else {
          u.reference_day_fraction = (h * 3600.0 + m * 60.0) / 86400.0;
        }
      } else {
        u.reference_day_fraction = h / 24.0;
      }
    }
  }
  std::string_view zone = rest.substr(pos);
  while (!zone.empty() && zone.front() == ' ') zone.remove_prefix(1);
  while (!zone.empty() && zone.back() == ' ') zone.remove_suffix(1);
  if (!(zone.empty() || zone == "z" || zone == "utc" || zone == "+00:00" || zone == "0" || zone == "00:00"))
    return std::nullopt;
  return u;
}

Date date_of_time(Calendar c, const TimeUnits& u, double value) {
  const double days = static_cast<double>(day_number(c, u.reference)) + u.reference_day_fraction +
                      value * u.days_per_unit;
  // A millisecond's tolerance, so that a time stored as 29.999999 days
  // (rounding in float time axes) still falls on the day it means.
  return date_of(c, static_cast<long long>(std::floor(days + 1.0e-8)));
}

}  // namespace imp
