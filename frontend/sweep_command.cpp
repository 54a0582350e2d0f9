#include "frontend/sweep_command.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <vector>

#include "ensemble/ensemble_files.h"
#include "ensemble/member_runs.h"
#include "ensemble/parameter_draws.h"
#include "ensemble/reduction.h"
#include "frontend/ensemble_command.h"
#include "frontend/ensemble_settings.h"
#include "frontend/ensemble_summary.h"
#include "frontend/progress.h"
#include "frontend/scratch_folder.h"
#include "frontend/settings_copy.h"
#include "frontend/sweep_settings.h"
#include "records/record_io.h"
#include "sweep/block_dealer.h"
#include "sweep/packing.h"
#include "sweep/sweep_inputs.h"

namespace fs = std::filesystem;

namespace fe {

namespace {

// The summary lists each scenario's ranges up to this many scenarios;
// beyond, percentiles.csv holds them.
constexpr std::size_t SUMMARY_SCENARIOS = 12;

// What rank 0 has read and checked: the settings, the ensemble and the
// inputs every rank computes from.
struct Checked {
  SettingsFile file;
  ens::EnsembleSpec spec;
  swp::SweepInputs inputs;
};

Checked read_and_check(const SweepOptions& opt, std::ostream& out) {
  Checked c;
  c.file = opt.settings_path.empty() ? parse_settings(default_settings_text(), "(built-in defaults)")
                                     : read_settings(opt.settings_path);
  const RunSettings rs = validate_settings(c.file, opt.data_dir);
  const EnsembleSettings es = read_ensemble_settings(c.file, rs);
  const SweepSettings ss = read_sweep_settings(c.file, rs, opt.data_dir);
  for (const std::string& note : es.notes) out << "note: " << note << "\n";
  c.spec = es.spec;

  const ens::ParameterDraws draws = ens::draw_parameters(c.spec);
  for (const Scenario& s : ss.scenarios) {
    swp::ScenarioInputs in{s.label, member_base_values(rs, s, c.spec), scenario_input_paths(rs, s, opt.data_dir)};
    // Reading the scenario here checks its files and every member's
    // settings before anything runs.
    const ens::ScenarioModel model(in.label, in.settings, in.paths);
    try {
      model.check_members(draws);
    } catch (const ens::MemberRefused& e) {
      refuse_member(c.file, es, draws, e);
    }
    c.inputs.scenarios.push_back(std::move(in));
  }
  c.inputs.members = c.spec.members;
  c.inputs.block_members = ss.block_members;
  c.inputs.varied = draws.items;
  c.inputs.draws = draws.values;
  return c;
}

// Block b of the sweep: members [first, last) of one scenario.
struct Block {
  std::size_t scenario, first, last;
};

std::vector<Block> blocks_of(const swp::SweepInputs& in) {
  std::vector<Block> blocks;
  for (std::size_t s = 0; s < in.scenarios.size(); ++s)
    for (std::size_t first = 0; first < in.members; first += in.block_members)
      blocks.push_back({s, first, std::min(first + in.block_members, in.members)});
  return blocks;
}

std::string packed(const std::vector<ens::MemberResult>& members) {
  swp::Packer p;
  for (const ens::MemberResult& m : members) {
    p.put(std::span<const double>(m.headline));
    p.put(std::span<const float>(m.series));
  }
  return p.take();
}

void unpack_into(const std::string& bytes, std::span<ens::MemberResult> members) {
  swp::Unpacker u(bytes, "a block's results");
  for (ens::MemberResult& m : members) {
    const std::vector<double> headline = u.doubles();
    if (headline.size() != m.headline.size()) throw std::runtime_error("a block's results: wrong headline count");
    std::copy(headline.begin(), headline.end(), m.headline.begin());
    m.series = u.floats();
  }
  u.finish();
}

void write_readme(const std::string& dir, std::size_t scenarios, std::size_t members, int ranks) {
  std::ofstream r(dir + "/README.txt");
  r << "Scenario sweep: " << scenarios << " scenarios x " << members << " members on " << ranks
    << (ranks == 1 ? " process" : " MPI ranks") << "\n\n"
    << "percentiles.csv   5, 17, 50, 83 and 95 % points of global-mean warming (from 1850-1900), sea-level rise\n"
    << "                  (from 1995-2014), CO2 and total forcing, each year, unconstrained and constrained\n"
    << "members.csv       each member's parameters, weight and headline numbers\n"
    << "settings.ini      the settings of this sweep\n"
    << "The files are those scenario ensemble writes for the same settings and seed, whatever the number of\n"
    << "processes. Layouts: docs/formats/ensemble-files.md of the toolkit.\n";
}

// Rank 0's outputs: the statistics of every scenario, the two files, the
// README and the settings, then the summary.
void write_outputs(const Checked& c, const SweepOptions& opt, const std::vector<ens::ScenarioRun>& runs,
                   unsigned threads, int ranks, Progress& progress, std::ostream& out) {
  const std::string dir = opt.out_dir + "/sweep";
  progress.start("percentiles.csv and members.csv");
  std::vector<ens::ScenarioStatistics> stats;
  for (const ens::ScenarioRun& r : runs) stats.push_back(ens::reduce(r, c.spec, threads));
  const ens::ParameterDraws draws{0, c.inputs.members, c.inputs.varied, c.inputs.draws};
  ens::write_percentiles_csv(dir + "/percentiles.csv", c.spec, stats);
  ens::write_members_csv(dir + "/members.csv", c.spec, draws, runs, stats);
  write_readme(dir, runs.size(), c.inputs.members, ranks);
  progress.done();
  if (stats.size() <= SUMMARY_SCENARIOS) print_ensemble_summary(c.spec, stats, out);
  else out << "\n" << stats.size() << " scenarios: their ranges are in percentiles.csv\n";
  out << "\nOutputs: " << dir << " (percentiles.csv, members.csv; README.txt there says what each holds)\n";
}

// Clears the outputs of an earlier sweep and copies the settings (relative
// paths made absolute: settings_copy.h), so that a sweep that stops half
// way leaves no file that looks like its own.
void prepare_folder(const SweepOptions& opt, const SettingsFile& file) {
  const std::string dir = opt.out_dir + "/sweep";
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec) rec::fail(dir, 0, "cannot create the folder: " + ec.message());
  for (const char* name : {"percentiles.csv", "members.csv", "README.txt", "settings.ini"})
    fs::remove(dir + "/" + name, ec);
  if (!(std::ofstream(dir + "/settings.ini", std::ios::binary) << settings_copy(file)))
    rec::fail(dir + "/settings.ini", 0, "cannot write the file");
}

}  // namespace

