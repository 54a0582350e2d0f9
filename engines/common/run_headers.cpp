#include "engines/common/run_headers.h"

#include <string>
#include <vector>

#include "engines/common/catalogue.h"

namespace eng {

void write_scaling_header(rec::Unit& out, const EngineConfig& c) {
  if (c.ISCALE == 1)
    out.write("(/,1X,'***',I3,' MODELS : VARIABLE = ',A6,' -- LINEAR',' SCALING : SEASON = ',A3,' ***')",
              {c.NMSHOW, VARNAME[c.IVAR], SEASNAME[c.ISEAS]});
  else if (c.ISCALE == 2)
    out.write("(/,1X,'***',I3,' MODELS : VARIABLE = ',A6,' -- ','EXPONENTIAL SCALING : SEASON = ',A3,' ***')",
              {c.NMSHOW, VARNAME[c.IVAR], SEASNAME[c.ISEAS]});
}

void write_definition_header(rec::Unit& out, const EngineConfig& c) {
  out.write("(/,1X,A33,' :',I3,' CASES')", {DEFTEXT[c.IDEF], c.NCASES});
}

void write_run_header(rec::Unit& out, const EngineConfig& c) {
  out.write("(1X,'*** ORVANE MODEL = ',A7,' : SCENARIO = ',A7,' : YEAR = ',I4,' ***')",
            {PSETNAME[c.IPSET], SCENNAME[c.ISCEN], c.IYEAR});
}

void write_models_header(rec::Unit& out, const EngineConfig& c) {
  std::vector<std::string> labels;
  for (int k = 1; k <= c.NMODIN; ++k) labels.emplace_back(MODLAB[c.IMOD[k]]);
  out.write("(/,1X,' MODELS  :',(6(1X,A8,' :')))", {labels});
}

}  // namespace eng
