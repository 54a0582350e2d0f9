#include "frontend/ensemble_figure.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "frontend/process.h"

namespace fs = std::filesystem;

namespace fe {

namespace {

// One colour per scenario, in the order they ran.
constexpr const char* COLOURS[] = {"#c0392b", "#2471a3"};

// gnuplot on the PATH, or "".
std::string find_gnuplot() {
  const char* path = std::getenv("PATH");
  std::istringstream dirs(path ? path : "");
  for (std::string d; std::getline(dirs, d, ':');) {
    const fs::path exe = fs::path(d.empty() ? "." : d) / "gnuplot";
    std::error_code ec;
    if (fs::is_regular_file(exe, ec) && ::access(exe.c_str(), X_OK) == 0) return exe.string();
  }
  return "";
}

// The data block of one scenario and kept variable: year, then the
// 5, 17, 50, 83 and 95 % points.
void data_block(std::ostream& os, const std::string& name, const ens::ScenarioStatistics& s, std::size_t variable,
                int first_year, bool constrained) {
  os << "$" << name << " << EOD\n";
  for (int y = first_year; y <= s.last_year; ++y) {
    const ens::Band& b = s.at(variable, y);
    os << y;
    for (double p : constrained ? b.constrained : b.unconstrained) {
      char buf[32];
      std::snprintf(buf, sizeof buf, " %.4f", p);
      os << buf;
    }
    os << "\n";
  }
  os << "EOD\n";
}

void panel(std::ostream& os, const std::string& variable, std::span<const ens::ScenarioStatistics> scenarios) {
  os << "plot ";
  for (std::size_t k = 0; k < scenarios.size(); ++k) {
    const std::string block = "$" + variable + std::to_string(k);
    const std::string colour = std::string("lc rgb \"") + COLOURS[k % 2] + "\"";
    os << (k ? ", \\\n     " : "") << block << " using 1:2:6 with filledcurves fs transparent solid 0.18 noborder "
       << colour << " notitle, \\\n     " << block << " using 1:3:5 with filledcurves fs transparent solid 0.35 "
       << "noborder " << colour << " notitle, \\\n     " << block << " using 1:4 with lines lw 2 " << colour
       << " title \"" << scenarios[k].label << "\"";
  }
  os << "\n";
}

}  // namespace

std::string write_ensemble_figure(const std::string& dir, std::span<const ens::ScenarioStatistics> scenarios,
                                  bool constrained) {
  const std::string weighting = constrained ? "constrained" : "unconstrained";
  std::ostringstream os;
  os << "# The ensemble's percentile bands (" << weighting
     << "): 5-95 % light, 17-83 % dark, the median as a line.\n"
        "# Made by scenario ensemble; run \"gnuplot ensemble.gp\" in this folder to draw ensemble.png and\n"
        "# ensemble.svg again.\n";
  for (std::size_t k = 0; k < scenarios.size(); ++k) {
    data_block(os, "temperature" + std::to_string(k), scenarios[k], 0, 1850, constrained);
    // The model's sea level counts the ice terms from 1990 (before it, thermal
    // expansion alone), so the panel starts there.
    data_block(os, "sea_level" + std::to_string(k), scenarios[k], 1, 1990, constrained);
  }
  // The same plots for each picture: PNG to look at, SVG to print or edit.
  std::ostringstream plots;
  plots << "set multiplot layout 1,2 title \"Scenario ensemble, " << weighting
        << " percentiles: 5-95 % and 17-83 % bands, median\"\n"
           "set grid\nset key top left\nset autoscale xfix\nset xlabel \"year\"\n"
           "set ylabel \"warming from 1850-1900 (degC)\"\nset title \"Global-mean surface temperature\"\n";
  panel(plots, "temperature", scenarios);
  plots << "set ylabel \"sea-level rise from 1995-2014 (cm)\"\nset title \"Global-mean sea level\"\n";
  panel(plots, "sea_level", scenarios);
  plots << "unset multiplot\n";
  os << "set terminal pngcairo size 1400,560 font \"sans,11\"\nset output \"ensemble.png\"\n"
     << plots.str() << "set terminal svg size 1400,560 dynamic font \"sans,11\"\nset output \"ensemble.svg\"\n"
     << plots.str() << "set output\n";
  const std::string script = dir + "/ensemble.gp";
  std::ofstream(script) << os.str();

  const std::string gnuplot = find_gnuplot();
  if (gnuplot.empty())
    return "gnuplot was not found, so ensemble.png and ensemble.svg were not drawn (the script ensemble.gp is there)";
  const int status = run_program(gnuplot, {"ensemble.gp"}, dir, dir + "/gnuplot.log");
  if (status != 0)
    return "gnuplot failed (exit status " + std::to_string(status) + ", see " + dir +
           "/gnuplot.log), so ensemble.png was not drawn";
  std::error_code ec;
  fs::remove(dir + "/gnuplot.log", ec);
  return "";
}

std::vector<res::PageSection> ensemble_page_sections(const std::string& run_dir) {
  if (!std::filesystem::exists(run_dir + "/ensemble/ensemble.svg")) return {};
  res::PageSection s;
  s.title = "Parameter ensemble";
  s.paragraphs.push_back(
      "The climate model's USER parameter set with its uncertain items drawn by Latin hypercube sampling, "
      "unconstrained and weighted by the observed warming from 1850-1900 to 2011-2020 (scenario ensemble; "
      "settings in ensemble/settings.ini).");
  s.figures.push_back({"../ensemble/ensemble.svg", "../ensemble/ensemble.png",
                       "Percentile bands (5-95 % and 17-83 %, median) of global-mean warming (degC, from 1850-1900) "
                       "and sea-level rise (cm)"});
  s.links.emplace_back("../ensemble/percentiles.csv", "percentiles.csv");
  s.links.emplace_back("../ensemble/members.csv", "members.csv");
  return {s};
}

}  // namespace fe
