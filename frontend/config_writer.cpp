#include "frontend/config_writer.h"

#include "engines/common/config_writer.h"
#include "orvtar/control/config_items.h"
#include "records/record_io.h"

namespace fe {

void write_orvtar_configs(const RunSettings& rs, const Scenario& s, const std::string& dir) {
  for (orv::ConfigFile file : orv::CONFIG_FILES) {
    rec::Unit u(dir + "/" + std::string(orv::file_name(file)), rec::Status::Unknown);
    for (const orv::ConfigItem& it : orv::config_items()) {
      if (it.file != file) continue;
      const std::string& value = it.name == "ES1990" ? s.es1990 : rs.orvtar.at(std::string(it.name));
      u.write("(A10,1X,A,2X,A)", {value, it.name, it.meaning});
    }
  }
}

void write_engine_configs(const EngineSettings& e, int ISCEN, const std::string& dir) {
  eng::EngineConfig c;
  c.THRESH = e.THRESH;
  c.OBSSET = e.OBSSET;
  c.XLAT1 = e.XLAT1;
  c.XLAT2 = e.XLAT2;
  c.XLON1 = e.XLON1;
  c.XLON2 = e.XLON2;
  c.IMASK = e.IMASK;
  c.MASKID = std::string(1, e.MASKID);
  c.IVAR = e.IVAR;
  c.ISEAS = e.ISEAS;
  c.ISCALE = e.ISCALE;
  c.IPSET = e.IPSET;
  c.ISCEN = ISCEN;
  c.ISULF = e.ISULF;
  c.IYEAR = e.IYEAR;
  c.NMODS = static_cast<int>(e.IMOD.size());
  c.IDEF = e.IDEF;
  for (int k = 1; k <= c.NMODS; ++k) c.IMOD[k] = e.IMOD[k - 1];
  eng::write_extra_cfg(dir + "/EXTRA.CFG", c, "EXTRA.CFG written by the scenario front end");
  eng::write_shell_cfg(dir + "/SHELL.CFG", c, "SHELL.CFG written by the scenario front end");
}

}  // namespace fe
