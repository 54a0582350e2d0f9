#include "importer/import_run.h"

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "engines/common/catalogue.h"
#include "engines/common/config.h"
#include "engines/common/field_writer.h"
#include "engines/common/file_names.h"
#include "importer/aerosol_patterns.h"
#include "importer/month_series.h"
#include "importer/seasonal_means.h"
#include "importer/tree_manifest.h"
#include "records/record_io.h"

namespace imp {

namespace fs = std::filesystem;

namespace {

constexpr const char* FIELD_ID = "CMIP";      // identifier record of every imported grid file
constexpr double MIN_WARMING = 0.1;           // degC: below it normalising by dTg says nothing
constexpr double MIN_COVERAGE = 0.99;         // share of the sphere a tas grid must cover
constexpr int TEMP = 1, PRECIP = 2;           // IVAR

const char* VARIABLE[3] = {"", "tas", "pr"};
Quantity quantity(int ivar) { return ivar == TEMP ? Quantity::Temperature : Quantity::Precipitation; }

// A value the engines would read back as something else (a grid-field file
// holds hundredths up to 100000 and anything not above -99 is missing) is
// written as missing and counted.
void representable(BoxField& f, long& count) {
  for (double& v : f)
    if (v != eng::MISSING && (!std::isfinite(v) || v <= -99.0 || v * 100.0 > 100000.0)) {
      v = eng::MISSING;
      ++count;
    }
}

std::string join(const std::set<std::string>& s) {
  std::string out;
  for (const std::string& x : s) out += (out.empty() ? "" : ", ") + x;
  return out;
}

class Progress {
 public:
  explicit Progress(std::ostream* out) : out_(out) {}
  void line(const std::string& text) {
    if (out_) *out_ << "tesseraimport: " << text << std::endl;
  }

 private:
  std::ostream* out_;
};

double seconds_since(std::chrono::steady_clock::time_point t) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
}

// Reads a series month by month into yearly seasonal means on the 5-degree grid.
SeasonalMeans seasonal_means(MonthSeries& s, long long first, long long last, int first_year, int last_year,
                             double& mb_read) {
  const Regridder regrid(s.grid());
  SeasonalMeans out(first_year, last_year);
  BoxField boxes;
  s.read(first, last, [&](long long month, const std::vector<double>& values) {
    regrid.regrid(values, boxes);
    out.add(month, boxes, regrid.global_mean(values));
  });
  mb_read += s.bytes_read() / 1.0e6;
  return out;
}

// The writer of one tree in its temporary folder.
class TreeWriter {
 public:
  explicit TreeWriter(std::string root) : root_(std::move(root)) {
    for (const char* sub : {"/TRELLIS5/OUT", "/TRELLIS5/OBS", "/TRELLIS5/SO4"}) fs::create_directories(root_ + sub);
  }
  void grid(const std::string& name, BoxField f, eng::Encoding e) {
    representable(f, unrepresentable);
    eng::write_grid_file(eng::tree_path(root_, name), f, e, FIELD_ID);
    ++files;
  }
  void aerosol(const std::string& name, const std::array<std::array<double, eng::NGRID>, 3>& p,
               const std::array<std::string, 3>& headers) {
    eng::write_aerosol_file(eng::tree_path(root_, name), p, headers);
    ++files;
  }
  long files = 0;
  long unrepresentable = 0;

