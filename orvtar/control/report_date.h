// The date printed in the report head.
#pragma once

namespace orv {

struct ReportDate {
  int day = 1;    // 1..31
  int month = 1;  // 1..12
  int year = 1970;
};

// Today's local date; when the environment variable SOURCE_DATE_EPOCH holds
// a number of seconds since 1970-01-01 00:00 UTC, the UTC date of that
// moment instead, so that two runs of the same case give identical reports.
// A SOURCE_DATE_EPOCH that is not such a number throws rec::Error.
ReportDate report_date();

}  // namespace orv
