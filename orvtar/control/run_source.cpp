#include "orvtar/control/run_source.h"

#include "orvtar/control/config.h"

namespace orv {

RunSource RunSource::files(const InputPaths& paths) {
  RunSource s;
  s.paths_ = paths;
  return s;
}

RunSource RunSource::values_and_files(const ConfigValues& values, const InputPaths& paths) {
  RunSource s;
  s.values_ = &values;
  s.paths_ = paths;
  return s;
}

RunSource RunSource::values_and_inputs(const ConfigValues& values, const ModelInputs& inputs) {
  RunSource s;
  s.values_ = &values;
  s.given_ = &inputs;
  return s;
}

void RunSource::configure(OrvState& s, rec::Unit* report) {
  const std::string dir = paths_.config_dir.empty() ? "" : paths_.config_dir + "/";
  for (ConfigFile file : CONFIG_FILES) {
    if (values_) {
      for (const ConfigItem& item : config_items())
        if (item.file == file) set_value(s, item, (*values_)[item]);
    } else {
      read_config_file(s, file, dir + std::string(file_name(file)));
    }
    derive_after(file, s, report);
  }
}

const Co2History& RunSource::co2_history() {
  if (!given_) read_.co2_history = read_co2hist(paths_.co2hist);
  return inputs().co2_history;
}

const HalocarbonForcing& RunSource::halocarbons(int IHALO, int IYEND) {
  if (!given_) {
    read_.halocarbons = read_qhalos(IHALO, IYEND, paths_.qhalos);
    read_.halocarbons_IHALO = IHALO;
    read_.halocarbons_IYEND = IYEND;
  } else if (given_->halocarbons_IHALO != IHALO || given_->halocarbons_IYEND != IYEND) {
    throw rec::Error("the halocarbon forcing was read for IHALO = " +
                     std::to_string(given_->halocarbons_IHALO) + " and IYEND = " +
                     std::to_string(given_->halocarbons_IYEND) + ", not for IHALO = " +
                     std::to_string(IHALO) + " and IYEND = " + std::to_string(IYEND));
  }
  return inputs().halocarbons;
}

const PrescribedCo2& RunSource::prescribed_co2(int IYEND) {
  if (!given_) {
    read_.co2 = read_co2input(IYEND, paths_.co2input);
    read_.co2_IYEND = IYEND;
    read_.has_co2 = true;
  } else if (!given_->has_co2 || given_->co2_IYEND != IYEND) {
    throw rec::Error("no prescribed CO2 was read for IYEND = " + std::to_string(IYEND));
  }
  return inputs().co2;
}

const ExtraForcing& RunSource::extra_forcing() {
  if (!given_) {
    read_.extra = read_qextra(paths_.qextra);
    read_.has_extra = true;
  } else if (!given_->has_extra) {
    throw rec::Error("no extra forcing was read");
  }
  return inputs().extra;
}

const EmissionsProfile& RunSource::emissions() {
  if (!given_) read_.emissions = read_gasemk(paths_.gasemk);
  return inputs().emissions;
}

}  // namespace orv
