#include "frontend/settings_file.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

#include "records/record_io.h"

namespace fe {
namespace {

std::string trim(std::string_view s) {
  auto b = s.find_first_not_of(" \t\r");
  if (b == std::string_view::npos) return {};
  auto e = s.find_last_not_of(" \t\r");
  return std::string(s.substr(b, e - b + 1));
}

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool same_key(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

void fail_line(std::string_view file, long line, std::string_view what) {
  std::string msg(file);
  if (line > 0) msg += ", line " + std::to_string(line);
  msg += ": ";
  msg += what;
  throw rec::Error(msg);
}

const Setting* SettingsFile::find(std::string_view section, std::string_view key) const {
  for (const auto& e : entries)
    if (e.section == section && same_key(e.key, key)) return &e;
  return nullptr;
}

SettingsFile parse_settings(std::string_view text, const std::string& name) {
  SettingsFile f;
  f.name = name;
  f.text = text;
  // Editors on some systems start a UTF-8 file with a byte-order mark.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::string section;
  long line_no = 0;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t nl = text.find('\n', pos);
    std::string_view raw = text.substr(pos, nl == std::string_view::npos ? text.size() - pos : nl - pos);
    pos = nl == std::string_view::npos ? text.size() + 1 : nl + 1;
    ++line_no;
    std::string line = trim(raw.substr(0, raw.find('#')));
    if (line.empty()) continue;
    if (line.front() == '[') {
      if (line.back() != ']' || line.size() < 3)
        fail_line(name, line_no, "expected a section header such as [engines], found \"" + line + "\"");
      section = lower(trim(std::string_view(line).substr(1, line.size() - 2)));
      continue;
    }
    auto eq = line.find('=');
    if (eq == std::string::npos)
      fail_line(name, line_no, "expected \"key = value\", found \"" + line + "\"");
    Setting s{section, trim(std::string_view(line).substr(0, eq)),
              trim(std::string_view(line).substr(eq + 1)), line_no};
    if (s.key.empty()) fail_line(name, line_no, "a key is missing before '='");
    if (section.empty()) fail_line(name, line_no, "\"" + s.key + "\" comes before any [section]");
    if (const Setting* prev = f.find(section, s.key))
      fail_line(name, line_no,
                "\"" + s.key + "\" is set twice in [" + section + "] (first on line " +
                    std::to_string(prev->line) + ")");
    f.entries.push_back(std::move(s));
  }
  return f;
}

SettingsFile read_settings(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) fail_line(path, 0, "cannot open the settings file");
  std::stringstream ss;
  ss << in.rdbuf();
  return parse_settings(ss.str(), path);
}

}  // namespace fe
