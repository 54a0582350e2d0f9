#include "records/field_text.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace rec {
namespace {

void pad_to(std::string& out, std::size_t len, int width) { out.append(static_cast<std::size_t>(width) - len, ' '); }

void stars(std::string& out, int width) { out.append(static_cast<std::size_t>(width), '*'); }

// Writes the decimal digits of a non-negative integer n, with a point
// before the last `decimals` digits and at least one digit before the point.
template <class U>
int digits_with_point(U n, int decimals, char* buf) {
  char rev[64];
  int len = 0;
  do {
    rev[len++] = static_cast<char>('0' + static_cast<int>(n % 10));
    n /= 10;
  } while (n != 0 || len < decimals + 1);
  int k = 0;
  for (int i = len - 1; i >= 0; --i) {
    buf[k++] = rev[i];
    if (i == decimals && decimals > 0) buf[k++] = '.';
  }
  return k;
}

// When |v| * 10**d lies exactly halfway between two integers, returns the
// one further from zero. With |v| = M * 2**E (M odd), |v| * 10**d is
// M * 5**d * 2**(E+d), which is an odd multiple of 1/2 exactly when E+d = -1.
bool halfway_away(double a, int decimals, unsigned __int128& rounded) {
  if (a == 0.0) return false;
  int e = 0;
  double m = std::frexp(a, &e);
  auto mant = static_cast<std::uint64_t>(std::ldexp(m, 53));
  int exp2 = e - 53;
  int tz = std::countr_zero(mant);
  mant >>= tz;
  exp2 += tz;
  if (exp2 + decimals != -1) return false;
  unsigned __int128 n = mant;
  for (int i = 0; i < decimals; ++i) n *= 5;
  rounded = (n + 1) / 2;
  return true;
}

constexpr int kPowers = 23;  // 10**0 .. 10**22 are exact doubles
constexpr double kPow10[kPowers] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// a * p rounded to an integer, halves away from zero, decided on the exact
// product: fma gives the product's rounding error e exactly, and below 2**52
// the fraction of the rounded product is a multiple of its unit in the last
// place, which |e| cannot reach, so the sign of (fraction - 1/2) decides
// unless it is zero, and then e does. False when the product is too large.
bool rounded_scaled(double a, double p, std::uint64_t& n) {
  const double scaled = a * p;
  if (!(scaled < 4.0e15)) return false;
  const double e = std::fma(a, p, -scaled);
  const double whole = std::floor(scaled);
  const double x = (scaled - whole) - 0.5;
  n = static_cast<std::uint64_t>(whole) + ((x > 0.0 || (x == 0.0 && e >= 0.0)) ? 1 : 0);
  return true;
}

}  // namespace

void put_int(std::string& out, long long v, int width) {
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  auto len = static_cast<std::size_t>(res.ptr - buf);
  if (len > static_cast<std::size_t>(width)) return stars(out, width);
  pad_to(out, len, width);
  out.append(buf, len);
}

void put_real(std::string& out, double v, int width, int decimals) {
  if (std::isnan(v) || std::isinf(v)) {
    std::string_view s = std::isnan(v) ? "NaN" : (v < 0 ? "-Inf" : "Inf");
    if (s.size() > static_cast<std::size_t>(width)) return stars(out, width);
    pad_to(out, s.size(), width);
    out.append(s);
    return;
  }
  double a = std::fabs(v);
  // Anything of 10**width or more cannot fit; this also bounds the buffer.
  if (a >= 1e60 || (width < kPowers && a >= kPow10[width])) return stars(out, width);
  char buf[128];
  int len;
  unsigned __int128 away;
  std::uint64_t n;
  if (decimals < kPowers && rounded_scaled(a, kPow10[decimals], n)) {
    len = digits_with_point(n, decimals, buf);
  } else if (halfway_away(a, decimals, away)) {
    len = digits_with_point(away, decimals, buf);
  } else {
    auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::fixed, decimals);
    len = static_cast<int>(res.ptr - buf);
  }
  if (decimals == 0) buf[len++] = '.';
  bool nonzero = false;
  for (int i = 0; i < len; ++i) nonzero |= (buf[i] >= '1' && buf[i] <= '9');
  bool minus = v < 0 && nonzero;
  const char* digits = buf;
  // The zero before the point goes first when room is short.
  if (len + minus > width && len > 1 && buf[0] == '0' && buf[1] == '.' && decimals > 0) {
    ++digits;
    --len;
  }
  if (len + minus > width) return stars(out, width);
  pad_to(out, static_cast<std::size_t>(len + minus), width);
  if (minus) out += '-';
  out.append(digits, static_cast<std::size_t>(len));
}

