#include "engines/crossmod/outputs.h"

#include "engines/common/catalogue.h"
#include "engines/common/output_dirs.h"
#include "engines/common/run_headers.h"
#include "records/earlier_outputs.h"

namespace xm {

std::vector<std::string> output_file_names() {
  std::vector<std::string> names;
  for (const XmOutputFile& f : XM_OUTPUT_FILES) names.emplace_back(f.name);
  names.emplace_back(CRASH_FILE);
  return names;
}

void create_outputs(XmOutputs& out) {
  rec::remove_earlier_outputs(output_file_names());
  eng::ensure_directory("IMOUT");
  eng::ensure_directory("TESSERA");
  for (const XmOutputFile& f : XM_OUTPUT_FILES) (out.*f.unit).open(f.name, rec::Status::Output);
}

void write_crash_file() {
  rec::Unit crash(CRASH_FILE, rec::Status::Output);
  crash.write("(/,1X,'FATAL ERROR: BOTH NMODS AND ISULF SET TO ZERO')");
  crash.close();
}

void write_variable_header(rec::Unit& out, const eng::EngineConfig& c) {
  out.write("(/,1X,'***',I3,' MODELS : VARIABLE = ',A6,' : SEASON = ',A3,' ***')",
            {c.NMSHOW, eng::VARNAME[c.IVAR], eng::SEASNAME[c.ISEAS]});
}

namespace {

// H-dtg (docs/design/pattern-scaling.md) with the given warming (DTGHG, or
// GHGWT where the file reports the scaled GHG change of the area averages).
void write_dt_ghg_header(rec::Unit& out, double DT) {
  out.write("(1X,'*** GLOBAL-MEAN Delta-T USED FOR GHG SCALING =',F7.3,' degC')", {DT});
}

// H-dtt (docs/design/pattern-scaling.md).
void write_dt_total_header(rec::Unit& out, double GLOBWT) {
  out.write("(1X,'*** TOTAL GLOBAL-MEAN Delta-T =',F7.3,' degC')", {GLOBWT});
}

// H-lin/H-exp, H-def, H-run, H-dtg (DTGHG), H-mod: the files of scaled changes
// (labels of docs/design/pattern-scaling.md).
void write_scaled_header(rec::Unit& out, const XmState& s) {
  eng::write_scaling_header(out, s.cfg);
  eng::write_definition_header(out, s.cfg);
  eng::write_run_header(out, s.cfg);
  write_dt_ghg_header(out, s.DTGHG);
  eng::write_models_header(out, s.cfg);
}

void write_aerosol_header(rec::Unit& out, const eng::EngineConfig& c) {
  if (c.ISULF == 0) {
    out.write("(/,1X,'*** NO AEROSOL PATTERN OUTPUT. ISULF SET TO 0 ***')");
    return;
  }
  if (c.ISCALE == 1)
    out.write("(/,1X,'*** AEROSOL MODEL ONLY : VARIABLE = ',A6,' LINEAR SCALING : SEASON = ',A3,' ***')",
              {eng::VARNAME[c.IVAR], eng::SEASNAME[c.ISEAS]});
  else
    out.write("(/,1X,'*** AEROSOL MODEL ONLY : VARIABLE = ',A6,' -- EXPONENTIAL SCALING : SEASON = ',A3,' ***')",
              {eng::VARNAME[c.IVAR], eng::SEASNAME[c.ISEAS]});
  eng::write_run_header(out, c);
}

}  // namespace

void write_run_headers(XmOutputs& out, const XmState& s) {
  const eng::EngineConfig& c = s.cfg;

  eng::write_scaling_header(out.AREAAVES, c);
  eng::write_definition_header(out.AREAAVES, c);
  eng::write_run_header(out.AREAAVES, c);
  write_dt_ghg_header(out.AREAAVES, s.weights.GHGWT);
  write_dt_total_header(out.AREAAVES, s.weights.GLOBWT);

  write_scaled_header(out.IMFIELDS, s);

  eng::write_scaling_header(out.IMCORRS, c);
  eng::write_definition_header(out.IMCORRS, c);
  eng::write_models_header(out.IMCORRS, c);

  write_variable_header(out.VALIDN, c);

  write_variable_header(out.DRIFT, c);
  eng::write_definition_header(out.DRIFT, c);
  eng::write_models_header(out.DRIFT, c);

  write_scaled_header(out.GHGDELTA, s);

  write_variable_header(out.INTERSD, c);
  eng::write_models_header(out.INTERSD, c);

  write_variable_header(out.IMSNR, c);
  eng::write_definition_header(out.IMSNR, c);
  eng::write_models_header(out.IMSNR, c);

  write_variable_header(out.PROBINCR, c);
  eng::write_models_header(out.PROBINCR, c);

  eng::write_scaling_header(out.NUMINCR, c);
  eng::write_models_header(out.NUMINCR, c);

  write_variable_header(out.MODBASE, c);
  eng::write_models_header(out.MODBASE, c);

  out.OBSBASE.write("(/,1X,'*** VARIABLE = ',A6,' : SEASON = ',A3,' ***')",
                    {eng::VARNAME[c.IVAR], eng::SEASNAME[c.ISEAS]});

  write_scaled_header(out.ABSOBS, s);
  write_scaled_header(out.ABSMOD, s);

  eng::write_scaling_header(out.GHANDAER, c);
  eng::write_definition_header(out.GHANDAER, c);
  eng::write_run_header(out.GHANDAER, c);
  write_dt_ghg_header(out.GHANDAER, s.weights.GHGWT);
  write_dt_total_header(out.GHANDAER, s.weights.GLOBWT);
  eng::write_models_header(out.GHANDAER, c);

  write_aerosol_header(out.AEROSOL, c);

  eng::write_scaling_header(out.NORMDEL, c);
  eng::write_models_header(out.NORMDEL, c);

  write_variable_header(out.ERROR, c);
  eng::write_models_header(out.ERROR, c);
}

}  // namespace xm
