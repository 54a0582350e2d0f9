#include "frontend/config_writer.h"

#include "frontend/orvtar_items.h"
#include "records/record_io.h"

namespace fe {

void write_orvtar_configs(const RunSettings& rs, const std::string& dir) {
  for (std::string_view file : orvtar_files()) {
    rec::Unit u(dir + "/" + std::string(file), rec::Status::Unknown);
    for (const Item& it : orvtar_items()) {
      if (it.file != file) continue;
      const std::string& value = rs.orvtar.at(std::string(it.name));
      u.write("(A10,1X,A,2X,A)", {value, it.name, it.meaning});
    }
  }
}

void write_engine_configs(const EngineSettings& e, int ISCEN, const std::string& dir) {
  {
    rec::Unit x(dir + "/EXTRA.CFG", rec::Status::Unknown);
    x.write("(1X,A)", {"EXTRA.CFG written by the scenario front end"});
    x.write("(1X,F10.4,2X,A)", {e.THRESH, "THRESH  increase-above threshold"});
    x.write("(1X,A3,9X,A)", {e.OBSSET, "OBSSET  observed baseline set"});
    x.write("(1X,I10,2X,A)", {0, "IBOTH  1 would force both definitions"});
  }
  rec::Unit s(dir + "/SHELL.CFG", rec::Status::Unknown);
  int NMODS = static_cast<int>(e.IMOD.size());
  std::string maskid(1, e.MASKID);
  s.write("(1X,A)", {"SHELL.CFG written by the scenario front end"});
  s.write("(1X,F10.3,2X,A)", {e.XLAT1, "XLAT1  southern latitude limit, degN"});
  s.write("(1X,F10.3,2X,A)", {e.XLAT2, "XLAT2  northern latitude limit, degN"});
  s.write("(1X,F10.3,2X,A)", {e.XLON1, "XLON1  western longitude limit, degE"});
  s.write("(1X,F10.3,2X,A)", {e.XLON2, "XLON2  eastern longitude limit, degE"});
  s.write("(1X,I10,2X,A)", {e.IMASK, "IMASK  0 box, 1 mask file"});
  s.write("(7X,A1,5X,A)", {maskid, "MASKID  mask file MASK.<id>"});
  s.write("(1X,I10,2X,A)", {e.IVAR, "IVAR  1 temperature, 2 precipitation"});
  s.write("(1X,I10,2X,A)", {e.ISEAS, "ISEAS  season 1-17"});
  s.write("(1X,I10,2X,A)", {e.ISCALE, "ISCALE  1 linear, 2 exponential"});
  s.write("(1X,I10,2X,A)", {e.IPSET, "IPSET  1 DEFAULT, 2 USER"});
  s.write("(1X,I10,2X,A)", {ISCEN, "ISCEN  1 REFRNCE, 2 POLICY"});
  s.write("(1X,I10,2X,A)", {e.ISULF, "ISULF  1 with sulphate aerosol patterns"});
  s.write("(1X,I10,2X,A)", {e.IYEAR, "IYEAR  year of the warming"});
  s.write("(1X,I10,2X,A)", {NMODS, "NMODS  number of models"});
  s.write("(1X,I10,2X,A)", {e.IDEF, "IDEF  definition mode 1, 2 or 3"});
  for (int m : e.IMOD) s.write("(1X,I10,2X,A)", {m, "IMOD  catalogue index"});
}

}  // namespace fe
