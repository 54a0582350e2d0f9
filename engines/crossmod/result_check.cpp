#include "engines/crossmod/result_check.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engines/common/file_names.h"
#include "engines/common/printed_check.h"
#include "engines/crossmod/area_stats.h"
#include "engines/crossmod/areaaves_report.h"
#include "engines/crossmod/field_tables.h"
#include "engines/crossmod/outputs.h"
#include "engines/crossmod/validation.h"
#include "records/record_io.h"

namespace xm {
namespace {

using eng::number_text;

// A file a value is printed in and the field it gets there, read from the
// writer's format.
struct Place {
  std::string_view file;
  eng::RealField field;
};

Place table(std::string_view file) { return {file, eng::real_field(TABLE_ROW, 1)}; }
Place prob_table(std::string_view file) { return {file, eng::real_field(PROB_TABLE_ROW, 1)}; }
Place dump(std::string_view file) { return {file, eng::real_field(DUMP_VALUES, 0)}; }
Place line(std::string_view format, std::size_t n) { return {AREAAVES_FILE, eng::real_field(format, n)}; }

// The inputs and settings behind the results, in a message's words.
class Drivers {
 public:
  explicit Drivers(const XmState& s) : s_(s), c_(s.cfg) {}

  std::string change_unit() const { return c_.IVAR == 1 ? "degC/degC" : "%/degC"; }
  std::string scaled_unit() const { return c_.IVAR == 1 ? "degC" : "%"; }
  std::string base_unit() const { return c_.IVAR == 1 ? "degC" : "mm/day"; }

  std::string value(double v, const std::string& unit) const {
    return eng::valid(v) ? number_text(v) + " " + unit : "missing";
  }

  std::string scaling() const {
    return c_.ISCALE == 2 && c_.IVAR == 2 ? "exponential scaling (ISCALE = 2)"
                                          : "linear scaling (ISCALE = " + std::to_string(c_.ISCALE) + ")";
  }

  std::string weights() const {
    const eng::Weights& w = s_.weights;
    return "the weights of the year " + std::to_string(w.YEAR) + " in " + eng::weights_file_name(c_) +
           " (GHGWT = " + number_text(w.GHGWT) + ", EURWT = " + number_text(w.EURWT) +
           ", ASIAWT = " + number_text(w.ASIAWT) + ", ROWWT = " + number_text(w.ROWWT) +
           ", GLOBWT = " + number_text(w.GLOBWT) + " degC)";
  }

  std::string cases(int m) const {
    std::string text = "the normalised changes of the cases there (";
    for (int n = 1; n <= c_.NCASES; ++n)
      text += (n > 1 ? ", " : "") + std::string(c_.MODCODE[c_.IMOD[n]]) + " " + value(s_.X[n].v[m], change_unit());
    return text + ")";
  }

  std::string baselines(int m) const {
    std::string text = "the model baselines there (";
    for (int k = 1; k <= c_.NMODIN; ++k)
      text += (k > 1 ? ", " : "") + std::string(c_.MODCODE[c_.IMOD[k]].substr(0, 4)) + " " +
              value(s_.B[k].v[m], base_unit());
    return text + ")";
  }

  std::string observed() const {
    return "the observed baseline " + eng::observed_file_name(c_) + " (OBSSET = " + c_.OBSSET + ")";
  }

  std::string ghg_only(int m) const {
    const std::string dt = c_.ISULF == 1 ? "GHGWT" : "GLOBWT";
    return "G1 = S(XM, " + dt + ") with XM = " + value(s_.XM.v[m], change_unit()) + " under " + scaling() + " and " +
           weights();
  }

  std::string aerosol(int m) const {
    return "A = EURWT*P1 + ASIAWT*P2 + ROWWT*P3 with the patterns there P1 = " + number_text(s_.P1.v[m]) +
           ", P2 = " + number_text(s_.P2.v[m]) + ", P3 = " + number_text(s_.P3.v[m]) + " of " +
           eng::aerosol_file_name(c_) + " and " + weights();
  }