bool fits_real(double v, int width, int decimals) {
  if (!std::isfinite(v)) return false;
  // A value well inside the field's integer digits fits without being
  // formatted (checks of whole series would otherwise cost as much as
  // writing them); one near the edge is formatted, so that rounding
  // decides as it does when the value is written.
  constexpr double POWERS_OF_TEN[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12};
  const int digits = width - decimals - (v < 0 ? 2 : 1);
  if (digits >= 0 && digits < static_cast<int>(std::size(POWERS_OF_TEN)) &&
      std::fabs(v) < 0.999 * POWERS_OF_TEN[digits])
    return true;
  std::string text;
  put_real(text, v, width, decimals);
  return text.find('*') == std::string::npos;
}

void put_chars(std::string& out, std::string_view s, int width) {
  auto w = static_cast<std::size_t>(width);
  if (s.size() >= w) {
    out.append(s.substr(0, w));
  } else {
    out.append(w - s.size(), ' ');
    out.append(s);
  }
}

std::optional<long long> get_int(std::string_view field) {
  char buf[40];
  int len = 0;
  for (char c : field) {
    if (c == ' ' || c == '\t') continue;
    if (len == 39) return std::nullopt;
    buf[len++] = c;
  }
  if (len == 0) return 0;
  const char* p = buf;
  const char* end = buf + len;
  bool neg = false;
  if (*p == '+' || *p == '-') {
    neg = *p == '-';
    ++p;
    if (p == end) return 0;
  }
  unsigned long long mag = 0;
  auto res = std::from_chars(p, end, mag);
  if (res.ec != std::errc() || res.ptr != end) return std::nullopt;
  if (mag > 9223372036854775807ULL) return std::nullopt;
  auto v = static_cast<long long>(mag);
  return neg ? -v : v;
}

namespace {

// Rewrites a Fortran real field as "[-]digits e exponent" for from_chars.
bool normalise_real(std::string_view field, int decimals, std::string& out) {
  out.clear();
  std::size_t i = 0;
  auto next = [&]() -> char {
    while (i < field.size() && (field[i] == ' ' || field[i] == '\t')) ++i;
    return i < field.size() ? field[i] : '\0';
  };
  char c = next();
  if (c == '+' || c == '-') {
    if (c == '-') out += '-';
    ++i;
    c = next();
  }
  bool point = false;
  bool any_digit = false;
  long fraction = 0;
  for (;; c = next()) {
    if (c >= '0' && c <= '9') {
      out += c;
      any_digit = true;
      if (point) ++fraction;
      ++i;
    } else if (c == '.' && !point) {
      point = true;
      ++i;
    } else {
      break;
    }
  }
  long exponent = 0;
  if (c == 'E' || c == 'e' || c == 'D' || c == 'd' || c == '+' || c == '-') {
    if (c != '+' && c != '-') {
      ++i;
      c = next();
    }
    bool neg = false;
    if (c == '+' || c == '-') {
      neg = c == '-';
      ++i;
      c = next();
    }
    bool exp_digit = false;
    for (; c >= '0' && c <= '9'; c = next()) {
      exponent = exponent * 10 + (c - '0');
      if (exponent > 100000) return false;
      exp_digit = true;
      ++i;
    }
    if (!exp_digit) return false;
    if (neg) exponent = -exponent;
  }
  if (i != field.size()) return false;
  if (!any_digit) {
    if (point) return false;
    out.assign(1, '0');
    return true;
  }
  exponent -= point ? fraction : decimals;
  out += 'e';
  out += std::to_string(exponent);
  return true;
}

template <class T>
std::optional<T> get_real(std::string_view field, int decimals) {
  std::string text;
  if (!normalise_real(field, decimals, text)) return std::nullopt;
  T v{};
  auto res = std::from_chars(text.data(), text.data() + text.size(), v);
  if (res.ec == std::errc::result_out_of_range) return std::nullopt;
  if (res.ec != std::errc() || res.ptr != text.data() + text.size()) return std::nullopt;
  return v;
}

}  // namespace

std::optional<double> get_double(std::string_view field, int decimals) { return get_real<double>(field, decimals); }

std::optional<float> get_float(std::string_view field, int decimals) { return get_real<float>(field, decimals); }

}  // namespace rec
