#include "engines/common/config_writer.h"

#include "records/record_io.h"

namespace eng {

void write_extra_cfg(const std::string& path, const EngineConfig& c, std::string_view title) {
  rec::Unit x(path, rec::Status::Output);
  x.write("(1X,A)", {title});
  x.write("(1X,F10.4,2X,A)", {c.THRESH, "THRESH  increase-above threshold"});
  x.write("(1X,A3,9X,A)", {c.OBSSET, "OBSSET  observed baseline set"});
  x.write("(1X,I10,2X,A)", {c.IBOTH, "IBOTH  1 forces both definitions"});
}

void write_shell_cfg(const std::string& path, const EngineConfig& c, std::string_view title) {
  rec::Unit s(path, rec::Status::Output);
  s.write("(1X,A)", {title});
  s.write("(1X,F10.3,2X,A)", {c.XLAT1, "XLAT1  southern latitude limit, degN"});
  s.write("(1X,F10.3,2X,A)", {c.XLAT2, "XLAT2  northern latitude limit, degN"});
  s.write("(1X,F10.3,2X,A)", {c.XLON1, "XLON1  western longitude limit, degE"});
  s.write("(1X,F10.3,2X,A)", {c.XLON2, "XLON2  eastern longitude limit, degE"});
  s.write("(1X,I10,2X,A)", {c.IMASK, "IMASK  0 box, 1 mask file"});
  s.write("(7X,A1,5X,A)", {c.MASKID, "MASKID  mask file MASK.<id>"});
  s.write("(1X,I10,2X,A)", {c.IVAR, "IVAR  1 temperature, 2 precipitation"});
  s.write("(1X,I10,2X,A)", {c.ISEAS, "ISEAS  season 1-17"});
  s.write("(1X,I10,2X,A)", {c.ISCALE, "ISCALE  1 linear, 2 exponential"});
  s.write("(1X,I10,2X,A)", {c.IPSET, "IPSET  1 DEFAULT, 2 USER"});
  s.write("(1X,I10,2X,A)", {c.ISCEN, "ISCEN  1 REFRNCE, 2 POLICY"});
  s.write("(1X,I10,2X,A)", {c.ISULF, "ISULF  1 with sulphate aerosol patterns"});
  s.write("(1X,I10,2X,A)", {c.IYEAR, "IYEAR  year of the warming"});
  s.write("(1X,I10,2X,A)", {c.NMODS, "NMODS  number of models"});
  s.write("(1X,I10,2X,A)", {c.IDEF, "IDEF  definition mode 1, 2 or 3"});
  for (int k = 1; k <= c.NMODS; ++k) s.write("(1X,I10,2X,A)", {c.IMOD[k], "IMOD  catalogue index"});
}

}  // namespace eng