 private:
  std::string root_;
};

// The 17 seasonal fields of an observed climatology: the baseline epoch's
// mean of a monthly series that covers it, or a 12-month climatology
// (January to December of any one year, its December standing for the
// December before in DJF).
std::array<BoxField, 17> observed_fields(const std::vector<std::string>& paths, int ivar, const Epochs& e,
                                         const std::string& what, double& mb_read) {
  MonthSeries s(paths, VARIABLE[ivar], quantity(ivar), what);
  const Regridder regrid(s.grid());
  long long first = month_index(e.base_first - 1, 12), last = month_index(e.base_last, 12);
  int first_year = e.base_first, last_year = e.base_last;
  std::unique_ptr<SeasonalMeans> means;
  BoxField boxes;
  const bool climatology = s.last_month() - s.first_month() == 11 && s.first_month() % 12 == 0 &&
                           !(s.first_month() <= first && s.last_month() >= last);
  if (!climatology) {
    s.check_covers(first, last);
    means = std::make_unique<SeasonalMeans>(first_year, last_year);
    s.read(first, last, [&](long long month, const std::vector<double>& values) {
      regrid.regrid(values, boxes);
      means->add(month, boxes, 0.0);
    });
  } else {
    first_year = last_year = static_cast<int>(s.first_month() / 12);
    std::array<BoxField, 12> month;
    s.read(s.first_month(), s.last_month(), [&](long long m, const std::vector<double>& values) {
      regrid.regrid(values, month[m % 12]);
    });
    means = std::make_unique<SeasonalMeans>(first_year, last_year);
    means->add(month_index(first_year - 1, 12), month[11], 0.0);
    for (int m = 0; m < 12; ++m) means->add(month_index(first_year, m + 1), month[m], 0.0);
  }
  mb_read += s.bytes_read() / 1.0e6;
  std::array<BoxField, 17> out;
  for (int season = 1; season <= 17; ++season)
    for (int k = 0; k < eng::NGRID; ++k) {
      double sum = 0.0;
      for (int y = first_year; y <= last_year; ++y) sum += means->at(y, season, k);
      const double v = sum / (last_year - first_year + 1);
      out[season - 1][k] = std::isnan(v) ? eng::MISSING : v;
    }
  return out;
}

}  // namespace

