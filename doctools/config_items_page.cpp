#include "doctools/config_items_page.h"

#include <sstream>
#include <string_view>

#include "doctools/markdown_text.h"
#include "orvtar/control/config_items.h"

namespace doc {
namespace {

std::string section_name(std::string_view file) {
  std::string s(file.substr(0, file.find('.')));
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

std::string with_unit(std::string_view value, std::string_view unit) {
  std::string out(value);
  if (!unit.empty()) out.append(" ").append(unit);
  return out;
}

void write_file(std::ostream& out, orv::ConfigFile file) {
  const std::string_view name = orv::file_name(file);
  out << "\n## " << name << "\n\n"
      << "Settings file section `[" << section_name(name) << "]`.\n\n"
      << "| record | item | format | unit | accepted values | default | meaning |\n"
      << "|---|---|---|---|---|---|---|\n";
  for (const orv::ConfigItem& it : orv::config_items()) {
    if (it.file != file) continue;
    out << "| " << it.record << " | `" << it.name << "` | `" << it.record_format() << "` | " << cell(it.unit) << " | "
        << cell(orv::accepted_text(it)) << " | " << cell(it.default_value) << " | " << cell(it.meaning) << " |\n";
  }
  out << "\nSources of the defaults, and why the accepted values end where they do:\n\n";
  for (const orv::ConfigItem& it : orv::config_items()) {
    if (it.file != file) continue;
    out << "- `" << it.name << "` = " << cell(with_unit(it.default_value, it.unit)) << ": " << cell(it.source);
    if (!it.reason.empty()) out << ". Accepted values: " << cell(it.reason);
    out << ".\n";
  }
}

}  // namespace

std::string config_items_page() {
  std::ostringstream out;
  out << "# ORVUSER.CFG, ORVGAS.CFG, ORVMOD.CFG, ORVRUN.CFG, ORVXTRA.CFG: configuration of the climate model\n\n"
         "<!-- Generated from the item table orvtar/control/config_items.cpp by `doctool config-page`; do not\n"
         "     edit. After a change to the table: cmake --build BUILD --target update-docs -->\n\n"
         "Read by `orvtar` from the working directory (`orvtar/control/config.cpp`), in\n"
         "the order of the sections below; written by the front end\n"
         "(`frontend/config_writer.cpp`) from the settings file, where each item goes\n"
         "by its name in the section of its file (`[orvuser]` ... `[orvxtra]`), and\n"
         "listed with its default and meaning by `scenario init`. The bundled\n"
         "defaults are `data/defaults/`. This page, the readers, the checks and the\n"
         "front end all come from one table, `orvtar/control/config_items.cpp`.\n\n"
         "## Records\n\n"
         "One item per record, in the order of the tables below; no record may be\n"
         "left out. The value stands in columns 1-10: `(I10)` for an integer,\n"
         "`(F10.0)` for a real, which may carry its decimal point anywhere in the\n"
         "field (without one it is a whole number) and an exponent (`1.0E-3`).\n"
         "Blanks in the field are ignored and an all-blank field reads as zero.\n"
         "Anything after column 10 is a comment; the bundled files give the item's\n"
         "name and meaning there.\n\n"
         "After each file the model derives further settings from the values read\n"
         "(ORVUSER.CFG U1, ORVGAS.CFG G1-G6, ORVMOD.CFG M1-M5, ORVXTRA.CFG X1, then\n"
         "R1-R9), for example `IYEND` beyond 2504 becomes 2504 and `D80SIN` and\n"
         "`CCFB1` are recomputed from `CCFB4`: see the\n"
         "[configuration note](../design/configuration.md).\n\n"
         "## Errors\n\n"
         "A missing file, a missing record or a field that is not a number ends the\n"
         "run naming the file and the record. A value outside its accepted values\n"
         "(checked after the derived settings) is refused with the file, the\n"
         "record, the value and the accepted values; exit status 2. `scenario`\n"
         "runs the same checks on its settings file before anything runs and names\n"
         "the settings line instead.\n";
  for (orv::ConfigFile file : orv::CONFIG_FILES) write_file(out, file);
  return out.str();
}

}  // namespace doc
