#include "frontend/results_step.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <ostream>
#include <thread>

#include "engines/common/catalogue.h"
#include "frontend/ensemble_figure.h"
#include "frontend/process.h"
#include "records/record_io.h"
#include "results/csv_files.h"
#include "results/figure_scripts.h"
#include "results/regional_netcdf.h"
#include "results/run_page.h"

namespace fs = std::filesystem;

namespace fe {

namespace {

std::string utc_now() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  gmtime_r(&t, &tm);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%SZ", &tm);
  return buf;
}

res::ModelData model_data(const DataTree& tree) {
  res::ModelData m;
  m.synthetic = tree.synthetic;
  m.root = tree.root;
  if (tree.synthetic)
    m.description = "SYNTHETIC PATTERNS made by tesseragen (" + tree.root + "), not by climate models";
  else if (tree.imported)
    m.description = "model data tree " + tree.root + " imported by " + tree.tool + " on " + tree.date +
                    ": patterns of change from " + tree.baseline + " to " + tree.future +
                    " per degC of each model's global-mean warming";
  else
    m.description = "model data tree " + tree.root + " (no TREE.INI: the models behind the slots are not named)";
  for (std::size_t k = 0; k < m.names.size(); ++k) m.names[k] = tree.names[k];
  return m;
}

std::vector<std::pair<std::string, std::string>> settings_rows(const RunSettings& rs) {
  const EngineSettings& e = rs.engines;
  std::string models;
  for (int m : e.IMOD) {
    if (!models.empty()) models += ' ';
    models += eng::MODCODE_TABLE[m].substr(0, 4);
  }
  char threshold[32];
  std::snprintf(threshold, sizeof threshold, "%g", e.THRESH);
  return {{"reference scenario", rs.reference.label + " (ES1990 " + rs.reference.es1990 + " TgS/yr)"},
          {"policy scenario", rs.policy.label + " (ES1990 " + rs.policy.es1990 + " TgS/yr)"},
          {"last year (IYEND)", std::to_string(rs.IYEND)},
          {"reference year of temperature and sea level (IREFYR)", std::to_string(rs.IREFYR)},
          {"climate sensitivity of the USER set (DT2XUSER)", rs.orvtar.at("DT2XUSER") + " degC"},
          {"year of the regional patterns", std::to_string(e.IYEAR)},
          {"variable, season", std::string(e.IVAR == 1 ? "temperature" : "precipitation") + ", " +
                                   std::string(eng::SEASNAME[e.ISEAS])},
          {"models", models},
          {"area", e.area_label},
          {"scaling", e.ISCALE == 1 ? "linear" : "exponential"},
          {"parameter set of the warming", e.IPSET == 1 ? "DEFAULT (MID)" : "USER"},
          {"aerosols", e.ISULF == 1 ? "on" : "off"},
          {"definition", e.IDEF == 3 ? "both" : std::to_string(e.IDEF)},
          {"increase threshold", threshold},
          {"observed baseline", e.OBSSET}};
}

// Runs the scripts in two gnuplot processes at once; the names of those
// that failed are returned (all of them when gnuplot could not start).
std::vector<std::string> draw(const std::string& gnuplot, const std::string& dir,
                              const std::vector<res::Figure>& figures) {
  std::vector<std::string> args[2];
  for (std::size_t k = 0; k < figures.size(); ++k) args[k % 2].push_back(figures[k].name + ".gp");
  int status[2] = {0, 0};
  std::thread second([&] {
    status[1] = args[1].empty() ? 0 : run_program(gnuplot, args[1], dir, dir + "/gnuplot-2.log");
  });
  status[0] = args[0].empty() ? 0 : run_program(gnuplot, args[0], dir, dir + "/gnuplot-1.log");
  second.join();
  std::vector<std::string> failed;
  for (const res::Figure& f : figures)
    if (!fs::is_regular_file(dir + "/" + f.name + ".png") || !fs::is_regular_file(dir + "/" + f.name + ".svg"))
      failed.push_back(f.name);
  if (status[0] == 0 && status[1] == 0 && failed.empty()) {
    fs::remove(dir + "/gnuplot-1.log");
    fs::remove(dir + "/gnuplot-2.log");
  }
  return failed;
}

}  // namespace

