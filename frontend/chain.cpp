#include "frontend/chain.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "frontend/config_writer.h"
#include "frontend/data_tree.h"
#include "frontend/process.h"
#include "frontend/results_step.h"
#include "frontend/run_folder.h"
#include "frontend/scenario_notes.h"
#include "frontend/summary.h"
#include "records/record_io.h"

namespace fs = std::filesystem;

namespace fe {
namespace {

constexpr int kSteps = 8;

void copy(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
  if (ec) rec::fail(from, 0, "cannot copy to " + to + ": " + ec.message());
}

void make_dir(const std::string& dir) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec) rec::fail(dir, 0, "cannot create the folder: " + ec.message());
}

void write_text(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  if (!out.flush()) rec::fail(path, 0, "cannot write the file");
}

std::string read_text(const std::string& path) {
  std::ifstream in(path);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return text;
}

class Steps {
 public:
  Steps(const ChainOptions& opt, const std::string& run_dir, std::ostream& out)
      : opt_(opt), run_dir_(run_dir), out_(out) {}

  // Runs one program of the chain, with a progress line; a failure stops
  // the chain with the program's own message.
  void run(const std::string& what, const std::string& program, const std::vector<std::string>& args,
           const std::string& dir, const std::vector<std::pair<std::string, std::string>>& env = {}) {
    char head[96];
    std::snprintf(head, sizeof head, "[%d/%d] %-52s", ++step_, kSteps, what.c_str());
    out_ << head << std::flush;
    auto t0 = std::chrono::steady_clock::now();
    std::string log = dir + "/" + program + ".log";
    int status = run_program(opt_.bin_dir + "/" + program, args, dir, log, env);
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (status != 0) {
      out_ << " FAILED\n";
      std::string text = read_text(log);
      if (!text.empty() && text.back() != '\n') text += '\n';
      const std::string where = fs::path(dir).lexically_relative(run_dir_).string();
      throw ProgramFailed(program + " failed (exit status " + std::to_string(status) + ") in " +
                          (where.empty() || where.starts_with("..") ? dir : where) + ":\n" + text);
    }
    char tail[32];
    std::snprintf(tail, sizeof tail, " done %6.2f s\n", secs);
    out_ << tail;
  }
  void note(const std::string& what) {
    char head[96];
    std::snprintf(head, sizeof head, "[%d/%d] %-52s done\n", ++step_, kSteps, what.c_str());
    out_ << head;
  }
  // A step done in this process, with the time it took.
  void note(const std::string& what, std::chrono::steady_clock::time_point started) {
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    char line[128];
    std::snprintf(line, sizeof line, "[%d/%d] %-52s done %6.2f s\n", ++step_, kSteps, what.c_str(), secs);
    out_ << line;
  }

 private:
  const ChainOptions& opt_;
  const std::string run_dir_;
  std::ostream& out_;
  int step_ = 0;
};

void prepare_orvtar(const RunSettings& rs, const Scenario& s, const ChainOptions& opt, const std::string& dir) {
  make_dir(dir);
  write_orvtar_configs(rs, s, dir);
  copy(opt.data_dir + "/co2hist.IN", dir + "/co2hist.IN");
  copy(s.emk, dir + "/GAS.EMK");
  copy(s.qhalos, dir + "/QHALOS.IN");
  if (!rs.co2_file.empty()) copy(rs.co2_file, dir + "/co2input.dat");
  if (!rs.extra_forcing_file.empty()) copy(rs.extra_forcing_file, dir + "/qextra.in");
}

// Where the synthetic tree is made once: the user's cache folder.
std::string synthetic_root() {
  std::string cache;
  if (const char* x = std::getenv("XDG_CACHE_HOME"); x && *x) cache = x;
  else if (const char* h = std::getenv("HOME"); h && *h) cache = std::string(h) + "/.cache";
  else cache = fs::temp_directory_path().string();
  return cache + "/scenario-toolkit/synthetic-tree-seed1";
}

