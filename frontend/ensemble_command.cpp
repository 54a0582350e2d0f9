#include "frontend/ensemble_command.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <vector>

#include "ensemble/ensemble_files.h"
#include "ensemble/member_runs.h"
#include "ensemble/parameter_draws.h"
#include "ensemble/reduction.h"
#include "frontend/ensemble_figure.h"
#include "frontend/ensemble_summary.h"
#include "frontend/progress.h"
#include "frontend/settings_copy.h"
#include "records/record_io.h"

namespace fs = std::filesystem;

namespace fe {

orv::ConfigValues member_base_values(const RunSettings& rs, const Scenario& s, const ens::EnsembleSpec& spec) {
  orv::ConfigValues v = scenario_values(rs, s);
  for (const ens::ImpliedSetting& i : spec.implied) v.set(*i.item, i.value);
  return v;
}

void refuse_member(const SettingsFile& f, const EnsembleSettings& es, const ens::ParameterDraws& draws,
                   const ens::MemberRefused& e) {
  std::string drawn;
  for (std::size_t d = 0; d < draws.items.size(); ++d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s%s = %g", d ? ", " : "", std::string(draws.items[d]->name).c_str(),
                  draws.at(e.member, d));
    drawn += buf;
  }
  const std::string name(e.item.name);
  long line = 0;
  std::string where = "[ensemble] member " + std::to_string(e.member + 1);
  if (const auto it = es.lines.find(name); it != es.lines.end()) {
    line = it->second;
    if (line == 0) where += " (" + name + " has its default distribution)";
  } else {
    std::string section(orv::file_name(e.item.file).substr(0, orv::file_name(e.item.file).find('.')));
    for (char& c : section) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (const Setting* s = f.find(section, name)) line = s->line;
  }
  fail_line(f.name, line,
            where + " is refused by the climate model: " + e.problem + " (the member draws " + drawn +
                "); change the distributions so that every member is accepted");
}

namespace {

void write_readme(const std::string& dir, const std::vector<ens::ScenarioStatistics>& stats, bool figure) {
  std::ofstream r(dir + "/README.txt");
  r << "Scenario ensemble\n\n"
    << "percentiles.csv   5, 17, 50, 83 and 95 % points of global-mean warming (from 1850-1900), sea-level rise\n"
    << "                  (from 1995-2014), CO2 and total forcing, each year, unconstrained and constrained\n"
    << "members.csv       each member's parameters, weight and headline numbers\n";
  if (figure)
    r << "ensemble.png      percentile bands of warming and sea level (ensemble.svg the same as a vector picture;\n"
      << "                  both drawn by the gnuplot script ensemble.gp, which holds its data)\n";
  else
    r << "ensemble.gp       gnuplot script of the percentile bands, which holds its data (gnuplot did not draw it\n"
      << "                  in this run: run \"gnuplot ensemble.gp\" here)\n";
  r << "settings.ini      the settings of this ensemble\n\nScenarios:";
  for (const ens::ScenarioStatistics& s : stats) r << " " << s.label;
  r << "\nLayouts: docs/formats/ensemble-files.md of the toolkit.\n";
}

}  // namespace

void run_ensemble(const SettingsFile& file, const RunSettings& rs, const EnsembleSettings& es,
                  const EnsembleOptions& opt, std::ostream& out) {
  const ens::EnsembleSpec& spec = es.spec;
  const std::string dir = opt.out_dir + "/ensemble";
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec) rec::fail(dir, 0, "cannot create the folder: " + ec.message());
  // The files of an earlier ensemble in this folder go first, so that a run
  // that stops half way leaves none that look like its own.
  for (const char* name :
       {"percentiles.csv", "members.csv", "ensemble.gp", "ensemble.png", "ensemble.svg", "gnuplot.log", "README.txt"})
    fs::remove(dir + "/" + name, ec);
  if (!(std::ofstream(dir + "/settings.ini", std::ios::binary) << settings_copy(file)))
    rec::fail(dir + "/settings.ini", 0, "cannot write the file");
  for (const std::string& note : es.notes) out << "note: " << note << "\n";

  std::vector<const Scenario*> scenarios;
  if (es.reference) scenarios.push_back(&rs.reference);
  if (es.policy) scenarios.push_back(&rs.policy);
  Progress progress(static_cast<int>(scenarios.size()) + 4, out);

  progress.start("reading the scenarios' data");
  std::vector<std::unique_ptr<ens::ScenarioModel>> models;
  for (const Scenario* s : scenarios)
    models.push_back(std::make_unique<ens::ScenarioModel>(s->label, member_base_values(rs, *s, spec),
                                                          scenario_input_paths(rs, *s, opt.data_dir)));
  progress.done();

  progress.start("drawing and checking " + std::to_string(spec.members) + " members");
  const ens::ParameterDraws draws = ens::draw_parameters(spec);
  try {
    for (const auto& m : models) m->check_members(draws);
  } catch (const ens::MemberRefused& e) {
    out << " REFUSED\n";
    refuse_member(file, es, draws, e);
  }
  progress.done();

  std::vector<ens::ScenarioRun> runs;
  for (const auto& m : models) {
    progress.start(m->label() + ": " + std::to_string(spec.members) + " members on " + std::to_string(opt.threads) +
                   " threads ");
    std::size_t done = 0;
    const std::size_t tenth = std::max<std::size_t>(spec.members / 10, 1);
    auto tick = [&] {
      if (++done % tenth == 0 && done / tenth <= 10) progress.tick();
    };
    runs.push_back(
        {m->label(), m->first_year(), m->last_year(), m->run_members(draws, 0, spec.members, opt.threads, tick)});
    progress.done();
  }

  progress.start("percentiles.csv and members.csv");
  std::vector<ens::ScenarioStatistics> stats;
  for (const ens::ScenarioRun& r : runs) stats.push_back(ens::reduce(r, spec, opt.threads));
  ens::write_percentiles_csv(dir + "/percentiles.csv", spec, stats);
  ens::write_members_csv(dir + "/members.csv", spec, draws, runs, stats);
  progress.done();

  progress.start("figure ensemble.png and ensemble.svg");
  const std::string figure_problem = write_ensemble_figure(dir, stats, spec.constrained);
  progress.done(figure_problem.empty() ? "" : "skipped");
  if (!figure_problem.empty()) out << "warning: " << figure_problem << "\n";
  write_readme(dir, stats, figure_problem.empty());

  print_ensemble_summary(spec, stats, out);
  out << "\nOutputs: " << dir << " (percentiles.csv, members.csv"
      << (figure_problem.empty() ? ", ensemble.png, ensemble.svg" : ", ensemble.gp")
      << "; README.txt there says what each holds)\n";
  if (fs::exists(opt.out_dir + "/results/report.html"))
    out << "The run's report page shows the ensemble after: scenario report " << opt.out_dir << "\n";
}

}  // namespace fe