int run_sweep(swp::Transport& t, const SweepOptions& opt, std::ostream& out, std::ostream& err) {
  const bool lead = t.rank() == 0;
  const unsigned threads = t.threads();

  // Rank 0 reads and checks everything, then hands it to every rank: a
  // failure first ("F" and the message), else "I" and the inputs.
  Checked c;
  std::string message;
  if (lead) {
    try {
      out << "settings: " << (opt.settings_path.empty() ? "built-in defaults" : opt.settings_path)
          << "\nrun folder: " << opt.out_dir << "\n";
      c = read_and_check(opt, out);
      prepare_folder(opt, c.file);
      message = swp::pack(c.inputs);
      message.insert(message.begin(), 'I');
    } catch (const std::exception& e) {
      message = 'F';
      message += e.what();
    }
  }
  t.broadcast(message);
  if (message.empty() || message[0] != 'I') {
    if (lead) err << "scenario: " << message.substr(1) << "\n";
    return 2;
  }

  Progress progress(2, out);
  bool computing = false;
  try {
    std::unique_ptr<ScratchFolder> scratch;
    if (!lead) {
      scratch = std::make_unique<ScratchFolder>("sweep");
      c.inputs = swp::unpack(std::string_view(message).substr(1), scratch->path());
    }
    const swp::SweepInputs& in = c.inputs;
    std::vector<std::unique_ptr<ens::ScenarioModel>> models;
    for (const swp::ScenarioInputs& s : in.scenarios)
      models.push_back(std::make_unique<ens::ScenarioModel>(s.label, s.settings, s.paths));
    const ens::ParameterDraws draws{0, in.members, in.varied, in.draws};
    const std::vector<Block> blocks = blocks_of(in);
    std::vector<ens::ScenarioRun> runs;
    for (const auto& m : models)
      runs.push_back({m->label(), m->first_year(), m->last_year(), std::vector<ens::MemberResult>(in.members)});

    if (lead)
      progress.start(std::to_string(in.scenarios.size()) + " scenarios x " + std::to_string(in.members) +
                     " members on " + std::to_string(t.ranks()) + (t.ranks() == 1 ? " process " : " ranks "));
    computing = true;
    std::size_t taken = 0;
    const std::size_t tenth = std::max<std::size_t>(blocks.size() / 10, 1);
    const swp::ComputeBlock compute = [&](std::size_t b, const std::function<void()>& between) {
      const Block& k = blocks[b];
      std::vector<ens::MemberResult> results;
      // Rank 0 answers the other ranks between rounds of one member a thread.
      const std::size_t step = lead ? threads : k.last - k.first;
      for (std::size_t first = k.first; first < k.last; first += step) {
        auto part = models[k.scenario]->run_members(draws, first, std::min(first + step, k.last), threads);
        std::move(part.begin(), part.end(), std::back_inserter(results));
        between();
      }
      return packed(results);
    };
    const swp::TakeResults take = [&](std::size_t b, std::string bytes) {
      const Block& k = blocks[b];
      unpack_into(bytes, std::span(runs[k.scenario].members).subspan(k.first, k.last - k.first));
      if (++taken % tenth == 0 && taken / tenth <= 10) progress.tick();
    };
    swp::deal_blocks(t, blocks.size(), compute, take);
    if (!lead) return 0;
    progress.done();
    computing = false;
    write_outputs(c, opt, runs, threads, t.ranks(), progress, out);
  } catch (const std::exception& e) {
    if (!lead) swp::report_failure(t, e.what());
    if (computing) out << " FAILED\n";
    err << "scenario: " << e.what() << "\n";
    if (t.ranks() > 1) t.abort(2);
    return 2;
  }
  return 0;
}

}  // namespace fe
