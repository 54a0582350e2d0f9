#include "results/run_info.h"

#include <cctype>

namespace res {

std::string file_stem(const std::string& label) {
  std::string s;
  for (char c : label) {
    const bool keep = std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_';
    s += keep ? c : '_';
  }
  return s.empty() ? "scenario" : s;
}

}  // namespace res
