// doctool: the build's documentation generator (not installed).
//   doctool manual SOURCE NAME PAGE HEADER   a program's manual source into its
//                                            manual page and its --help header
//   doctool config-page PAGE                 the configuration files' format page
//   doctool input-bounds DIR                 the plausible values of the input files'
//                                            format pages in DIR (docs/formats)
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "doctools/config_items_page.h"
#include "doctools/input_bounds_page.h"
#include "doctools/manual_page.h"
#include "records/record_io.h"

namespace {

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw rec::Error(path + ": cannot open it");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void write_file(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  out.close();
  if (!out) throw rec::Error(path + ": cannot write it");
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 5 && args[0] == "manual") {
      // args[2] is the source as the header's comment names it (relative to
      // the source tree, so that no absolute path lands in a build).
      const doc::Manual m = doc::parse_manual(read_file(args[1]), args[2]);
      write_file(args[3], doc::roff_page(m));
      write_file(args[4], doc::help_header(m, args[2]));
      return 0;
    }
    if (args.size() == 2 && args[0] == "config-page") {
      write_file(args[1], doc::config_items_page());
      return 0;
    }
    if (args.size() == 2 && args[0] == "input-bounds") {
      for (const orv::InputTable* table : orv::input_tables()) {
        const std::string page = args[1] + "/" + std::string(table->page);
        write_file(page, doc::with_input_bounds(read_file(page), page, *table));
      }
      return 0;
    }
    std::cerr
        << "usage: doctool manual SOURCE NAME PAGE HEADER | doctool config-page PAGE | doctool input-bounds DIR\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "doctool: " << e.what() << '\n';
    return 2;
  }
}
