#include "engines/crossmod/field_reports.h"

#include "engines/crossmod/field_tables.h"
#include "engines/crossmod/titles.h"

namespace xm {

namespace {

// The model count of MODBASE.OUT and ERROR.OUT: none in an aerosol-only run.
int baseline_models(const eng::EngineConfig& c) { return c.KRUN == 1 ? 0 : c.NMODIN; }

}  // namespace

void write_change_tables(XmOutputs& out, const XmState& s) {
  const eng::EngineConfig& c = s.cfg;
  const int IVAR = c.IVAR;

  rec::Unit& f = out.IMFIELDS;
  f.write("(/,1X,'*** INTER-MODEL STATISTICS BY GRIDPOINT ***')");
  eng::write_area_description(f, c, s.area, s.maskfile);
  title_ghg_and_aerosol(f, IVAR, c.NCASES);
  write_table(f, s.T);
  title_ghg_only(f, IVAR, c.NCASES);
  write_table(f, s.G1);
  title_aerosol_only(f, IVAR);
  write_table(f, s.A);
  title_intermodel_sd(f, IVAR);
  write_table(f, s.ISD);
  title_snr(f);
  write_table(f, s.SNR);
  title_prob(f, c.THRESH, c.NCASES);
  write_prob_table(f, s.PROB);
  title_num_incr(f, c.NCASES, c.THRESH);
  write_count_table(f, s.NINCR);

  title_ghg_only(out.GHGDELTA, IVAR, c.NMSHOW);
  write_table(out.GHGDELTA, s.G1);
  title_intermodel_sd(out.INTERSD, IVAR);
  write_table(out.INTERSD, s.ISD);
  title_snr(out.IMSNR);
  write_table(out.IMSNR, s.SNR);
  title_prob(out.PROBINCR, c.THRESH, c.NMSHOW);
  write_prob_table(out.PROBINCR, s.PROB);
  title_num_incr(out.NUMINCR, c.NMSHOW, c.THRESH);
  write_count_table(out.NUMINCR, s.NINCR);
  title_ghg_and_aerosol(out.GHANDAER, IVAR, c.NMSHOW);
  write_table(out.GHANDAER, s.T);
  title_aerosol_only(out.AEROSOL, IVAR);
  write_table(out.AEROSOL, s.A);
  title_normdel(out.NORMDEL, IVAR, c.NMSHOW);
  write_table(out.NORMDEL, s.XM);

  dump_title_change(out.TDEL2USE, IVAR);
  write_dump(out.TDEL2USE, s.D);
  dump_title_snr(out.TIMSNR);
  write_dump(out.TIMSNR, s.SNR);
  dump_title_prob(out.TPROBINCR, c.THRESH, c.NMSHOW);
  write_dump(out.TPROBINCR, s.PROB);
}

void write_baseline_tables(XmOutputs& out, const XmState& s) {
  const eng::EngineConfig& c = s.cfg;
  const int IVAR = c.IVAR;
  const bool aerosol_only = c.KRUN == 1;

  rec::Unit& f = out.IMFIELDS;
  title_model_baseline(f, IVAR, c.NMODIN);
  write_table(f, s.BM);
  title_observed(f, IVAR);
  write_table(f, s.OBS);
  title_error(f, IVAR, c.NMODIN);
  write_table(f, s.ERRFLD);
  title_new_climate(f, c.ISULF, IVAR, c.NCASES);
  f.write("(1X,'BASELINE = OBSERVED DATA',/)");
  write_table(f, s.NO);
  title_new_climate(f, c.ISULF, IVAR, c.NCASES);
  f.write("(1X,'BASELINE = MODEL-AVERAGE DATA',/)");
  write_table(f, s.NM);

  title_model_baseline(out.MODBASE, IVAR, baseline_models(c));
  write_table(out.MODBASE, s.BM);
  title_observed(out.OBSBASE, IVAR);
  write_table(out.OBSBASE, s.OBS);
  title_error(out.ERROR, IVAR, baseline_models(c));
  write_table(out.ERROR, s.ERRFLD);
  title_new_climate(out.ABSOBS, c.ISULF, IVAR, c.NMSHOW);
  out.ABSOBS.write("(1X,'BASELINE = OBSERVED DATA',/)");
  write_table(out.ABSOBS, s.NO);
  title_new_climate(out.ABSMOD, c.ISULF, IVAR, c.NMSHOW);
  if (aerosol_only) {
    out.ABSMOD.write("(1X,'SINCE NMODS=0, BASELINE = OBSERVED DATA',/)");
    write_table(out.ABSMOD, s.NO);
  } else {
    out.ABSMOD.write("(1X,'BASELINE = MODEL-AVERAGE DATA',/)");
    write_table(out.ABSMOD, s.NM);
  }

  dump_title_model_baseline(out.TMODBASE, IVAR, baseline_models(c));
  write_dump(out.TMODBASE, s.BM);
  dump_title_observed(out.TOBSBASE, IVAR);
  write_dump(out.TOBSBASE, s.OBS);
  dump_title_new_climate(out.TABSOBS, c.ISULF, IVAR, c.NMSHOW);
  out.TABSOBS.write("(1X,'BASELINE = OBSERVED DATA')");
  write_dump(out.TABSOBS, s.NO);
  dump_title_new_climate(out.TABSMOD, c.ISULF, IVAR, c.NMSHOW);
  if (aerosol_only) {
    out.TABSMOD.write("(1X,'SINCE NMODS=0, BASELINE = OBSERVED DATA')");
    write_dump(out.TABSMOD, s.NO);
  } else {
    out.TABSMOD.write("(1X,'BASELINE = MODEL-AVERAGE DATA')");
    write_dump(out.TABSMOD, s.NM);
  }
  if (c.IBOTH != 1) {
    dump_title_error(out.TERROR, IVAR, baseline_models(c));
    write_dump(out.TERROR, s.ERRFLD);
  }
}

void write_drift_tables(XmOutputs& out, const XmState& s) {
  const eng::EngineConfig& c = s.cfg;
  title_drift(out.DRIFT, c.IVAR, c.NMODIN);
  write_table(out.DRIFT, s.DRIFT);
  if (c.IBOTH == 1) {
    dump_title_drift(out.TERROR, c.IVAR, baseline_models(c));
    write_dump(out.TERROR, s.DRIFT);
  }
}

}  // namespace xm
