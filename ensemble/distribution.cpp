#include "ensemble/distribution.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace ens {

namespace {

// The 95 % point of the standard normal distribution: lognormal spreads
// are given by their 5 and 95 % points.
constexpr double Z95 = 1.6448536269514722;

double lognormal_spread(const Distribution& d, double z) {
  return z < 0 ? std::log(d.a / d.b) / Z95 : std::log(d.c / d.a) / Z95;
}

std::string number_text(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", v);
  return buf;
}

bool parse_number(std::string_view t, double& v) {
  const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  return r.ec == std::errc() && r.ptr == t.data() + t.size() && std::isfinite(v);
}

std::vector<std::string_view> words(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t pos = 0;
  while (true) {
    pos = text.find_first_not_of(" \t", pos);
    if (pos == std::string_view::npos) return out;
    const std::size_t end = std::min(text.find_first_of(" \t", pos), text.size());
    out.push_back(text.substr(pos, end - pos));
    pos = end;
  }
}

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// Numbers of words[first, last); false when one is not a number.
bool numbers(const std::vector<std::string_view>& w, std::size_t first, std::size_t last, std::vector<double>& out) {
  for (std::size_t k = first; k < last; ++k) {
    double v = 0;
    if (!parse_number(w[k], v)) return false;
    out.push_back(v);
  }
  return true;
}

std::optional<Distribution> parse_lognormal(const std::vector<std::string_view>& w, std::string& error) {
  Distribution d;
  d.kind = DistributionKind::Lognormal;
  bool seen[3] = {false, false, false};
  const char* keys[3] = {"median", "p05", "p95"};
  double* slot[3] = {&d.a, &d.b, &d.c};
  for (std::size_t k = 1; k + 1 < w.size(); k += 2) {
    const std::string key = lower(w[k]);
    const auto it = std::find(std::begin(keys), std::end(keys), key);
    const std::size_t i = static_cast<std::size_t>(it - std::begin(keys));
    if (it == std::end(keys) || seen[i] || !parse_number(w[k + 1], *slot[i])) break;
    seen[i] = true;
  }
  if (w.size() != 7 || !seen[0] || !seen[1] || !seen[2]) {
    error = "lognormal median M p05 A p95 B, with numbers M, A and B";
    return std::nullopt;
  }
  if (!(d.b > 0 && d.b < d.a && d.a < d.c)) {
    error = "lognormal median M p05 A p95 B with 0 < A < M < B";
    return std::nullopt;
  }
  d.lower = 0;
  return d;
}

std::optional<Distribution> parse_choice(const std::vector<std::string_view>& w, std::string& error) {
  Distribution d;
  d.kind = DistributionKind::Choice;
  const auto split = std::find_if(w.begin(), w.end(), [](std::string_view t) { return lower(t) == "weights"; });
  const auto at = static_cast<std::size_t>(split - w.begin());
  std::vector<double> weights;
  const bool ok = numbers(w, 1, at, d.values) && (split == w.end() || numbers(w, at + 1, w.size(), weights));
  if (!ok || d.values.size() < 2) {
    error = "choice V1 V2 ... [weights W1 W2 ...] with at least two numbers";
    return std::nullopt;
  }
  for (std::size_t i = 0; i < d.values.size(); ++i)
    for (std::size_t j = 0; j < i; ++j)
      if (d.values[i] == d.values[j]) {
        error = "choice of different values (" + number_text(d.values[i]) + " is listed twice)";
        return std::nullopt;
      }
  if (split == w.end()) weights.assign(d.values.size(), 1.0);
  if (weights.size() != d.values.size() ||
      std::any_of(weights.begin(), weights.end(), [](double x) { return !(x > 0); })) {
    error = "one weight above 0 for each of the " + std::to_string(d.values.size()) + " values of the choice";
    return std::nullopt;
  }
  double total = 0;
  for (double x : weights) total += x;
  for (double x : weights) d.probabilities.push_back(x / total);
  return d;
}

}  // namespace

double normal_cdf(double z) { return 0.5 * std::erfc(-z / std::numbers::sqrt2); }