// The model data tree: the setting, then $TESSERA_DATA_ROOT, then a
// synthetic tree made once in the user's cache folder.
std::string data_root(const RunSettings& rs, Steps& steps, bool& synthetic) {
  synthetic = false;
  if (std::string given = given_data_root(rs.engines); !given.empty()) {
    steps.note(rs.engines.data_root.empty() ? "model data tree $TESSERA_DATA_ROOT" : "model data tree " + given);
    return given;
  }
  synthetic = true;
  std::string root = synthetic_root();
  if (fs::exists(root + "/.complete")) {
    steps.note("synthetic model data tree (cached)");
    return root;
  }
  std::string tmp = root + ".partial";
  std::error_code ec;
  fs::remove_all(tmp, ec);
  make_dir(tmp);
  steps.run("synthetic model data tree (made once)", "tesseragen",
            {"--quiet", "--seed", "1", "--workdir", tmp + "/WORK", tmp}, tmp);
  std::ofstream(tmp + "/.complete") << "complete\n";
  fs::remove_all(root, ec);
  fs::rename(tmp, root, ec);
  if (ec) rec::fail(root, 0, "cannot store the synthetic tree: " + ec.message());
  return root;
}

void prepare_engines(const RunSettings& rs, int ISCEN, const ChainOptions& opt, const std::string& ref_dir,
                     const std::string& pol_dir, const std::string& dir) {
  make_dir(dir);
  for (const char* sub : {"IMOUT", "SDOUT", "TESSERA"}) make_dir(dir + "/" + sub);
  write_engine_configs(rs.engines, ISCEN, dir);
  copy(opt.data_dir + "/MASK.L", dir + "/MASK.L");
  copy(opt.data_dir + "/MASK.O", dir + "/MASK.O");
  if (!rs.engines.mask_file.empty()) copy(rs.engines.mask_file, dir + "/MASK.U");
  // The drive files' .out versions already have the weights-file layout:
  // six header records, then year, GHG, three regional and total warming.
  copy(ref_dir + "/middrive.out", dir + "/TSU.DR");
  copy(ref_dir + "/usrdrive.out", dir + "/TSU.UR");
  copy(pol_dir + "/middrive.out", dir + "/TSU.DP");
  copy(pol_dir + "/usrdrive.out", dir + "/TSU.UP");
}

void write_run_readme(const RunSettings& rs, const std::string& run_dir, const DataTree& tree) {
  std::ofstream r(run_dir + "/README.txt");
  r << "Scenario run\n\n"
    << "orvtar-reference/   climate model, reference scenario " << rs.reference.label
    << ": ORV.OUT (report), temps.dis, sealev.dis, concs.dis, forcings.dis, emiss.dis, *drive.raw/.out\n"
    << "orvtar-policy/      the same for the policy scenario " << rs.policy.label << "\n"
    << "engines-reference/  crossmod (IMOUT/, TESSERA/) and varistat (SDOUT/, TESSERA/) with the reference warming\n"
    << "engines-policy/     the same with the policy warming\n"
    << "settings.ini        the settings of this run\n\n"
    << es1990_lines(rs.reference, rs.policy);
  if (std::string mixed = mixed_history_note(rs.reference, rs.policy); !mixed.empty()) r << "NOTE: " << mixed << "\n";
  r << "\n" << data_tree_lines(tree, rs.engines.IMOD);
  if (tree.synthetic) r << "Model data tree: " << tree.root << "\n";
}

ScenarioResult reference_folders(const RunSettings& rs, const std::string& run_dir) {
  return {rs.reference.label, run_dir + "/orvtar-reference", run_dir + "/engines-reference"};
}

ScenarioResult policy_folders(const RunSettings& rs, const std::string& run_dir) {
  return {rs.policy.label, run_dir + "/orvtar-policy", run_dir + "/engines-policy"};
}

