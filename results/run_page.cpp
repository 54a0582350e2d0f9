#include "results/run_page.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "engines/common/catalogue.h"
#include "results/descriptions.h"

namespace res {

namespace {

namespace fs = std::filesystem;

std::string value(double v, int decimals = 3) {
  if (!eng::valid(v) || !std::isfinite(v)) return "n/a";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

std::string relative(const std::string& path, const std::string& page_dir) {
  return fs::path(path).lexically_relative(page_dir).generic_string();
}

PageSection settings_section(const RunInfo& info, const std::string& page_dir) {
  PageSection s;
  s.title = "Run";
  s.paragraphs.push_back("Run folder " + info.run_folder + ", results made " + info.created + " by: " + info.command);
  PageTable t;
  t.caption = "Settings";
  t.header = {"setting", "value"};
  for (const auto& [k, v] : info.settings) t.rows.push_back({k, v});
  s.tables.push_back(t);
  s.links.push_back({relative(info.run_folder + "/settings.ini", page_dir), "settings.ini: every setting of this run"});
  return s;
}

PageSection summary_section(const RunInfo& info) {
  PageSection s;
  s.title = "Summary";
  s.paragraphs.push_back("The front end's summary of the run, as printed at its end.");
  s.preformatted = info.summary;
  return s;
}

PageFigure page_figure(const Figure& f) { return {"figures/" + f.name + ".svg", "figures/" + f.name + ".png", f.caption}; }

PageSection regional_table(const std::vector<RegionalResults>& regional) {
  PageSection s;
  s.title = "Regional table";
  s.paragraphs.push_back(
      "Area averages over the study area (cosine-weighted): crossmod's model-mean results as it prints them in "
      "IMOUT/AREAAVES.OUT, and the area average of varistat's S.D. change by the same rule. Every value by case "
      "and field is in regional.csv.");
  PageTable t;
  t.header = {"scenario", "area", "GHG and aerosol", "GHG only", "aerosol only", "inter-model S.D. per degC",
              "signal-to-noise", "probability of increase", "S.D. change (%)", "unit"};
  for (const RegionalResults& r : regional) {
    const xm::AreaAverages& a = r.averages;
    const GridVariable* sd = r.find("sd_change");
    const eng::AreaMean m = sd ? eng::area_average(sd->field, r.area.MASK, eng::AreaRule::ModelMean) : eng::AreaMean{};
    t.rows.push_back({r.scenario, area_label(r), value(a.AVT), value(a.AVG2), value(a.AERAVE), value(a.AVISD),
                      value(a.AVSNR), value(a.AVPROB), value(m.mean, 2), r.find("change")->label_units});
  }
  s.tables.push_back(t);
  return s;
}

PageSection provenance(const std::vector<GlobalResults>& global, const std::vector<RegionalResults>& regional,
                       const RunInfo& info, const std::string& page_dir) {
  PageSection s;
  s.title = "Provenance";
  s.paragraphs.push_back("Model data: " + info.models.description);
  for (const GlobalResults& g : global)
    s.paragraphs.push_back("Climate model orvtar, scenario " + g.scenario + ": inputs and outputs in " +
                           relative(g.folder, page_dir) + "/ (temperature and sea level from " +
                           std::to_string(g.reference_year) + ").");
  if (!regional.empty()) {
    const eng::EngineConfig& c = regional.front().config;
    PageTable t;
    t.caption = "Models of the regional patterns";
    t.header = {"slot", "model"};
    for (int k = 1; k <= c.NMSHOW; ++k) {
      const int m = c.IMOD[k];
      t.rows.push_back({std::string(eng::MODCODE_TABLE[m].substr(0, 4)),
                        info.models.names[m].empty() ? (info.models.synthetic ? "synthetic pattern" : "(not named)")
                                                     : info.models.names[m]});
    }
    s.tables.push_back(t);
  }
  return s;
}

PageSection files_section(const std::vector<GlobalResults>& global, const std::vector<RegionalResults>& regional,
                          const std::vector<std::string>& netcdf_files, const RunInfo& info,
                          const std::string& page_dir) {
  PageSection s;
  s.title = "Files";
  s.paragraphs.push_back("The data behind the page (their columns, variables and units: docs/formats/results.md "
                         "of the toolkit), the figures' scripts, and the programs' own reports.");
  s.links.push_back({"global.csv", "global.csv: every year of every global series, long format"});
  s.links.push_back({"regional.csv", "regional.csv: area averages and their statistics of both engines"});
  for (const std::string& n : netcdf_files) s.links.push_back({n, n + ": the regional fields, netCDF-4 (CF-1.8)"});
  s.links.push_back({"figures/", "figures/: each figure's gnuplot script, its data, PNG and SVG"});
  for (const GlobalResults& g : global)
    s.links.push_back({relative(g.folder + "/ORV.OUT", page_dir), "ORV.OUT of " + g.scenario + " (climate-model report)"});
  for (const RegionalResults& r : regional)
    s.links.push_back({relative(r.folder + "/IMOUT/AREAAVES.OUT", page_dir),
                       "IMOUT/AREAAVES.OUT of " + r.scenario + " (crossmod's area averages)"});
  s.links.push_back({relative(info.run_folder + "/README.txt", page_dir), "README.txt: what each folder of the run holds"});
  return s;
}

}  // namespace

ReportPage run_page(const std::vector<GlobalResults>& global, const std::vector<RegionalResults>& regional,
                    const std::vector<Figure>& figures, const std::vector<std::string>& netcdf_files,
                    const RunInfo& info, const std::string& page_dir,
                    const std::vector<PageSection>& extra_sections) {
  std::string names;
  for (const GlobalResults& g : global) names += (names.empty() ? "" : " and ") + g.scenario;
  ReportPage page("Scenario run: " + names);
  if (info.models.synthetic)
    page.add_banner("SYNTHETIC PATTERNS: the regional results come from a model data tree made by tesseragen, "
                    "not by climate models. They show how the engines work, not what any climate model projects.");
  page.add_section(settings_section(info, page_dir));
  page.add_section(summary_section(info));

  PageSection g;
  g.title = "Global results";
  g.paragraphs.push_back("Global-mean results of the climate model orvtar for both scenarios and the four parameter "
                         "sets (LOW, MID, HIGH, USER).");
  for (const Figure& f : figures)
    if (f.group == "global") g.figures.push_back(page_figure(f));
  page.add_section(g);

  for (std::size_t k = 0; k < regional.size(); ++k) {
    const RegionalResults& r = regional[k];
    PageSection m;
    m.title = "Regional maps: " + r.scenario;
    m.paragraphs.push_back(run_line(r, info.models) + "; area " + area_label(r) + " (outlined); models " +
                           models_label(r.config, info.models) + ".");
    for (const Figure& f : figures)
      if (f.scenario == static_cast<int>(k)) m.figures.push_back(page_figure(f));
    page.add_section(m);
  }
  for (const PageSection& s : extra_sections) page.add_section(s);
  page.add_section(regional_table(regional));
  page.add_section(provenance(global, regional, info, page_dir));
  page.add_section(files_section(global, regional, netcdf_files, info, page_dir));
  return page;
}

}  // namespace res
