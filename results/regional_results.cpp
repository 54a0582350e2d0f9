#include "results/regional_results.h"

#include <cmath>
#include <filesystem>

#include "engines/common/file_names.h"
#include "engines/crossmod/field_tables.h"
#include "engines/crossmod/outputs.h"
#include "engines/varistat/outputs.h"
#include "engines/varistat/result_tables.h"

namespace res {

namespace {

// What a field's values measure, which fixes its units for the run's
// variable.
enum class Kind {
  Change,      // a change: degC, or % for precipitation
  Normalised,  // a change per degC of global warming
  Climate,     // a mean climate: degC or mm/day
  Spread,      // a standard deviation of the climate: degC (a difference) or mm/day
  Percent,     // a percentage whatever the variable
  Ratio,       // dimensionless
};

struct Units {
  const char* cf;
  const char* label;
};

Units units_of(Kind k, int IVAR) {
  const bool t = IVAR == 1;
  switch (k) {
    case Kind::Change: return t ? Units{"K", "degC"} : Units{"%", "%"};
    case Kind::Normalised: return t ? Units{"K K-1", "degC/degC"} : Units{"% K-1", "%/degC"};
    case Kind::Climate: return t ? Units{"degC", "degC"} : Units{"mm day-1", "mm/day"};
    case Kind::Spread: return t ? Units{"K", "degC"} : Units{"mm day-1", "mm/day"};
    case Kind::Percent: return {"%", "%"};
    case Kind::Ratio: return {"1", "1"};
  }
  return {"1", "1"};
}

enum class Form { CrossmodTable, CrossmodCounts, CrossmodDump, VaristatTable, VaristatDump };

struct FieldSpec {
  const char* name;
  const char* long_name;
  Kind kind;
  Engine engine;
  const char* file;
  Form form;
  Scale scale;
};

// Every result field of the two engines, in the order of the netCDF file
// and of the documentation (docs/formats/results.md).
constexpr FieldSpec FIELDS[] = {
    {"change", "scaled change used for the new climates: greenhouse gases and aerosol when aerosols are on, "
               "else greenhouse gases only (multi-model mean)",
     Kind::Change, Engine::Crossmod, xm::TDEL2USE_FILE, Form::CrossmodDump, Scale::Diverging},
    {"change_ghg_aerosol", "multi-model mean scaled change, greenhouse gases and aerosol", Kind::Change,
     Engine::Crossmod, xm::GHANDAER_FILE, Form::CrossmodTable, Scale::Diverging},
    {"change_ghg", "multi-model mean scaled change, greenhouse gases only", Kind::Change, Engine::Crossmod,
     xm::GHGDELTA_FILE, Form::CrossmodTable, Scale::Diverging},
    {"change_aerosol", "scaled change, sulphate aerosol only", Kind::Change, Engine::Crossmod, xm::AEROSOL_FILE,
     Form::CrossmodTable, Scale::Diverging},
    {"normalised_change", "multi-model mean normalised change per degC of global-mean warming", Kind::Normalised,
     Engine::Crossmod, xm::NORMDEL_FILE, Form::CrossmodTable, Scale::Diverging},
    {"intermodel_sd", "inter-model standard deviation of the normalised changes", Kind::Normalised,
     Engine::Crossmod, xm::INTERSD_FILE, Form::CrossmodTable, Scale::Sequential},
    {"snr", "inter-model signal-to-noise ratio: mean normalised change / inter-model standard deviation",
     Kind::Ratio, Engine::Crossmod, xm::TIMSNR_FILE, Form::CrossmodDump, Scale::Diverging},
    {"probability_of_increase", "probability of an increase above the threshold", Kind::Ratio, Engine::Crossmod,
     xm::TPROBINCR_FILE, Form::CrossmodDump, Scale::Sequential},
    {"cases_with_increase", "number of cases with an increase above the threshold", Kind::Ratio,
     Engine::Crossmod, xm::NUMINCR_FILE, Form::CrossmodCounts, Scale::Sequential},
    {"baseline_model_mean", "model-mean baseline climate", Kind::Climate, Engine::Crossmod, xm::TMODBASE_FILE,
     Form::CrossmodDump, Scale::Sequential},
    {"baseline_observed", "observed baseline climate", Kind::Climate, Engine::Crossmod, xm::TOBSBASE_FILE,
     Form::CrossmodDump, Scale::Sequential},
    {"new_climate_observed_baseline", "new mean climate: observed baseline plus the scaled change",
     Kind::Climate, Engine::Crossmod, xm::TABSOBS_FILE, Form::CrossmodDump, Scale::Sequential},
    {"new_climate_model_baseline", "new mean climate: model-mean baseline plus the scaled change",
     Kind::Climate, Engine::Crossmod, xm::TABSMOD_FILE, Form::CrossmodDump, Scale::Sequential},
    {"baseline_error", "error of the model-mean baseline against the observed (precipitation: percent)",
     Kind::Change, Engine::Crossmod, xm::TERROR_FILE, Form::CrossmodDump, Scale::Diverging},
    {"mean_change", "model average of the changes in mean state, not normalised", Kind::Change,
     Engine::Varistat, vs::GHGDELTA_FILE, Form::VaristatTable, Scale::Diverging},
    {"baseline_sd", "model average of the baseline interannual standard deviations", Kind::Spread,
     Engine::Varistat, vs::TBASESD_FILE, Form::VaristatDump, Scale::Sequential},
    {"sd_change", "model average of the percentage changes in interannual standard deviation",
     Kind::Percent, Engine::Varistat, vs::TDELTASD_FILE, Form::VaristatDump, Scale::Diverging},
    {"snr_mean_of_ratios", "model average of the signal-to-noise ratios change / baseline standard deviation",
     Kind::Ratio, Engine::Varistat, vs::TBAROFSNR_FILE, Form::VaristatDump, Scale::Diverging},
    {"snr_of_means", "signal-to-noise ratio of the model averages: mean change / mean baseline standard deviation",
     Kind::Ratio, Engine::Varistat, vs::SNROFBAR_FILE, Form::VaristatTable, Scale::Diverging},
    {"snr_intermodel", "inter-model signal-to-noise ratio: mean normalised change / inter-model standard deviation",
     Kind::Ratio, Engine::Varistat, vs::INTERSNR_FILE, Form::VaristatTable, Scale::Diverging},
};

// Reads one field; asterisks (NaN) become MISSING and are counted.
eng::Field read_field(const std::string& path, Form form, int& overflowed) {
  eng::Field F;
  switch (form) {
    case Form::CrossmodTable: xm::read_table(path, F); break;
    case Form::CrossmodDump: xm::read_dump(path, F); break;
    case Form::VaristatTable: vs::read_grid_table(path, F); break;
    case Form::VaristatDump: vs::read_dump(path, F); break;
    case Form::CrossmodCounts: {
      xm::CountField counts;
      xm::read_count_table(path, counts);
      for (int m = 0; m < eng::NGRID; ++m) F.v[m] = counts.v[m];
      break;
    }
  }
  for (double& v : F.v) {
    if (std::isnan(v)) {
      v = eng::MISSING;
      ++overflowed;
    } else if (!eng::valid(v)) {
      v = eng::MISSING;
    }
  }
  return F;
}

}  // namespace

std::string_view engine_name(Engine e) { return e == Engine::Crossmod ? "crossmod" : "varistat"; }

std::string_view variable_name(const eng::EngineConfig& c) { return c.IVAR == 1 ? "temperature" : "precipitation"; }

const GridVariable* RegionalResults::find(std::string_view name) const {
  for (const GridVariable& v : fields)
    if (v.name == name) return &v;
  return nullptr;
}

RegionalResults read_regional_results(const std::string& dir, const std::string& scenario) {
  RegionalResults r;
  r.scenario = scenario;
  r.folder = dir;
  if (!eng::read_crossmod_config(r.config, dir))
    rec::fail(dir + "/SHELL.CFG", 15, "no model and no aerosols: crossmod wrote no results");
  if (r.config.IMASK != 0) r.mask = eng::read_mask_file(dir + "/" + eng::mask_file_name(r.config));
  r.area = eng::select_area(r.config, r.mask);
  for (const FieldSpec& f : FIELDS) {
    GridVariable v;
    v.name = f.name;
    v.long_name = f.long_name;
    Kind kind = f.kind;
    // With both definitions crossmod's error dump holds the model-mean drift.
    if (v.name == "baseline_error" && r.config.IBOTH == 1) {
      v.name = "drift";
      v.long_name = "model-mean normalised drift per degC of global-mean warming";
      kind = Kind::Normalised;
    }
    const Units u = units_of(kind, r.config.IVAR);
    v.units = u.cf;
    v.label_units = u.label;
    v.engine = f.engine;
    v.source = f.file;
    v.scale = f.scale;
    v.counts = f.form == Form::CrossmodCounts;
    v.field = read_field(dir + "/" + f.file, f.form, r.overflowed);
    r.fields.push_back(std::move(v));
  }
  r.averages = xm::read_area_averages(dir + "/" + xm::AREAAVES_FILE, r.config);
  return r;
}

}  // namespace res