// The summary, from the results read through results/, and results/
// itself (its warnings go to `out`). The run is read from `run_dir` and
// named by `shown_dir`, the folder it will be once in place.
struct Summary {
  std::string text;
  std::string page;  // report.html, under shown_dir
};
Summary summarise(const RunSettings& rs, const ChainOptions& opt, const std::string& run_dir,
                  const std::string& shown_dir, const DataTree& tree, const std::string& command, std::ostream& out) {
  RunResults results = read_run_results(reference_folders(rs, run_dir), policy_folders(rs, run_dir));
  for (res::GlobalResults& g : results.global) g.folder = shown_dir + g.folder.substr(run_dir.size());
  for (res::RegionalResults& r : results.regional) r.folder = shown_dir + r.folder.substr(run_dir.size());
  std::ostringstream summary;
  print_summary(rs, results, tree, summary);
  const std::string page =
      write_results(rs, results, tree, {run_dir, shown_dir, opt.data_dir, command, summary.str(), {}}, out);
  return {summary.str(), shown_dir + page.substr(run_dir.size())};
}

// Every step of the run in folder.build(); the summary to print.
Summary build_run(const RunSettings& rs, const ChainOptions& opt, const RunFolder& folder, std::ostream& out) {
  const std::string& run_dir = folder.build();
  write_text(run_dir + "/settings.ini", opt.settings);

  Steps steps(opt, run_dir, out);
  ScenarioResult ref = reference_folders(rs, run_dir);
  ScenarioResult pol = policy_folders(rs, run_dir);
  prepare_orvtar(rs, rs.reference, opt, ref.orvtar_dir);
  steps.run("orvtar, reference scenario " + rs.reference.label, "orvtar", {}, ref.orvtar_dir);
  prepare_orvtar(rs, rs.policy, opt, pol.orvtar_dir);
  steps.run("orvtar, policy scenario " + rs.policy.label, "orvtar", {}, pol.orvtar_dir);

  bool synthetic = false;
  std::string root = data_root(rs, steps, synthetic);
  std::vector<std::pair<std::string, std::string>> env{{"TESSERA_DATA_ROOT", root}};
  int ISCEN = 1;
  for (const ScenarioResult* s : {&ref, &pol}) {
    prepare_engines(rs, ISCEN++, opt, ref.orvtar_dir, pol.orvtar_dir, s->engine_dir);
    steps.run("crossmod, " + s->label + " warming", "crossmod", {}, s->engine_dir, env);
    steps.run("varistat, " + s->label + " warming", "varistat", {}, s->engine_dir, env);
  }
  const DataTree tree = read_data_tree(root, synthetic);
  write_run_readme(rs, run_dir, tree);
  const std::string command = "scenario run " +
                              (opt.settings_path.empty() ? std::string("(built-in defaults)") : opt.settings_path) +
                              " --out " + folder.target();
  const auto started = std::chrono::steady_clock::now();
  Summary summary = summarise(rs, opt, run_dir, folder.target(), tree, command, out);
  steps.note("results/: CSV, netCDF, figures, report page", started);
  return summary;
}

}  // namespace

void run_chain(const RunSettings& rs, const ChainOptions& opt, std::ostream& out) {
  RunFolder folder(opt.out_dir);
  Summary summary;
  try {
    summary = build_run(rs, opt, folder, out);
    folder.commit();
  } catch (const ProgramFailed& e) {
    throw ProgramFailed(e.what() + folder.keep_failed());
  } catch (const std::exception& e) {
    throw rec::Error(e.what() + ("\n" + folder.keep_failed()));
  }
  out << summary.text << "\nOutputs: " << folder.target() << " (README.txt there says what each folder holds)\n"
      << "Report: " << summary.page << "\n";
}

void report_run(const RunSettings& rs, const ChainOptions& opt, std::ostream& out) {
  std::string root = given_data_root(rs.engines);
  const bool synthetic = root.empty();
  if (synthetic) root = synthetic_root();
  const DataTree tree = read_data_tree(root, synthetic);
  const Summary summary = summarise(rs, opt, opt.out_dir, opt.out_dir, tree, "scenario report " + opt.out_dir, out);
  out << summary.text << "\nReport: " << summary.page << "\n";
}

}  // namespace fe