// Acklam's rational approximation (relative error below 1.2e-9), then one
// Halley step on the exact cumulative probability, which brings it to full
// double precision.
double normal_quantile(double p) {
  if (!(p > 0 && p < 1)) {
    if (p == 0) return -std::numeric_limits<double>::infinity();
    if (p == 1) return std::numeric_limits<double>::infinity();
    return std::numeric_limits<double>::quiet_NaN();
  }
  static constexpr double a[] = {-3.969683028665376e+01, 2.209460984245205e+02,  -2.759285104469687e+02,
                                 1.383577518672690e+02,  -3.066479806614716e+01, 2.506628277459239e+00};
  static constexpr double b[] = {-5.447609879822406e+01, 1.615858368580409e+02, -1.556989798598866e+02,
                                 6.680131188771972e+01, -1.328068155288572e+01};
  static constexpr double c[] = {-7.784894002430293e-03, -3.223964580411365e-01, -2.400758277161838e+00,
                                 -2.549732539343734e+00, 4.374664141464968e+00,  2.938163982698783e+00};
  static constexpr double d[] = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00,
                                 3.754408661907416e+00};
  constexpr double plow = 0.02425;
  double x = 0;
  if (p < plow || p > 1 - plow) {
    const double q = std::sqrt(-2 * std::log(p < plow ? p : 1 - p));
    x = (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
        ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
    if (p > plow) x = -x;
  } else {
    const double q = p - 0.5, r = q * q;
    x = (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
        (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1);
  }
  const double e = normal_cdf(x) - p;
  const double u = e * std::sqrt(2 * std::numbers::pi) * std::exp(x * x / 2);
  return x - u / (1 + x * u / 2);
}

double Distribution::uncut_quantile(double u) const {
  switch (kind) {
    case DistributionKind::Uniform: return a + u * (b - a);
    case DistributionKind::Normal: return a + b * normal_quantile(u);
    case DistributionKind::Lognormal: {
      const double z = normal_quantile(u);
      return a * std::exp(z * lognormal_spread(*this, z));
    }
    case DistributionKind::Choice: {
      double cumulative = 0;
      for (std::size_t i = 0; i + 1 < values.size(); ++i) {
        cumulative += probabilities[i];
        if (u < cumulative) return values[i];
      }
      return values.back();
    }
  }
  return 0;
}

double Distribution::uncut_cdf(double x) const {
  switch (kind) {
    case DistributionKind::Uniform: return std::clamp((x - a) / (b - a), 0.0, 1.0);
    case DistributionKind::Normal: return normal_cdf((x - a) / b);
    case DistributionKind::Lognormal: {
      if (x <= 0) return 0;
      const double l = std::log(x / a);
      return normal_cdf(l / lognormal_spread(*this, l));
    }
    case DistributionKind::Choice: {
      double p = 0;
      for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i] <= x) p += probabilities[i];
      return std::min(p, 1.0);
    }
  }
  return 0;
}

double Distribution::quantile(double u) const {
  if (kind == DistributionKind::Choice) return uncut_quantile(u);
  const double from = uncut_cdf(lower), to = uncut_cdf(upper);
  return std::clamp(uncut_quantile(from + u * (to - from)), lower, upper);
}

std::string Distribution::text() const {
  switch (kind) {
    case DistributionKind::Uniform: return "uniform " + number_text(a) + " " + number_text(b);
    case DistributionKind::Normal: return "normal " + number_text(a) + " " + number_text(b);
    case DistributionKind::Lognormal:
      return "lognormal median " + number_text(a) + " p05 " + number_text(b) + " p95 " + number_text(c);
    case DistributionKind::Choice: {
      std::string t = "choice", w = " weights";
      for (std::size_t i = 0; i < values.size(); ++i) {
        t.append(" ").append(number_text(values[i]));
        w.append(" ").append(number_text(probabilities[i]));
      }
      return t + w;
    }
  }
  return "";
}

std::optional<Distribution> parse_distribution(std::string_view text, std::string& error) {
  const std::vector<std::string_view> w = words(text);
  const std::string name = w.empty() ? "" : lower(w[0]);
  std::vector<double> v;
  if (name == "uniform") {
    if (w.size() != 3 || !numbers(w, 1, 3, v) || !(v[0] < v[1])) {
      error = "uniform LOW HIGH with numbers LOW < HIGH";
      return std::nullopt;
    }
    Distribution d;
    d.a = v[0];
    d.b = v[1];
    return d;
  }
  if (name == "normal") {
    if (w.size() != 3 || !numbers(w, 1, 3, v) || !(v[1] > 0)) {
      error = "normal MEAN SD with numbers MEAN and SD > 0";
      return std::nullopt;
    }
    Distribution d;
    d.kind = DistributionKind::Normal;
    d.a = v[0];
    d.b = v[1];
    return d;
  }
  if (name == "lognormal") return parse_lognormal(w, error);
  if (name == "choice") return parse_choice(w, error);
  error = "a distribution: " + std::string(DISTRIBUTION_FORMS);
  return std::nullopt;
}

}  // namespace ens
