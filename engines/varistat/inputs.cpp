#include "engines/varistat/inputs.h"

#include <string>
#include <string_view>
#include <vector>

#include "engines/common/file_names.h"

namespace vs {

namespace {

// Logs the family's heading and its names, one per record, then reads the
// files in that order into fields 1, 2, … of the store.
template <std::size_t N>
void read_family(rec::Unit& log, std::string_view heading, const std::vector<std::string>& names,
                 eng::Decode rule, std::array<Field, N>& store) {
  log.write(heading);
  for (const std::string& name : names) log.write("(1X,A46)", {name});
  for (std::size_t k = 0; k < names.size(); ++k) eng::read_field(names[k], rule, store[k + 1]);
}

std::vector<std::string> case_names(const eng::EngineConfig& c, char def1, char def2) {
  std::vector<std::string> names;
  for (int k = 1; k <= c.NCASES; ++k) names.push_back(eng::case_file_name(c, k, def1, def2));
  return names;
}

std::vector<std::string> model_names(const eng::EngineConfig& c, char digit) {
  std::vector<std::string> names;
  for (int k = 1; k <= c.NMODIN; ++k)
    names.push_back(eng::model_file_name(c.IMOD[k], digit, c.IVAR, c.ISEAS));
  return names;
}

}  // namespace

void read_sd_changes(VsState& s, rec::Unit& log) {
  read_family(log, "(/,1X,'*** NORMALIZED S.D. CHANGE FILES READ ***')",
              case_names(s.cfg, '5', '6'), eng::Decode::Change, s.NDELSD);
}

void read_mean_changes(VsState& s, rec::Unit& log) {
  read_family(log, "(/,1X,'*** NORMALIZED MEAN STATE CHANGE FILES READ ***')",
              case_names(s.cfg, '1', '2'), eng::Decode::Change, s.NDELMN);
}

void read_baseline_sds(VsState& s, rec::Unit& log) {
  read_family(log, "(/,1X,'*** BASELINE S.D. FILES READ ***')", model_names(s.cfg, '4'),
              eng::Decode::BaselineSD, s.BSD);
}

void read_baseline_means(VsState& s, rec::Unit& log) {
  read_family(log, "(/,1X,'*** BASELINE MEAN FILES READ ***')", model_names(s.cfg, '3'),
              eng::Decode::Change, s.BMEAN);
}

}  // namespace vs
