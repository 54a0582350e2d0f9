#include "tools/synth_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

#include "engines/common/catalogue.h"
#include "records/record_io.h"

namespace synth {

namespace {

[[noreturn]] void bad(const std::string& what) { throw rec::Error(what + " (see tesseragen --help)"); }

std::string upper(std::string_view s) {
  std::string u(s);
  for (char& ch : u) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return u;
}

// A whole-string integer in [lo, hi], or -1.
long long number(std::string_view s, long long lo, long long hi) {
  long long v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || v < lo || v > hi) return -1;
  return v;
}

// Splits a comma-separated list and maps each item; sorted, without repeats.
template <class Map>
std::vector<int> parse_list(std::string_view option, std::string_view list, Map map) {
  std::vector<int> out;
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = list.find(',', start);
    std::string_view item = list.substr(start, comma == std::string_view::npos ? list.npos : comma - start);
    int v = map(upper(item));
    if (v < 0) bad(std::string(option) + ": unknown item \"" + std::string(item) + "\"");
    out.push_back(v);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

int variable(const std::string& s) {
  if (s == "TEMP" || s == "T" || s == "1") return 1;
  if (s == "PRECIP" || s == "P" || s == "2") return 2;
  return -1;
}

int season(const std::string& s) {
  for (int k = 1; k <= eng::NSEASONS; ++k)
    if (s == eng::SEASNAME[k]) return k;
  return static_cast<int>(number(s, 1, eng::NSEASONS));
}

}  // namespace

CommandLine parse_command_line(int argc, const char* const* argv) {
  CommandLine cl;
  auto value = [&](int& i, std::string_view opt) -> std::string_view {
    if (i + 1 >= argc) bad(std::string(opt) + " needs a value");
    return argv[++i];
  };
  for (int i = 0; i < argc; ++i) {
    std::string_view a = argv[i];
    if (a == "--help" || a == "-h") {
      cl.help = true;
    } else if (a == "--quiet") {
      cl.quiet = true;
    } else if (a == "--seed") {
      std::string_view v = value(i, a);
      long long seed = number(v, 0, (1LL << 62));
      if (seed < 0) bad("--seed: expected a non-negative integer, got \"" + std::string(v) + "\"");
      cl.tree.seed = static_cast<std::uint64_t>(seed);
    } else if (a == "--vars") {
      cl.tree.vars = parse_list(a, value(i, a), variable);
    } else if (a == "--seasons") {
      std::string_view v = value(i, a);
      if (upper(v) == "ALL")
        cl.tree.seasons.clear();
      else
        cl.tree.seasons = parse_list(a, v, season);
    } else if (a == "--workdir") {
      cl.tree.workdir = value(i, a);
    } else if (a.starts_with("-") && a.size() > 1) {
      bad("unknown option \"" + std::string(a) + "\"");
    } else if (cl.tree.root.empty()) {
      cl.tree.root = a;
    } else {
      bad("only one ROOT may be given, got \"" + cl.tree.root + "\" and \"" + std::string(a) + "\"");
    }
  }
  if (!cl.help && cl.tree.root.empty()) bad("no ROOT directory given");
  return cl;
}

}  // namespace synth
