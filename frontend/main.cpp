// scenario: writes a settings file, or runs the default job: the climate
// model for a reference and a policy scenario, then the two pattern engines.
#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "frontend/chain.h"
#include "frontend/ensemble_command.h"
#include "frontend/ensemble_settings.h"
#include "frontend/install_dirs.h"
#include "frontend/process.h"
#include "frontend/run_settings.h"
#include "frontend/settings_copy.h"
#include "frontend/settings_file.h"
#include "scenario_manual.h"
#include "frontend/sweep_command.h"

namespace fs = std::filesystem;

namespace {

// A folder or file named on the command line; an empty name would be taken
// as the current folder, or as none at all.
const std::string& named(const std::string& command, const std::string& what, const std::string& value) {
  if (value.empty())
    throw rec::Error(command + ": " + what + " is empty; expected a name\n" + std::string(manual::USAGE));
  return value;
}

// A folder named on the command line as an absolute path, without a
// trailing separator ("run/" is the folder run).
std::string folder_path(const std::string& name) {
  fs::path p = fs::absolute(name).lexically_normal();
  if (!p.has_filename() && p != p.root_path()) p = p.parent_path();
  return p.string();
}

int init(const std::vector<std::string>& args) {
  std::string dir = ".";
  bool force = false;
  for (const auto& a : args) {
    if (a == "--force") force = true;
    else if (!a.empty() && a[0] == '-') throw rec::Error("init: unknown option " + a + "\n" + manual::USAGE);
    else dir = named("init", "the folder", a);
  }
  fs::create_directories(dir);
  std::string path = dir + "/settings.ini";
  if (fs::exists(path) && !force)
    throw rec::Error(path + " exists already; use --force to replace it");
  std::ofstream(path) << fe::default_settings_text();
  std::cout << "wrote " << path << "\nedit it, then: scenario run " << path << "\n";
  return 0;
}

int report(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-')
    throw rec::Error("report: expected one run folder\n" + std::string(manual::USAGE));
  fe::ChainOptions opt;
  opt.out_dir = folder_path(args[0]);
  opt.settings_path = opt.out_dir + "/settings.ini";
  if (!fs::is_regular_file(opt.settings_path))
    throw rec::Error(opt.settings_path + ": no such file; expected the folder of a finished scenario run");
  opt.data_dir = fe::data_dir();
  opt.bin_dir = fe::program_dir();
  fe::RunSettings rs = fe::validate_settings(fe::read_settings(opt.settings_path), opt.data_dir);
  fe::report_run(rs, opt, std::cout);
  return 0;
}

int run(const std::vector<std::string>& args) {
  fe::ChainOptions opt;
  opt.out_dir = "scenario-run";
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--out") {
      if (i + 1 == args.size()) throw rec::Error("run: --out needs a folder\n" + std::string(manual::USAGE));
      opt.out_dir = named("run", "the folder after --out", args[++i]);
    } else if (!args[i].empty() && args[i][0] == '-') {
      throw rec::Error("run: unknown option " + args[i] + "\n" + manual::USAGE);
    } else {
      opt.settings_path = named("run", "the settings file's name", args[i]);
    }
  }
  if (opt.settings_path.empty() && fs::exists("settings.ini")) opt.settings_path = "settings.ini";
  opt.data_dir = fe::data_dir();
  opt.bin_dir = fe::program_dir();
  opt.out_dir = folder_path(opt.out_dir);
  fe::SettingsFile file = opt.settings_path.empty()
                              ? fe::parse_settings(fe::default_settings_text(), "(built-in defaults)")
                              : fe::read_settings(opt.settings_path);
  fe::RunSettings rs = fe::validate_settings(file, opt.data_dir);
  opt.settings = fe::settings_copy(file);
  std::cout << "settings: " << (opt.settings_path.empty() ? "built-in defaults" : opt.settings_path)
            << "\nrun folder: " << opt.out_dir << "\n";
  fe::run_chain(rs, opt, std::cout);
  return 0;
}

int ensemble(const std::vector<std::string>& args) {
  fe::EnsembleOptions opt;
  opt.out_dir = "scenario-run";
  opt.threads = std::max(1u, std::thread::hardware_concurrency());
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--out" || args[i] == "--threads") {
      if (i + 1 == args.size()) throw rec::Error("ensemble: " + args[i] + " needs a value\n" + manual::USAGE);
      const std::string& v = args[++i];
      if (args[i - 1] == "--out") {
        opt.out_dir = named("ensemble", "the folder after --out", v);
      } else {
        const auto r = std::from_chars(v.data(), v.data() + v.size(), opt.threads);
        if (r.ec != std::errc() || r.ptr != v.data() + v.size() || opt.threads < 1 || opt.threads > 256)
          throw rec::Error("ensemble: --threads " + v + ": expected a whole number from 1 to 256");
      }
    } else if (!args[i].empty() && args[i][0] == '-') {
      throw rec::Error("ensemble: unknown option " + args[i] + "\n" + manual::USAGE);
    } else {
      opt.settings_path = named("ensemble", "the settings file's name", args[i]);
    }
  }
  if (opt.settings_path.empty() && fs::exists("settings.ini")) opt.settings_path = "settings.ini";
  opt.data_dir = fe::data_dir();
  opt.out_dir = folder_path(opt.out_dir);
  fe::SettingsFile file = opt.settings_path.empty()
                              ? fe::parse_settings(fe::default_settings_text(), "(built-in defaults)")
                              : fe::read_settings(opt.settings_path);
  const fe::RunSettings rs = fe::validate_settings(file, opt.data_dir);
  const fe::EnsembleSettings es = fe::read_ensemble_settings(file, rs);
  std::cout << "settings: " << (opt.settings_path.empty() ? "built-in defaults" : opt.settings_path)
            << "\nrun folder: " << opt.out_dir << "\n";
  fe::run_ensemble(file, rs, es, opt, std::cout);
  return 0;
}

int sweep(const std::vector<std::string>& args, int& argc, char**& argv) {
  fe::SweepOptions opt;
  opt.out_dir = "scenario-run";
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--out") {
      if (i + 1 == args.size()) throw rec::Error("sweep: --out needs a value\n" + std::string(manual::USAGE));
      opt.out_dir = named("sweep", "the folder after --out", args[++i]);
    } else if (!args[i].empty() && args[i][0] == '-') {
      throw rec::Error("sweep: unknown option " + args[i] + "\n" + manual::USAGE);
    } else {
      opt.settings_path = named("sweep", "the settings file's name", args[i]);
    }
  }
  if (opt.settings_path.empty() && fs::exists("settings.ini")) opt.settings_path = "settings.ini";
  opt.data_dir = fe::data_dir();
  opt.out_dir = folder_path(opt.out_dir);
  const auto transport = swp::open_transport(argc, argv);
  return fe::run_sweep(*transport, opt, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.empty()) {
      std::cerr << manual::USAGE;
      return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
      std::cout << manual::HELP;
      return 0;
    }
    std::string cmd = args[0];
    args.erase(args.begin());
    if (cmd == "init") return init(args);
    if (cmd == "run") return run(args);
    if (cmd == "ensemble") return ensemble(args);
    if (cmd == "sweep") return sweep(args, argc, argv);
    if (cmd == "report") return report(args);
    std::cerr << "scenario: unknown command " << cmd << "\n" << manual::USAGE;
    return 2;
  } catch (const fe::ProgramFailed& e) {
    std::cerr << "scenario: " << e.what() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "scenario: " << e.what() << "\n";
    return 2;
  }
}
