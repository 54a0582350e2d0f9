// The front end's settings file: "key = value" lines in [sections], with
// comments after '#'. Every entry keeps its line number for messages.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fe {

struct Setting {
  std::string section;  // lower case
  std::string key;      // as written
  std::string value;    // trimmed, comment removed
  long line = 0;
};

struct SettingsFile {
  std::string name;
  std::string text;  // as read
  std::vector<Setting> entries;

  // The entry for `key` in `section` (keys compare without regard to case).
  const Setting* find(std::string_view section, std::string_view key) const;
};

// Parses settings text; a malformed line throws rec::Error naming `name`
// and the line.
// Throws rec::Error "FILE, line N: WHAT" (no line number when `line` is 0).
[[noreturn]] void fail_line(std::string_view file, long line, std::string_view what);

SettingsFile parse_settings(std::string_view text, const std::string& name);
SettingsFile read_settings(const std::string& path);

}  // namespace fe
