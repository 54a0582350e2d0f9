#include "engines/crossmod/titles.h"

namespace xm {

void title_ghg_and_aerosol(rec::Unit& out, int IVAR, int ncases) {
  if (IVAR == 1)
    out.write("(/,1X,'*** SCALED CHANGE (GHG&AEROSOL) : GHG IS',' AVERAGE OVER',I3,' CASES (degC) ***',/)", {ncases});
  else
    out.write("(/,1X,'*** SCALED CHANGE (GHG+AEROSOL) : GHG IS',' AVERAGE OVER',I3,' CASES (%) ***',/)", {ncases});
}

void title_ghg_only(rec::Unit& out, int IVAR, int ncases) {
  if (IVAR == 1)
    out.write("(/,1X,'*** SCALED CHANGE (GHG ONLY) : AVERAGE OVER',I3,' CASES (degC) ***',/)", {ncases});
  else
    out.write("(/,1X,'*** SCALED CHANGE (GHG ONLY) : AVERAGE OVER',I3,' CASES (%) ***',/)", {ncases});
}

void title_aerosol_only(rec::Unit& out, int IVAR) {
  if (IVAR == 1)
    out.write("(/,1X,'*** SCALED CHANGE FIELD (AEROSOL ONLY)',' : (degC) ***',/)");
  else
    out.write("(/,1X,'*** SCALED CHANGE FIELD (AEROSOL ONLY)',' : (%) ***',/)");
}

void title_intermodel_sd(rec::Unit& out, int IVAR) {
  if (IVAR == 1)
    out.write("(/,1X,'*** INTER-MODEL STANDARD DEVIATIONS FOR NORMALIZED',' GHG DATA (degC) ***',/)");
  else
    out.write("(/,1X,'*** INTER-MODEL STANDARD DEVIATIONS FOR NORMALIZED',' GHG DATA (%) ***',/)");
}

void title_snr(rec::Unit& out) {
  out.write("(/,1X,'*** INTER-MODEL SIGNAL-TO-NOISE RATIO',' (MEAN NORMALIZED CHANGE/INTER-MODEL S.D.) ***',/)");
}

void title_prob(rec::Unit& out, double THRESH, int ncases) {
  out.write("(/,1X,'*** PROB OF AN INCREASE ABOVE',F5.1,' BASED ON',I3,' GHG CASES ***',/)", {THRESH, ncases});
}

void title_num_incr(rec::Unit& out, int ncases, double THRESH) {
  out.write("(/,1X,'*** NO. OF CASES OUT OF',I3,' GHG CASES WITH AN',' INCREASE ABOVE',F5.1,' ***',/)", {ncases, THRESH});
}

void title_model_baseline(rec::Unit& out, int IVAR, int nmodels) {
  if (IVAR == 1)
    out.write("(/,1X,'*** MODEL-MEAN BASELINE CLIMATE : AVERAGE OVER',I3,' MODELS (degC) ***',/)", {nmodels});
  else
    out.write("(/,1X,'*** MODEL-MEAN BASELINE CLIMATE : AVERAGE OVER',I3,' MODELS (mm/day) ***',/)", {nmodels});
}

void title_observed(rec::Unit& out, int IVAR) {
  if (IVAR == 1)
    out.write("(/,1X,'*** OBSERVED BASELINE CLIMATE (degC) ***',/)");
  else
    out.write("(/,1X,'*** OBSERVED BASELINE CLIMATE (mm/day) ***',/)");
}

void title_error(rec::Unit& out, int IVAR, int nmodels) {
  if (IVAR == 1)
    out.write("(/,1X,'*** ERROR FIELD : MODEL-MEAN BASELINE MINUS',' OBSERVED (degC) :',I3,' MODELS ***',/)", {nmodels});
  else
    out.write("(/,1X,'*** ERROR FIELD : 100*((MODEL-MEAN BASELINE/','OBSERVED)-1.0) (%) :',I3,' MODELS ***',/)", {nmodels});
}

void title_normdel(rec::Unit& out, int IVAR, int ncases) {
  if (IVAR == 1)
    out.write("(/,1X,'*** MODEL-MEAN OF NORMALIZED GHG CHANGE FIELDS :',' AVERAGE OVER',I3,' CASES (degC) ***',/)", {ncases});
  else
    out.write("(/,1X,'*** MODEL-MEAN OF NORMALIZED GHG CHANGE FIELDS :',' AVERAGE OVER',I3,' CASES (%) ***',/)", {ncases});
}

void title_drift(rec::Unit& out, int IVAR, int nmodels) {
  if (IVAR == 1)
    out.write("(/,1X,'*** MODEL-MEAN NORMALIZED DRIFT : AVERAGE OVER',I3,' MODELS (degC/degC-GLOBAL-WARMING) ***',/)", {nmodels});
  else
    out.write("(/,1X,'*** MODEL-MEAN NORMALIZED DRIFT : AVERAGE OVER',I3,' MODELS (%/degC-GLOBAL-WARMING) ***',/)", {nmodels});
}

void title_new_climate(rec::Unit& out, int ISULF, int IVAR, int ncases) {
  if (ISULF == 0) {
    if (IVAR == 1)
      out.write("(/,1X,'*** NEW MEAN CLIMATE (GHG ONLY) : CHANGE',' AVERAGED OVER',I3,' CASES (degC) ***')", {ncases});
    else
      out.write("(/,1X,'*** NEW MEAN CLIMATE (GHG ONLY) : CHANGE',' AVERAGED OVER',I3,' CASES (mm/day) ***')", {ncases});
  } else {
    if (IVAR == 1)
      out.write("(/,1X,'*** NEW MEAN CLIMATE (WITH AEROSOLS) : CHANGE',' AVERAGED OVER',I3,' CASES (degC) ***')", {ncases});
    else
      out.write("(/,1X,'*** NEW MEAN CLIMATE (WITH AEROSOLS) : CHANGE',' AVERAGED OVER',I3,' CASES (mm/day) ***')", {ncases});
  }
}

void dump_title_change(rec::Unit& out, int IVAR) {
  if (IVAR == 1)
    out.write("(/,1X,'*** CLIMATE CHANGE (degC), ACCOUNTING FOR',' AEROSOLS IF THIS OPTION IS SELECTED ***')");
  else
    out.write("(/,1X,'*** CLIMATE CHANGE (%), ACCOUNTING FOR',' AEROSOLS IF THIS OPTION IS SELECTED ***')");
}

void dump_title_snr(rec::Unit& out) {
  out.write("(/,1X,'*** INTER-MODEL SIGNAL-TO-NOISE RATIO',' (MEAN NORMALIZED CHANGE/INTER-MODEL S.D.) ***')");
}

void dump_title_prob(rec::Unit& out, double THRESH, int ncases) {
  out.write("(/,1X,'*** PROB OF AN INCREASE ABOVE',F5.1,' BASED ON',I3,' GHG CASES ***')", {THRESH, ncases});
}

void dump_title_model_baseline(rec::Unit& out, int IVAR, int nmodels) {
  if (IVAR == 1)
    out.write("(/,1X,'*** MODEL-MEAN BASELINE CLIMATE : AVERAGE OVER',I3,' MODELS (degC) ***')", {nmodels});
  else
    out.write("(/,1X,'*** MODEL-MEAN BASELINE CLIMATE : AVERAGE OVER',I3,' MODELS (mm/day) ***')", {nmodels});
}

void dump_title_observed(rec::Unit& out, int IVAR) {
  if (IVAR == 1)
    out.write("(/,1X,'*** OBSERVED BASELINE CLIMATE (degC) ***')");
  else
    out.write("(/,1X,'*** OBSERVED BASELINE CLIMATE (mm/day) ***')");
}

void dump_title_new_climate(rec::Unit& out, int ISULF, int IVAR, int ncases) {
  if (ISULF == 0) {
    if (IVAR == 1)
      out.write("(1X,'*** NEW MEAN CLIMATE (GHG ONLY) : CHANGE',' AVERAGED OVER',I3,' CASES (degC) ***')", {ncases});
    else
      out.write("(1X,'*** NEW MEAN CLIMATE (GHG ONLY) : CHANGE',' AVERAGED OVER',I3,' CASES (mm/day) ***')", {ncases});
  } else {
    if (IVAR == 1)
      out.write("(1X,'*** NEW MEAN CLIMATE (WITH AEROSOLS) : CHANGE',' AVERAGED OVER',I3,' CASES (degC) ***')", {ncases});
    else
      out.write("(1X,'*** NEW MEAN CLIMATE (WITH AEROSOLS) : CHANGE',' AVERAGED OVER',I3,' CASES (mm/day) ***')", {ncases});
  }
}

void dump_title_error(rec::Unit& out, int IVAR, int nmodels) {
  if (IVAR == 1)
    out.write("(/,1X,'*** ERROR FIELD : MODEL-MEAN BASELINE MINUS',' OBSERVED (degC) :',I3,' MODELS ***')", {nmodels});
  else
    out.write("(/,1X,'*** ERROR FIELD : 100*((MODEL-MEAN BASELINE/','OBSERVED)-1.0) (%) :',I3,' MODELS ***')", {nmodels});
}

void dump_title_drift(rec::Unit& out, int IVAR, int nmodels) {
  if (IVAR == 1)
    out.write("(/,1X,'*** MODEL-MEAN NORMALIZED DRIFT FIELD',' (degC/degC-GLOBAL-WARMING) :',I3,' MODELS ***')", {nmodels});
  else
    out.write("(/,1X,'*** MODEL-MEAN NORMALIZED DRIFT FIELD',' (%/degC-GLOBAL-WARMING) :',I3,' MODELS ***')", {nmodels});
}

}  // namespace xm
