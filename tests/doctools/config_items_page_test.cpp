// The configuration files' format page is generated from the item table;
// the committed page must be what the table gives now, so that a changed
// default, unit, bound or meaning cannot leave the documentation behind.
#include <gtest/gtest.h>

#include <string>

#include "doctools/config_items_page.h"
#include "support/scratch_dir.h"

namespace {

TEST(ConfigItemsPage, CommittedPageIsTheGeneratedOne) {
  const std::string committed = testsupport::read_text(std::string(PROJECT_DATA_DIR) + "/../docs/formats/orv-cfg.md");
  ASSERT_FALSE(committed.empty());
  EXPECT_EQ(committed, doc::config_items_page())
      << "docs/formats/orv-cfg.md is stale: cmake --build BUILD --target update-docs";
}

}  // namespace