std::string find_gnuplot() {
  const char* path = std::getenv("PATH");
  std::string p = path ? path : "/usr/bin:/bin";
  std::size_t at = 0;
  while (at <= p.size()) {
    const std::size_t end = p.find(':', at);
    const std::string dir = p.substr(at, end == std::string::npos ? std::string::npos : end - at);
    const fs::path exe = fs::path(dir.empty() ? "." : dir) / "gnuplot";
    std::error_code ec;
    if (fs::is_regular_file(exe, ec) && ::access(exe.c_str(), X_OK) == 0) return exe.string();
    if (end == std::string::npos) break;
    at = end + 1;
  }
  return "";
}

std::string write_results(const RunSettings& rs, const RunResults& results, const DataTree& tree,
                          const ResultsOptions& opt, std::ostream& out) {
  const std::string dir = opt.run_dir + "/results";
  std::error_code ec;
  fs::remove_all(dir, ec);
  fs::create_directories(dir + "/figures", ec);
  if (ec) rec::fail(dir, 0, "cannot create the folder: " + ec.message());

  res::RunInfo info;
  info.run_folder = opt.shown_dir;
  info.created = utc_now();
  info.command = opt.command;
  info.settings = settings_rows(rs);
  info.models = model_data(tree);
  info.summary = opt.summary;

  res::write_global_csv(dir + "/global.csv", results.global);
  res::write_regional_csv(dir + "/regional.csv", results.regional);

  std::vector<std::string> netcdf_files;
  if (res::netcdf_available()) {
    for (std::size_t k = 0; k < results.regional.size(); ++k) {
      const res::RegionalResults& r = results.regional[k];
      const bool twin = k == 1 && results.regional[0].scenario == r.scenario;
      const std::string name = "regional-" + res::file_stem(r.scenario) + (twin ? "-policy" : "") + ".nc";
      res::write_regional_netcdf(dir + "/" + name, r, info);
      netcdf_files.push_back(name);
    }
  } else {
    out << "warning: this build has no netCDF library (libnetcdf-dev): regional-*.nc not written\n";
  }

  const std::vector<res::Figure> figures = res::write_figure_scripts(
      dir + "/figures", results.global, results.regional, info, opt.data_dir + "/coastlines/land-110m.txt");
  if (const std::string gnuplot = find_gnuplot(); gnuplot.empty()) {
    out << "warning: gnuplot not found (Debian package gnuplot-nox): figures not drawn; their scripts are in "
        << opt.shown_dir << "/results/figures\n";
  } else if (auto failed = draw(gnuplot, dir + "/figures", figures); !failed.empty()) {
    out << "warning: gnuplot did not draw " << failed.size() << " of " << figures.size() << " figures (first "
        << failed.front() << "); see " << opt.shown_dir << "/results/figures/gnuplot-*.log\n";
  }
  for (const auto& g : results.global)
    if (g.overflowed() > 0)
      out << "warning: " << g.overflowed() << " values of " << g.scenario
          << "'s display files were no numbers (NaN, Inf) or did not fit their fields (asterisks): left empty in "
             "global.csv\n";
  for (const auto& r : results.regional)
    if (r.overflowed > 0)
      out << "warning: " << r.overflowed << " values of " << r.scenario
          << "'s engine tables did not fit their fields (asterisks): kept as missing\n";

  // An ensemble run into the same folder shows on the page too (a new run
  // takes over the ensemble of the run folder it replaces).
  std::vector<res::PageSection> sections = opt.extra_sections;
  for (res::PageSection& s : ensemble_page_sections(opt.shown_dir)) sections.push_back(std::move(s));
  res::run_page(results.global, results.regional, figures, netcdf_files, info, opt.shown_dir + "/results", sections)
      .write(dir);
  return dir + "/report.html";
}

}  // namespace fe
