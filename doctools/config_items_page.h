// The format page of the climate model's five configuration files, made
// from the item table (orvtar/control/config_items.cpp), so that the items'
// documentation is never typed twice. The page is committed as
// docs/formats/orv-cfg.md; a test holds it equal to what this makes.
#pragma once

#include <string>

namespace doc {

// The whole page, in Markdown.
std::string config_items_page();

}  // namespace doc
