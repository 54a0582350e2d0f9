#include "importer/tree_manifest.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>

#include "engines/common/catalogue.h"
#include "importer/import_run.h"
#include "records/record_io.h"

namespace imp {

namespace {

std::string join(const std::vector<std::string>& v) {
  std::string s;
  for (const std::string& x : v) s += (s.empty() ? "" : ", ") + x;
  return s;
}

std::string epoch(int first, int last) { return std::to_string(first) + "-" + std::to_string(last); }

std::string fixed(double v, int digits) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", digits, v);
  return buf;
}

}  // namespace

std::string record_date() {
  std::time_t t = std::time(nullptr);
  if (const char* e = std::getenv("SOURCE_DATE_EPOCH"); e && *e) t = static_cast<std::time_t>(std::strtoll(e, nullptr, 10));
  std::tm tm{};
  gmtime_r(&t, &tm);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%SZ", &tm);
  return buf;
}

void write_tree_manifest(const std::string& path, const ImportManifest& m, const TreeFacts& t) {
  std::ofstream out(path, std::ios::binary);
  const char* state[2] = {"all-missing", "present"};
  out << "# Model data tree for the engines crossmod and varistat, imported from climate-model\n"
         "# output by " << TOOL_VERSION << ". Point TESSERA_DATA_ROOT (or [engines] data_root) here.\n"
         "# Units: dTg and global_mean_baseline in degC (area-weighted global means of annual tas).\n"
         "\n[tree]\n"
      << "tool = " << TOOL_VERSION << "\n"
      << "date = " << t.date << "\n"
      << "manifest = " << m.path << "\n"
      << "baseline = " << epoch(m.epochs.base_first, m.epochs.base_last) << "\n"
      << "future = " << epoch(m.epochs.future_first, m.epochs.future_last) << "\n"
      << "models = " << t.models.size() << "\n"
      << "observed_new_tas = " << state[t.observed[0]] << "\n"
      << "observed_new_pr = " << state[t.observed[1]] << "\n"
      << "observed_old_tas = " << state[t.observed[2]] << "\n"
      << "observed_old_pr = " << state[t.observed[3]] << "\n"
      << "aerosol = " << (t.aerosol ? "present" : "absent") << "\n"
      << "unrepresentable = " << t.unrepresentable
      << "   # values outside -99 … 1000 that the files cannot hold, written as missing\n";
  for (const ImportedModel& im : t.models) {
    out << "\n[" << std::string(eng::MODCODE_TABLE[im.slot].substr(0, 4)) << "]   # file stem "
        << eng::MODLAB[im.slot] << "\n"
        << "name = " << im.name << "\n"
        << "experiments = " << im.experiments << "\n"
        << "variants = " << im.variants << "\n"
        << "calendar = " << im.calendar << "\n"
        << "grid = " << im.grid << "\n"
        << "dTg = " << fixed(im.dTg, 3) << "\n"
        << "global_mean_baseline = " << fixed(im.base_temperature, 3) << "\n"
        << "tas_files = " << join(im.tas_files) << "\n"
        << "pr_files = " << join(im.pr_files) << "\n";
  }
  out.close();
  if (!out) throw rec::Error(path + ": cannot write it");
}

}  // namespace imp
