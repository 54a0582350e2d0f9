// IMOUT/AREAAVES.OUT after its run header: the area averages of the
// normalised changes, of the baselines and of the model-mean fields, and
// the scaled area averages of the cases; and its reader, for the results
// front end (results/).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engines/crossmod/state.h"
#include "records/record_io.h"

namespace xm {

// The record formats of the lines with numbers, in the file's order, in
// the temperature or the precipitation wording (IVAR); the first line of
// each list has a leading empty record ("/"). The result check reads its
// fields from them.
struct AreaFormats {
  std::string_view case_first, case_next, overall_mean, intermodel_sd;
  std::string_view baseline_first, baseline_next;
  std::string_view avisd, avg2, aerave, avt;
  std::string_view scaled_first, scaled_next;
};
const AreaFormats& area_formats(int IVAR);
inline constexpr std::string_view AVSNR_LINE =
    "(1X,'INTER-MOD SNR    : AREA AVERAGE =',F8.3,6X,'(FOR NORMALIZED GHG DATA)')";
inline constexpr std::string_view AVPROB_LINE =
    "(1X,'PROB OF INCREASE : AREA AVERAGE =',F8.3,6X,'(FOR NORMALIZED GHG DATA)')";

// Area description, then one line per case and the mean slot "MODBAR"
// (area mean and spatial S.D. of X(n)), the overall mean and the
// inter-model S.D. of the case means.
void write_case_averages(rec::Unit& out, const XmState& s);

// One line per model baseline (by model code) and the model-mean "MBAR".
void write_baseline_averages(rec::Unit& out, const XmState& s);

// The six model-mean area averages, then the scaled area average of every
// case with the aerosols included.
void write_model_mean_averages(rec::Unit& out, const XmState& s);

// What the file says, in its order. Units are those of the run's variable:
// normalised changes per degC of global warming, baselines in degC or
// mm/day, scaled changes in degC or %.
struct AreaAverages {
  struct Line {
    std::string code;  // case code ("GC01D1", "MODBAR") or model code ("GC01", "MBAR")
    double mean = MISSING;
    double sd = MISSING;  // spatial S.D.; MISSING on the scaled lines
  };
  std::vector<Line> normalised;  // the cases, then MODBAR
  double overall_mean = MISSING, intermodel_sd = MISSING;
  std::vector<Line> baseline;    // the models, then MBAR
  double AVISD = MISSING, AVSNR = MISSING, AVPROB = MISSING;  // model-mean summaries
  double AVG2 = MISSING, AERAVE = MISSING, AVT = MISSING;     // GHG only, aerosol only, both
  std::vector<Line> scaled;      // the cases, then MODBAR
};

// Reads the file written for the run configured in `c` (its case and model
// counts and its variable). A value of asterisks reads as NaN.
AreaAverages read_area_averages(const std::string& path, const eng::EngineConfig& c);

}  // namespace xm
