// Where a run's configuration and data come from: the files of a folder, as
// orvtar reads them, or values and data already in memory, as a front end or
// an ensemble has them. One start-up sequence (startup.h) serves both.
#pragma once

#include <string>

#include "orvtar/control/config_values.h"
#include "orvtar/control/emissions.h"
#include "orvtar/control/inputs.h"
#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace orv {

// The files of a run; relative names resolve against the working directory.
struct InputPaths {
  std::string config_dir;  // the five configuration files; "" is the working directory
  std::string co2hist = "co2hist.IN";
  std::string qhalos = "QHALOS.IN";
  std::string co2input = "co2input.dat";
  std::string qextra = "qextra.in";
  std::string gasemk = "GAS.EMK";
};

// The data files of a run as read. The halocarbon and prescribed CO2 files
// are read for a last year (and halocarbon layout), which they record.
struct ModelInputs {
  Co2History co2_history;
  HalocarbonForcing halocarbons;
  int halocarbons_IHALO = 0, halocarbons_IYEND = 0;
  bool has_co2 = false;
  PrescribedCo2 co2;
  int co2_IYEND = 0;
  bool has_extra = false;
  ExtraForcing extra;
  EmissionsProfile emissions;
};

class RunSource {
 public:
  // Configuration from the five files of paths.config_dir, data from the
  // files named in `paths`, each read when first asked for.
  static RunSource files(const InputPaths& paths);
  // Configuration from `values`, data files read when asked for.
  static RunSource values_and_files(const ConfigValues& values, const InputPaths& paths);
  // Configuration from `values`, data already read. `values` and `inputs`
  // must outlive the source.
  static RunSource values_and_inputs(const ConfigValues& values, const ModelInputs& inputs);

  // The configuration items with the settings derived from them (reset
  // lines to the report, when there is one).
  void configure(OrvState& s, rec::Unit* report);

  const Co2History& co2_history();
  const HalocarbonForcing& halocarbons(int IHALO, int IYEND);
  const PrescribedCo2& prescribed_co2(int IYEND);
  const ExtraForcing& extra_forcing();
  const EmissionsProfile& emissions();

  // Everything read or given so far.
  const ModelInputs& inputs() const { return given_ ? *given_ : read_; }

 private:
  RunSource() = default;
  const ConfigValues* values_ = nullptr;
  InputPaths paths_;
  const ModelInputs* given_ = nullptr;
  ModelInputs read_;
};

}  // namespace orv
