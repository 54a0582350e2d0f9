// The plausible values on the input files' format pages are generated from
// the tables of orvtar/control/input_bounds.cpp; each committed page must
// hold what the table gives now, so that a changed range or reason cannot
// leave the documentation behind.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "doctools/input_bounds_page.h"
#include "records/record_io.h"
#include "support/scratch_dir.h"

namespace {

using ::testing::HasSubstr;

TEST(InputBoundsPages, CommittedPagesHoldTheGeneratedPart) {
  ASSERT_EQ(orv::input_tables().size(), 5u);
  for (const orv::InputTable* table : orv::input_tables()) {
    const std::string name = "docs/formats/" + std::string(table->page);
    SCOPED_TRACE(name);
    const std::string committed = testsupport::read_text(std::string(PROJECT_DATA_DIR) + "/../" + name);
    ASSERT_FALSE(committed.empty());
    EXPECT_THAT(committed, HasSubstr(doc::input_bounds_part(*table)))
        << name << " is stale: cmake --build BUILD --target update-docs";
    EXPECT_EQ(doc::with_input_bounds(committed, name, *table), committed);
  }
}

TEST(InputBoundsPages, PartListsEveryColumnWithItsRangeAndReason) {
  const std::string part = doc::input_bounds_part(orv::gasemk_table());
  EXPECT_THAT(part, HasSubstr("\n| 4 | 37-46 | N2O | TgN/yr | 0 to 50 | anthropogenic sources are not negative; "));
  EXPECT_THAT(part, HasSubstr("\n| 18 | 177-186 | SF6 | kt/yr | 0 to 200 | "));
  EXPECT_THAT(doc::input_bounds_part(orv::qextra_table()),
              HasSubstr("\n| every value | from 7, 10 each | extra forcing | W/m\\*\\*2 | -20 to 20 | "));
}

TEST(InputBoundsPages, PageWithoutMarkersIsRefused) {
  try {
    doc::with_input_bounds("# A page\n", "page.md", orv::co2input_table());
    FAIL() << "accepted";
  } catch (const rec::Error& e) {
    EXPECT_THAT(e.what(), HasSubstr("page.md: expected the marker lines of the generated part"));
  }
}

}  // namespace
