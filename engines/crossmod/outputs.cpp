#include "engines/crossmod/outputs.h"

#include <filesystem>
#include <system_error>

#include "engines/common/catalogue.h"
#include "engines/common/output_dirs.h"
#include "engines/common/run_headers.h"

namespace xm {

void create_outputs(XmOutputs& out) {
  eng::ensure_directory("IMOUT");
  eng::ensure_directory("TESSERA");
  out.AREAAVES.open(AREAAVES_FILE, rec::Status::Output);
  out.IMFIELDS.open(IMFIELDS_FILE, rec::Status::Output);
  out.IMCORRS.open(IMCORRS_FILE, rec::Status::Output);
  out.IMFILES.open(IMFILES_FILE, rec::Status::Output);
  out.VALIDN.open(VALIDN_FILE, rec::Status::Output);
  out.DRIFT.open(DRIFT_FILE, rec::Status::Output);
  out.GHGDELTA.open(GHGDELTA_FILE, rec::Status::Output);
  out.INTERSD.open(INTERSD_FILE, rec::Status::Output);
  out.IMSNR.open(IMSNR_FILE, rec::Status::Output);
  out.PROBINCR.open(PROBINCR_FILE, rec::Status::Output);
  out.NUMINCR.open(NUMINCR_FILE, rec::Status::Output);
  out.MODBASE.open(MODBASE_FILE, rec::Status::Output);
  out.OBSBASE.open(OBSBASE_FILE, rec::Status::Output);
  out.ABSOBS.open(ABSOBS_FILE, rec::Status::Output);
  out.ABSMOD.open(ABSMOD_FILE, rec::Status::Output);
  out.GHANDAER.open(GHANDAER_FILE, rec::Status::Output);
  out.AEROSOL.open(AEROSOL_FILE, rec::Status::Output);
  out.NORMDEL.open(NORMDEL_FILE, rec::Status::Output);
  out.ERROR.open(ERROR_FILE, rec::Status::Output);
  out.TDEL2USE.open(TDEL2USE_FILE, rec::Status::Output);
  out.TIMSNR.open(TIMSNR_FILE, rec::Status::Output);
  out.TPROBINCR.open(TPROBINCR_FILE, rec::Status::Output);
  out.TMODBASE.open(TMODBASE_FILE, rec::Status::Output);
  out.TOBSBASE.open(TOBSBASE_FILE, rec::Status::Output);
  out.TABSOBS.open(TABSOBS_FILE, rec::Status::Output);
  out.TABSMOD.open(TABSMOD_FILE, rec::Status::Output);
  out.TERROR.open(TERROR_FILE, rec::Status::Output);
  // A crash file left by an earlier run would report this run as failed.
  std::error_code ec;
  std::filesystem::remove("IMOUT/CRASH.OUT", ec);
}

void write_crash_file() {
  rec::Unit crash("IMOUT/CRASH.OUT", rec::Status::Output);
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
