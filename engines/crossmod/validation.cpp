#include "engines/crossmod/validation.h"

#include <string>

#include "engines/common/catalogue.h"

namespace xm {

void validate(XmState& s) {
  for (int IWT = 0; IWT <= 1; ++IWT) {
    for (int k = 1; k <= s.cfg.NMODIN; ++k) s.VALID[IWT][k] = eng::Compare(IWT, s.OBS, s.B[k], s.area.MASK);
    s.VALID[IWT][s.cfg.NMODIN + 1] = eng::Compare(IWT, s.OBS, s.BM, s.area.MASK);
  }
}

void write_validation(rec::Unit& out, const XmState& s) {
  const eng::EngineConfig& c = s.cfg;
  out.write("(/,1X,'MODEL VALIDATION: COMPARING MODEL BASELINE',' WITH OBSERVED DATA')");
  for (int IWT = 0; IWT <= 1; ++IWT) {
    eng::write_area_description(out, c, s.area, s.maskfile);
    if (IWT == 0)
      out.write("(/,1X,'UNWEIGHTED STATISTICS')");
    else
      out.write("(/,1X,'COSINE WEIGHTED STATISTICS')");
    out.write("(1X,' MODEL   CORREL     RMSE  MEAN DIFF NUM PTS')");
    if (c.IVAR == 1)
      out.write("(1X,'                    degC       degC')");
    else
      out.write("(1X,'                  mm/day     mm/day')");
    // MEANDIFF is observed minus model.
    for (int k = 1; k <= c.NMODIN; ++k) {
      const eng::Comparison& r = s.VALID[IWT][k];
      const std::string label(eng::MODLAB[c.IMOD[k]].substr(0, 6));
      out.write(VALIDATION_MODEL_LINE, {label, r.R, r.RMSE, r.MEANDIFF, r.N});
    }
    const eng::Comparison& r = s.VALID[IWT][c.NMODIN + 1];
    out.write(VALIDATION_MEAN_LINE, {r.R, r.RMSE, r.MEANDIFF, r.N});
  }
}

}  // namespace xm
