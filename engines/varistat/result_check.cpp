#include "engines/varistat/result_check.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engines/common/file_names.h"
#include "engines/common/printed_check.h"
#include "engines/varistat/avesd.h"
#include "engines/varistat/outputs.h"
#include "engines/varistat/result_tables.h"
#include "engines/varistat/statistics.h"
#include "records/record_io.h"

namespace vs {
namespace {

using eng::number_text;

// A file a value is printed in and the field it gets there, read from the
// writer's format.
struct Place {
  std::string_view file;
  eng::RealField field;
};

std::string value(double v) { return present(v) ? number_text(v) : "missing"; }

// The inputs and settings behind the result fields, in a message's words.
class Drivers {
 public:
  explicit Drivers(const VsState& s) : s_(s), c_(s.cfg) {}

  std::string scaling(Form form) const {
    return std::string(form == Form::Exponential ? "exponential" : "linear") +
           " scaling (ISCALE = " + std::to_string(c_.ISCALE) + ")";
  }

  std::string weights() const {
    const eng::Weights& w = s_.weights;
    return "GLOBWT = " + number_text(w.GLOBWT) + " degC of the year " + std::to_string(w.YEAR) + " in " +
           eng::weights_file_name(c_);
  }

  // The values of a family of fields at box m, labelled by case or model.
  template <std::size_t N>
  std::string family(std::string_view what, const std::array<Field, N>& F, int count, bool by_case, int m) const {
    std::string text = std::string(what) + " there (";
    for (int k = 1; k <= count; ++k) {
      const std::string_view code = c_.MODCODE[c_.IMOD[k]];
      text += (k > 1 ? ", " : "") + std::string(by_case ? code : code.substr(0, 4)) + " " + value(F[k].v[m]);
    }
    return text + ")";
  }

  std::string delsd(int m) const {
    return "DELSD = S(AVNDSD, GLOBWT) with the model average AVNDSD = " + value(s_.AVNDSD.v[m]) + " %/degC under " +
           scaling(sd_change_form(c_.ISCALE)) + " and " + weights() + "; " +
           family("the normalised S.D. changes", s_.NDELSD, c_.NCASES, true, m);
  }

  std::string delmean(int m) const {
    return "DELMEAN = S(AVNDMN, GLOBWT) with the model average AVNDMN = " + value(s_.AVNDMN.v[m]) + " under " +
           scaling(mean_change_form(c_.ISCALE, c_.IVAR)) + " and " + weights() + "; " +
           family("the normalised mean-state changes", s_.NDELMN, c_.NCASES, true, m);
  }

  std::string basesd(int m) const { return family("the baseline S.D.s", s_.BSD, c_.NMODIN, false, m); }

  std::string barsnr(int m) const {
    return family("the per-case SNRs (scaled mean-state change over the baseline S.D.)", s_.CASESNR, c_.NCASES, true,
                  m) +
           " with " + weights() + "; " + basesd(m);
  }

  std::string snrbar(int m) const {
    std::string text =
        "SNRBAR = DELMEAN/BASESD with DELMEAN = " + value(s_.DELMEAN.v[m]) + " and BASESD = " + value(s_.BASESD.v[m]);
    if (c_.IVAR == 2) text += " (the percentage taken of the baseline mean AVBMEAN = " + value(s_.AVBMEAN.v[m]) + ")";
    return text + "; " + delmean(m);
  }

  std::string imsnr(int m) const {
    return "IMSNR = AVNDMN/SDNDMN with AVNDMN = " + value(s_.AVNDMN.v[m]) +
           " and the inter-model S.D. SDNDMN = " + value(s_.SDNDMN.v[m]) + "; " +
           family("the normalised mean-state changes", s_.NDELMN, c_.NCASES, true, m);
  }

 private:
  const VsState& s_;
  const eng::EngineConfig& c_;
};

struct ResultField {
  std::string name;
  const Field& F;
  std::vector<std::string_view> tables, dumps;  // besides SDFIELDS.OUT
  std::function<std::string(int m)> drivers;
};

void check_field(const ResultField& r, bool single_files) {
  std::vector<Place> places = {{SDFIELDS_FILE, eng::real_field(TABLE_ROW, 1)}};
  // Without a selected model the single-field files show the missing value.
  if (single_files) {
    for (std::string_view f : r.tables) places.push_back({f, eng::real_field(TABLE_ROW, 1)});
    for (std::string_view f : r.dumps) places.push_back({f, eng::real_field(DUMP_VALUES, 0)});
  }
  for (int m = 0; m < eng::NGRID; ++m) {
    const double v = r.F.v[m];
    for (const Place& p : places) {
      if (eng::prints(v, p.field)) continue;
      throw rec::Error(std::string(p.file) + ": " + r.name + " at " + eng::box_text(m) + " " +
                       eng::misfit_text(v, p.field) + "; it follows from " + r.drivers(m) +
                       "; no result was written, only the run headers and the log " + SDFILES_FILE);
    }
  }
}

}  // namespace

void check_results(const VsState& s) {
  const Drivers d(s);
  const ResultField fields[] = {
      {"the change in S.D. DELSD", s.DELSD, {DELTASD_FILE}, {TDELTASD_FILE}, [&d](int m) { return d.delsd(m); }},
      {"the change in mean state DELMEAN", s.DELMEAN, {GHGDELTA_FILE}, {}, [&d](int m) { return d.delmean(m); }},
      {"the baseline S.D. BASESD", s.BASESD, {BASESD_FILE}, {TBASESD_FILE}, [&d](int m) { return d.basesd(m); }},
      {"the model average of the SNRs BARSNR",
       s.BARSNR,
       {BAROFSNR_FILE},
       {TBAROFSNR_FILE},
       [&d](int m) { return d.barsnr(m); }},
      {"the SNR of the model averages SNRBAR", s.SNRBAR, {SNROFBAR_FILE}, {}, [&d](int m) { return d.snrbar(m); }},
      {"the inter-model SNR IMSNR", s.IMSNR, {INTERSNR_FILE}, {}, [&d](int m) { return d.imsnr(m); }},
  };
  for (const ResultField& r : fields) check_field(r, s.cfg.NOMODS != 1);
}

}  // namespace vs