ImportSummary run_import(const ImportManifest& m, std::ostream* progress) {
  const auto start = std::chrono::steady_clock::now();
  Progress say(progress);
  ImportSummary sum;
  const fs::path target(m.tree);
  if (fs::exists(target) && !fs::exists(target / TREE_MANIFEST))
    throw rec::Error(m.tree + ": exists and holds no " + TREE_MANIFEST +
                     "; expected a new folder or an earlier imported tree to replace");
  const Epochs& e = m.epochs;
  const long long first = month_index(e.base_first - 1, 12), last = month_index(e.future_last, 12);

  // Every model's files are checked before anything is computed.
  struct Sources {
    std::unique_ptr<MonthSeries> series[3];
  };
  std::vector<Sources> sources(m.models.size());
  for (std::size_t k = 0; k < m.models.size(); ++k) {
    const ModelSource& ms = m.models[k];
    std::vector<std::string> all = ms.historical;
    all.insert(all.end(), ms.scenario.begin(), ms.scenario.end());
    for (int ivar : {TEMP, PRECIP}) {
      const std::string what = m.path + ", [" + std::string(eng::MODCODE_TABLE[ms.slot].substr(0, 4)) + "] " +
                               ms.name + " " + VARIABLE[ivar];
      sources[k].series[ivar] =
          std::make_unique<MonthSeries>(files_of(all, VARIABLE[ivar]), VARIABLE[ivar], quantity(ivar), what);
      sources[k].series[ivar]->check_covers(first, last);
    }
    say.line("[" + std::string(eng::MODCODE_TABLE[ms.slot].substr(0, 4)) + "] " + ms.name + ": " +
             std::to_string(sources[k].series[TEMP]->paths().size() + sources[k].series[PRECIP]->paths().size()) +
             " files checked");
  }

  const fs::path temp = target.parent_path() / (target.filename().string() + ".partial-" + std::to_string(getpid()));
  fs::remove_all(temp);
  try {
    TreeWriter out(temp.string());
    TreeFacts facts;
    facts.date = record_date();
    for (std::size_t k = 0; k < m.models.size(); ++k) {
      const ModelSource& ms = m.models[k];
      const std::string code(eng::MODCODE_TABLE[ms.slot].substr(0, 4));
      MonthSeries& tas_series = *sources[k].series[TEMP];
      MonthSeries& pr_series = *sources[k].series[PRECIP];
      ImportedModel im;
      im.slot = ms.slot;
      im.name = ms.name;
      im.experiments = join(tas_series.experiments());
      im.variants = join(tas_series.variants());
      im.calendar = std::string(calendar_name(tas_series.calendar()));
      im.grid = tas_series.grid().describe();
      im.tas_files = tas_series.paths();
      im.pr_files = pr_series.paths();
      if (const double cover = Regridder(tas_series.grid()).coverage(); cover < MIN_COVERAGE)
        throw rec::Error(tas_series.paths().front() + ", variable tas: the grid covers " +
                         std::to_string(static_cast<int>(100 * cover)) +
                         " % of the globe; expected a global grid (the global-mean warming needs it)");

      auto t0 = std::chrono::steady_clock::now();
      double mb = 0.0;
      const SeasonalMeans tas = seasonal_means(tas_series, first, last, e.base_first, e.future_last, mb);
      const Warming w = epoch_warming(tas, e);
      im.dTg = w.dTg();
      im.base_temperature = w.base;
      if (!(w.dTg() >= MIN_WARMING))
        throw rec::Error(m.path + ", [" + code + "] " + ms.name + ": global-mean warming between the epochs is " +
                         std::to_string(w.dTg()) + " degC; expected at least 0.1 degC to normalise by");
      const SeasonalMeans pr = seasonal_means(pr_series, first, last, e.base_first, e.future_last, mb);
      for (int ivar : {TEMP, PRECIP})
        for (int season = 1; season <= eng::NSEASONS; ++season) {
          const std::array<BoxField, 6> fam = families(ivar == TEMP ? tas : pr, tas, e, quantity(ivar), season);
          for (int d = 0; d < 6; ++d)
            out.grid(eng::model_file_name(ms.slot, static_cast<char>('1' + d), ivar, season), fam[d],
                     eng::Encoding::Model);
        }
      const double secs = seconds_since(t0);
      char line[256];
      std::snprintf(line, sizeof line, "[%s] %s: dTg %.2f degC; %.0f MB of netCDF data read in %.1f s (%.0f MB/s)",
                    code.c_str(), ms.name.c_str(), w.dTg(), mb, secs, secs > 0 ? mb / secs : 0.0);
      say.line(line);
      sum.mb_read += mb;
      facts.models.push_back(im);
    }

    // Observed baselines: NEW (digit 7) and OLD (digit 8), all missing without a source.
    eng::EngineConfig c;
    for (int set = 0; set < 2; ++set)
      for (int ivar : {TEMP, PRECIP}) {
        const std::vector<std::string>& paths = ivar == TEMP ? m.observed[set].tas : m.observed[set].pr;
        c.OBSSET = set == 0 ? "NEW" : "OLD";
        c.IVAR = ivar;
        std::array<BoxField, 17> fields;
        for (BoxField& f : fields) f.fill(eng::MISSING);
        if (!paths.empty()) {
          fields = observed_fields(paths, ivar, e, m.path + ", [observed] " + (set == 0 ? "new_" : "old_") +
                                                       VARIABLE[ivar], sum.mb_read);
          facts.observed[set * 2 + ivar - 1] = true;
        }
        const eng::Encoding enc = set == 1 && ivar == TEMP ? eng::Encoding::ObsTenths : eng::Encoding::ObsHundredths;
        for (int season = 1; season <= eng::NSEASONS; ++season) {
          c.ISEAS = season;
          out.grid(eng::observed_file_name(c), fields[season - 1], enc);
        }
      }

    facts.aerosol = m.has_aerosol();
    if (facts.aerosol)
      for (int ivar : {TEMP, PRECIP}) {
        const std::array<AerosolSeasons, 3> p = {read_aerosol_pattern(m.aerosol[0], VARIABLE[ivar]),
                                                 read_aerosol_pattern(m.aerosol[1], VARIABLE[ivar]),
                                                 read_aerosol_pattern(m.aerosol[2], VARIABLE[ivar])};
        c.IVAR = ivar;
        for (int season = 1; season <= eng::NSEASONS; ++season) {
          c.ISEAS = season;
          std::array<std::string, 3> headers;
          for (int r = 0; r < 3; ++r)
            headers[r] = std::string(AEROSOL_REGION[r]) + " SO4 RESPONSE PATTERN, " + VARIABLE[ivar] + " " +
                         std::string(eng::SEASNAME[season]) + ", FROM " + fs::path(m.aerosol[r]).filename().string();
          out.aerosol(eng::aerosol_file_name(c), {p[0][season - 1], p[1][season - 1], p[2][season - 1]}, headers);
        }
      }
    facts.unrepresentable = out.unrepresentable;
    write_tree_manifest((temp / TREE_MANIFEST).string(), m, facts);
    sum.files = out.files + 1;
    sum.models = static_cast<int>(facts.models.size());

    // Into place: the old tree goes only once the new one is complete.
    const fs::path old = target.parent_path() / (target.filename().string() + ".old-" + std::to_string(getpid()));
    if (fs::exists(target)) fs::rename(target, old);
    fs::rename(temp, target);
    fs::remove_all(old);
  } catch (...) {
    std::error_code ignored;
    fs::remove_all(temp, ignored);
    throw;
  }
  sum.seconds = seconds_since(start);
  return sum;
}

}  // namespace imp