  std::string total(int m) const {
    return "T = G2 + A with G2 = S(XM, GHGWT) = " + value(s_.G2.v[m], scaled_unit()) +
           " (XM = " + value(s_.XM.v[m], change_unit()) + " under " + scaling() +
           ") and A = " + number_text(s_.A.v[m]) + " " + scaled_unit() + ", " + weights();
  }

  std::string change(int m) const { return c_.ISULF == 1 ? "D = T: " + total(m) : "D = G1: " + ghg_only(m); }

  std::string new_climate(std::string_view base_name, double base, int m) const {
    return std::string(base_name) + " = " + value(base, base_unit()) +
           " changed by D = " + value(s_.D.v[m], scaled_unit()) + "; " + change(m);
  }

  std::string drift(int m) const {
    std::string text = "the definition-1 and definition-2 changes of the models there (";
    for (int k = 1; k <= c_.NMODIN; ++k)
      text += (k > 1 ? ", " : "") + std::string(c_.MODCODE[c_.IMOD[k]].substr(0, 4)) + " " +
              value(s_.X[k].v[m], change_unit()) + " and " + value(s_.X[c_.NMODIN + k].v[m], change_unit());
    return text + ")";
  }

 private:
  const XmState& s_;
  const eng::EngineConfig& c_;
};

[[noreturn]] void refuse(const Place& p, const std::string& what, double v, const std::string& drivers) {
  throw rec::Error(std::string(p.file) + ": " + what + " " + eng::misfit_text(v, p.field) + "; it follows from " +
                   drivers + "; no result was written, only the run headers and the log " + IMFILES_FILE);
}

void check_value(double v, const std::vector<Place>& places, const std::function<std::string()>& what,
                 const std::function<std::string()>& drivers) {
  for (const Place& p : places)
    if (!eng::prints(v, p.field)) refuse(p, what(), v, drivers());
}

// A grid field, the places it is printed and what its value at a box
// follows from.
struct GridQuantity {
  std::string name;
  const Field& F;
  std::vector<Place> places;
  std::function<std::string(int m)> drivers;
};

void check_field(const GridQuantity& q) {
  for (int m = 0; m < eng::NGRID; ++m)
    check_value(
        q.F.v[m], q.places, [&] { return q.name + " at " + eng::box_text(m); }, [&] { return q.drivers(m); });
}

// The gridded results in the order they are computed, each with the files
// that print it (as field_reports.cpp writes them).
std::vector<GridQuantity> grid_quantities(const XmState& s, const Drivers& d) {
  const eng::EngineConfig& c = s.cfg;
  const bool aerosol_only = c.KRUN == 1;
  const auto cases = [&d](int m) { return d.cases(m); };
  std::vector<Place> error_places = {table(IMFIELDS_FILE), table(ERROR_FILE)};
  if (c.IBOTH != 1) error_places.push_back(dump(TERROR_FILE));
  // ABS-MOD shows NO in an aerosol-only run, NM otherwise.
  std::vector<Place> observed_new = {table(IMFIELDS_FILE), table(ABSOBS_FILE), dump(TABSOBS_FILE)};
  std::vector<Place> model_new = {table(IMFIELDS_FILE)};
  std::vector<Place>& absmod = aerosol_only ? observed_new : model_new;
  absmod.push_back(table(ABSMOD_FILE));
  absmod.push_back(dump(TABSMOD_FILE));
  std::vector<GridQuantity> q = {
      {"the model-mean normalised change XM", s.XM, {table(NORMDEL_FILE)}, cases},
      {"the inter-model S.D. ISD", s.ISD, {table(IMFIELDS_FILE), table(INTERSD_FILE)}, cases},
      {"the inter-model signal-to-noise ratio SNR",
       s.SNR,
       {table(IMFIELDS_FILE), table(IMSNR_FILE), dump(TIMSNR_FILE)},
       [&s, cases](int m) {
         return "SNR = XM/ISD with XM = " + number_text(s.XM.v[m]) + " and ISD = " + number_text(s.ISD.v[m]) +
                ", from " + cases(m);
       }},
      {"the probability of an increase PROB",
       s.PROB,
       {prob_table(IMFIELDS_FILE), prob_table(PROBINCR_FILE), dump(TPROBINCR_FILE)},
       cases},
      {"the GHG-only change G1",
       s.G1,
       {table(IMFIELDS_FILE), table(GHGDELTA_FILE)},
       [&d](int m) { return d.ghg_only(m); }},
      {"the aerosol-only change A",
       s.A,
       {table(IMFIELDS_FILE), table(AEROSOL_FILE)},
       [&d](int m) { return d.aerosol(m); }},
      {"the GHG and aerosol change T",
       s.T,
       {table(IMFIELDS_FILE), table(GHANDAER_FILE)},
       [&d](int m) { return d.total(m); }},
      {"the change to use D", s.D, {dump(TDEL2USE_FILE)}, [&d](int m) { return d.change(m); }},
      {"the model-mean baseline BM",
       s.BM,
       {table(IMFIELDS_FILE), table(MODBASE_FILE), dump(TMODBASE_FILE)},
       [&d](int m) { return d.baselines(m); }},
      {"the observed baseline OBS",
       s.OBS,
       {table(IMFIELDS_FILE), table(OBSBASE_FILE), dump(TOBSBASE_FILE)},
       [&d](int) { return d.observed(); }},
      {"the error field", s.ERRFLD, error_places,
       [&s, &d](int m) {
         return "BM = " + number_text(s.BM.v[m]) + " and OBS = " + number_text(s.OBS.v[m]) + " " + d.base_unit() +
                ", from " + d.baselines(m) + " and " + d.observed();
       }},
      {"the new climate on the observed baseline NO", s.NO, observed_new,
       [&s, &d](int m) { return d.new_climate("OBS", s.OBS.v[m], m); }},
      {"the new climate on the model-mean baseline NM", s.NM, model_new,
       [&s, &d](int m) { return d.new_climate("BM", s.BM.v[m], m); }},
  };
  if (c.IDEF == 3) {
    std::vector<Place> drift_places = {table(DRIFT_FILE)};
    if (c.IBOTH == 1) drift_places.push_back(dump(TERROR_FILE));
    q.push_back({"the model-mean drift", s.DRIFT, drift_places, [&d](int m) { return d.drift(m); }});
  }
  return q;
}

// The lines of AREAAVES.OUT and VALIDN.OUT, in the order they are written.
void check_area_lines(const XmState& s, const Drivers& d) {
  const eng::EngineConfig& c = s.cfg;
  const AreaFormats& f = area_formats(c.IVAR);
  const auto code = [&c](int n) { return std::string(n <= c.NCASES ? c.MODCODE[c.IMOD[n]] : "MODBAR"); };
  const auto model = [&c](int k) { return k <= c.NMODIN ? std::string(c.MODCODE[c.IMOD[k]].substr(0, 4)) : "MBAR"; };

  for (int n = 1; n <= c.NCASES + 1; ++n) {
    const std::string_view format = n == 1 ? f.case_first : f.case_next;
    const auto source = [&, n] {
      return n <= c.NCASES ? "the change file " + eng::case_file_name(c, n, '1', '2') : std::string("the case mean");
    };
    check_value(
        s.XAVE[n].mean, {line(format, 0)}, [&] { return "the area average of case " + code(n); }, source);
    check_value(
        s.XAVE[n].sd, {line(format, 1)}, [&] { return "the spatial S.D. of case " + code(n); }, source);
  }
  const auto case_means = [] { return std::string("the area averages of the cases"); };
  check_value(
      s.OVMEAN, {line(f.overall_mean, 0)}, [] { return std::string("the overall mean"); }, case_means);
  check_value(
      s.IMSD, {line(f.intermodel_sd, 0)}, [] { return std::string("the inter-model S.D."); }, case_means);

  for (int k = 1; k <= c.NMODIN + 1; ++k) {
    const std::string_view format = k == 1 ? f.baseline_first : f.baseline_next;
    const auto source = [&, k] {
      return k <= c.NMODIN ? "the baseline file " + eng::model_file_name(c.IMOD[k], '3', c.IVAR, c.ISEAS)
                           : std::string("the model-mean baseline BM");
    };
    check_value(
        s.BAVE[k].mean, {line(format, 0)}, [&] { return "the area average of baseline " + model(k); }, source);
    check_value(
        s.BAVE[k].sd, {line(format, 1)}, [&] { return "the spatial S.D. of baseline " + model(k); }, source);
  }

  const auto stat = [](std::string name) { return [name] { return "the area average of " + name; }; };
  const auto field = [](std::string text) { return [text] { return text; }; };
  check_value(s.AVISD, {line(f.avisd, 0)}, stat("ISD"), field("the inter-model S.D. ISD"));
  check_value(s.AVSNR, {line(AVSNR_LINE, 0)}, stat("SNR"), field("the signal-to-noise ratio SNR"));
  check_value(s.AVPROB, {line(AVPROB_LINE, 0)}, stat("PROB"), field("the probability of an increase PROB"));
  const auto scaled = [&d] {
    return "the GHG-only change G2 = S(XM, GHGWT) under " + d.scaling() + " and " + d.weights();
  };
  check_value(s.AVG2, {line(f.avg2, 0)}, stat("the GHG-only change G2"), scaled);
  const auto aerosol = [&d, &c] {
    return "the aerosol patterns of " + eng::aerosol_file_name(c) + " and " + d.weights();
  };
  check_value(s.AERAVE, {line(f.aerave, 0)}, stat("the aerosol-only change A"), aerosol);
  check_value(s.AVT, {line(f.avt, 0)}, stat("the GHG and aerosol change T"),
              [&] { return "G2 and A: " + scaled() + "; " + aerosol(); });

  for (int n = 1; n <= c.NCASES + 1; ++n)
    check_value(
        scaled_case_average(s, n), {line(n == 1 ? f.scaled_first : f.scaled_next, 0)},
        [&] { return "the scaled area average of case " + code(n); },
        [&] {
          return "the case's change scaled with GHGWT under " + d.scaling() + " plus the aerosol-only change, " +
                 d.weights();
        });

  for (int IWT = 0; IWT <= 1; ++IWT) {
    for (int k = 1; k <= c.NMODIN + 1; ++k) {
      const eng::Comparison& r = s.VALID[IWT][k];
      const std::string_view format = k <= c.NMODIN ? VALIDATION_MODEL_LINE : VALIDATION_MEAN_LINE;
      const auto what = [&, k, IWT](std::string_view statistic) {
        return [&, k, IWT, statistic] {
          return std::string(IWT == 0 ? "the unweighted " : "the cosine-weighted ") + std::string(statistic) +
                 " of baseline " + model(k) + " against the observed";
        };
      };
      const auto source = [&, k] {
        return (k <= c.NMODIN ? "the baseline file " + eng::model_file_name(c.IMOD[k], '3', c.IVAR, c.ISEAS)
                              : std::string("the model-mean baseline BM")) +
               " and " + d.observed();
      };
      check_value(r.R, {{VALIDN_FILE, eng::real_field(format, 0)}}, what("correlation"), source);
      check_value(r.RMSE, {{VALIDN_FILE, eng::real_field(format, 1)}}, what("RMS difference"), source);
      check_value(r.MEANDIFF, {{VALIDN_FILE, eng::real_field(format, 2)}}, what("mean difference"), source);
    }
  }
}

}  // namespace

void check_results(const XmState& s) {
  const Drivers d(s);
  for (const GridQuantity& q : grid_quantities(s, d)) check_field(q);
  check_area_lines(s, d);
}

}  // namespace xm
