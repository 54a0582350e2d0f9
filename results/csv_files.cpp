#include "results/csv_files.h"

#include <cmath>
#include <cstdio>
#include <fstream>

#include "engines/common/area.h"
#include "records/record_io.h"

namespace res {

namespace {

std::string number(double v, int decimals) {
  if (!std::isfinite(v)) return "";
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  // A value that rounds to zero carries no minus sign, as in the files.
  std::string s = buf;
  if (s.starts_with('-') && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

class CsvFile {
 public:
  explicit CsvFile(const std::string& path) : path_(path), out_(path, std::ios::binary) {
    if (!out_) rec::fail(path, 0, "cannot create the file");
  }
  void row(std::initializer_list<std::string> fields) {
    bool first = true;
    for (const std::string& f : fields) {
      if (!first) text_ += ',';
      text_ += csv_field(f);
      first = false;
    }
    text_ += "\r\n";
  }
  void close() {
    out_ << text_;
    out_.close();
    if (!out_) rec::fail(path_, 0, "write failed");
  }

 private:
  std::string path_;
  std::ofstream out_;
  std::string text_;
};

}  // namespace

std::string csv_field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string q = "\"";
  for (char c : text) {
    if (c == '"') q += '"';
    q += c;
  }
  return q + "\"";
}

void write_global_csv(const std::string& path, const std::vector<GlobalResults>& scenarios) {
  CsvFile csv(path);
  csv.row({"scenario", "parameter_set", "variable", "unit", "year", "value"});
  for (const GlobalResults& g : scenarios) {
    for (const Series& s : g.series) {
      const std::string set = s.set ? std::string(orv::parameter_set_name(*s.set)) : "";
      for (std::size_t k = 0; k < s.years.size(); ++k)
        csv.row({g.scenario, set, s.variable, s.unit, std::to_string(s.years[k]), number(s.values[k], s.decimals)});
    }
  }
  csv.close();
}

void write_regional_csv(const std::string& path, const std::vector<RegionalResults>& scenarios) {
  CsvFile csv(path);
  csv.row({"scenario", "engine", "field", "case", "statistic", "unit", "value"});
  // crossmod prints its averages under F8.3; MISSING is an empty value.
  const auto value = [](double v, int decimals = 3) { return eng::valid(v) ? number(v, decimals) : std::string(); };
  for (const RegionalResults& r : scenarios) {
    const auto units = [&](const char* field) { return r.find(field)->label_units; };
    const xm::AreaAverages& a = r.averages;
    const auto line = [&](const char* field, const std::string& code, const char* statistic, double v) {
      csv.row({r.scenario, "crossmod", field, code, statistic, units(field), value(v)});
    };
    for (const auto& l : a.normalised) {
      line("normalised_change", l.code, "area_mean", l.mean);
      line("normalised_change", l.code, "spatial_sd", l.sd);
    }
    line("normalised_change", "all", "overall_mean", a.overall_mean);
    line("normalised_change", "all", "intermodel_sd_of_area_means", a.intermodel_sd);
    for (const auto& l : a.baseline) {
      line("baseline_model_mean", l.code, "area_mean", l.mean);
      line("baseline_model_mean", l.code, "spatial_sd", l.sd);
    }
    line("intermodel_sd", "model_mean", "area_mean", a.AVISD);
    line("snr", "model_mean", "area_mean", a.AVSNR);
    line("probability_of_increase", "model_mean", "area_mean", a.AVPROB);
    line("change_ghg", "model_mean", "area_mean", a.AVG2);
    line("change_aerosol", "model_mean", "area_mean", a.AERAVE);
    line("change_ghg_aerosol", "model_mean", "area_mean", a.AVT);
    for (const auto& l : a.scaled) line("change_ghg_aerosol", l.code, "area_mean", l.mean);

    // varistat writes no area averages: those of its fields over the same
    // study area, by the engines' own cosine-weighted average.
    for (const GridVariable& v : r.fields) {
      if (v.engine != Engine::Varistat) continue;
      const eng::AreaMean m = eng::area_average(v.field, r.area.MASK, eng::AreaRule::ModelMean);
      csv.row({r.scenario, "varistat", v.name, "model_mean", "area_mean", v.label_units, value(m.mean, 4)});
      csv.row({r.scenario, "varistat", v.name, "model_mean", "spatial_sd", v.label_units, value(m.sd, 4)});
    }
  }
  csv.close();
}

}  // namespace res
