#include "engines/common/definition_pairs.h"

#include <string>

namespace eng {

void write_definition_pairs(rec::Unit& out, const EngineConfig& c, int IWT,
                            const CorrTable<double>& CORR) {
  if (IWT == 0)
    out.write("(/,/,1X,'*** DEF.1/DEF.2 PATTERN CORRELATIONS : NO COSINE',' WEIGHTING ***')");
  else
    out.write("(/,/,1X,'*** DEF.1/DEF.2 PATTERN CORRELATIONS : COSINE',' WEIGHTED ***')");
  out.write("(1X,'MODEL  CORREL')");
  for (int k = 1; k <= c.NMODIN; ++k) {
    const std::string code(c.MODCODE[c.IMOD[k]].substr(0, 4));
    out.write("(2X,A4,F8.3)", {code, CORR[k][c.NMODIN + k]});
  }
}

}  // namespace eng
