#include "orvtar/control/report_date.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <string>

#include "records/record_io.h"

namespace orv {

ReportDate report_date() {
  std::time_t now = std::time(nullptr);
  bool utc = false;
  if (const char* env = std::getenv("SOURCE_DATE_EPOCH"); env != nullptr && *env != '\0') {
    const std::string text(env);
    errno = 0;
    char* end = nullptr;
    const long long seconds = std::strtoll(env, &end, 10);
    if (text.find_first_not_of("0123456789") != std::string::npos || *end != '\0' || errno != 0)
      throw rec::Error("SOURCE_DATE_EPOCH = '" + text +
                       "': expected a whole number of seconds since 1970-01-01 00:00 UTC");
    now = static_cast<std::time_t>(seconds);
    utc = true;
  }
  std::tm parts{};
  if ((utc ? gmtime_r(&now, &parts) : localtime_r(&now, &parts)) == nullptr)
    throw rec::Error("the report date lies beyond the range of the calendar");
  return ReportDate{parts.tm_mday, parts.tm_mon + 1, parts.tm_year + 1900};
}

}  // namespace orv
