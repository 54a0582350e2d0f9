#include "engines/crossmod/validation.h"

#include <string>

#include "engines/common/catalogue.h"

namespace xm {

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
      const eng::Comparison r = eng::Compare(IWT, s.OBS, s.B[k], s.area.MASK);
      const std::string label(eng::MODLAB[c.IMOD[k]].substr(0, 6));
      out.write("(1X,A6,2F9.3,F11.3,I8)", {label, r.R, r.RMSE, r.MEANDIFF, r.N});
    }
    const eng::Comparison r = eng::Compare(IWT, s.OBS, s.BM, s.area.MASK);
    out.write("(1X,'MODBAR',2F9.3,F11.3,I8)", {r.R, r.RMSE, r.MEANDIFF, r.N});
  }
}

}  // namespace xm
