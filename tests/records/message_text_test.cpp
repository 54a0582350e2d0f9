// Input text in error messages: control bytes made visible, everything
// else kept.
#include "records/message_text.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageText, ControlBytesAreEscapedAndOtherTextKept) {
  EXPECT_EQ(rec::printable("  2100\r"), "  2100\\r");
  EXPECT_EQ(rec::printable("a\nb\tc"), "a\\nb\\tc");
  EXPECT_EQ(rec::printable(std::string_view("\x1e\x00\x7f", 3)), "\\x1e\\x00\\x7f");
  EXPECT_EQ(rec::printable("C:\\r"), "C:\\\\r");  // a backslash in the file is doubled
  EXPECT_EQ(rec::printable("25 \xc2\xb0" "C, +1.5E-3 'x'"), "25 \xc2\xb0" "C, +1.5E-3 'x'");
  EXPECT_EQ(rec::quoted("OL\x1b"), "\"OL\\x1b\"");
  EXPECT_EQ(rec::quoted(""), "\"\"");
}

}  // namespace
