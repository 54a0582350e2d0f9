#include "engines/crossmod/areaaves_report.h"

#include <string>
#include <string_view>

#include "engines/crossmod/area_stats.h"

namespace xm {

namespace {

// Label of case n: its case code, "MODBAR" for the mean slot.
std::string_view case_code(const eng::EngineConfig& c, int n) {
  return n <= c.NCASES ? c.MODCODE[c.IMOD[n]] : c.MODCODE[35];
}

// Label of baseline k: the model code (first four characters of its case
// code), "MBAR" for the model mean.
std::string model_code(const eng::EngineConfig& c, int k) {
  return std::string(k <= c.NMODIN ? c.MODCODE[c.IMOD[k]].substr(0, 4) : c.MODCODE[36].substr(0, 4));
}

}  // namespace

void write_case_averages(rec::Unit& out, const XmState& s) {
  const eng::EngineConfig& c = s.cfg;
  eng::write_area_description(out, c, s.area, s.maskfile);
  out.write("(/,/,1X,'*** AREA AVERAGE RESULTS FOR NORMALIZED ','GHG CHANGES ***')");
  for (int n = 1; n <= c.NCASES + 1; ++n) {
    const rec::Out items[] = {case_code(c, n), s.XAVE[n].mean, s.XAVE[n].sd};
    if (c.IVAR == 1) {
      if (n == 1)
        out.write("(/,1X,'MODEL =',1X,A6,' : AREA AVE =',F8.3,' : SPATIAL S.D. =',F8.3,'  (degC/degC)')", items);
      else
        out.write("(1X,'MODEL =',1X,A6,' : AREA AVE =',F8.3,' : SPATIAL S.D. =',F8.3,'  (degC/degC)')", items);
    } else {
      if (n == 1)
        out.write("(/,1X,'MODEL =',1X,A6,' : AREA AVE =',F8.3,' : SPATIAL S.D. =',F8.3,'  (%/degC)')", items);
      else
        out.write("(1X,'MODEL =',1X,A6,' : AREA AVE =',F8.3,' : SPATIAL S.D. =',F8.3,'  (%/degC)')", items);
    }
  }
  if (c.IVAR == 1) {
    out.write("(/,7X,' OVERALL MEAN =',F8.3,' degC/degC')", {s.OVMEAN});
    out.write("(4X,'INTER-MODEL S.D. =',F8.3,' degC/degC (FOR NORMALIZED GHG DATA)')", {s.IMSD});
  } else {
    out.write("(/,7X,' OVERALL MEAN =',F8.3,' %/degC')", {s.OVMEAN});
    out.write("(4X,'INTER-MODEL S.D. =',F8.3,' %/degC (FOR NORMALIZED GHG DATA)')", {s.IMSD});
  }
  out.write("(4X,'HERE, INTER-MODEL S.D. IS THE S.D. OF THE AREA',' AVERAGES')");
}

void write_baseline_averages(rec::Unit& out, const XmState& s) {
  const eng::EngineConfig& c = s.cfg;
  out.write("(/,/,1X,'*** AREA AVERAGE RESULTS FOR BASELINE CLIMATE ***')");
  for (int k = 1; k <= c.NMODIN + 1; ++k) {
    const std::string code = model_code(c, k);
    const rec::Out items[] = {code, s.BAVE[k].mean, s.BAVE[k].sd};
    if (c.IVAR == 1) {
      if (k == 1)
        out.write("(/,1X,'MODEL =',1X,A4,'   : AREA AVE =',F8.3,' : SPATIAL S.D. =',F8.3,'  (degC)')", items);
      else
        out.write("(1X,'MODEL =',1X,A4,'   : AREA AVE =',F8.3,' : SPATIAL S.D. =',F8.3,'  (degC)')", items);
    } else {
      if (k == 1)
        out.write("(/,1X,'MODEL =',1X,A4,'   : AREA AVE =',F8.3,' : SPATIAL S.D. =',F8.3,'  (mm/day)')", items);
      else
        out.write("(1X,'MODEL =',1X,A4,'   : AREA AVE =',F8.3,' : SPATIAL S.D. =',F8.3,'  (mm/day)')", items);
    }
  }
}

void write_model_mean_averages(rec::Unit& out, const XmState& s) {
  const eng::EngineConfig& c = s.cfg;
  out.write("(/,/,1X,'*** AREA AVERAGE RESULTS FOR MODEL-MEANS ***')");
  out.write("(1X,'HERE, INTER-MOD S.D. IS THE AREA AVE OF THE',' INDIVIDUAL GRIDPOINT VALUES')");
  out.write("(1X,'(AEROSOLS SHOULD ALWAYS BE INCLUDED IN FURTHER',' ANALYSES)')");
  if (c.IVAR == 1)
    out.write("(/,1X,'INTER-MOD S.D.   : AREA AVERAGE =',F8.3,' degC (FOR NORMALIZED GHG DATA)')", {s.AVISD});
  else
    out.write("(/,1X,'INTER-MOD S.D.   : AREA AVERAGE =',F8.3,' %    (FOR NORMALIZED GHG DATA)')", {s.AVISD});
  out.write("(1X,'INTER-MOD SNR    : AREA AVERAGE =',F8.3,6X,'(FOR NORMALIZED GHG DATA)')", {s.AVSNR});
  out.write("(1X,'PROB OF INCREASE : AREA AVERAGE =',F8.3,6X,'(FOR NORMALIZED GHG DATA)')", {s.AVPROB});
  if (c.IVAR == 1) {
    out.write("(1X,'GHG ONLY         : AREA AVERAGE =',F8.3,' degC ','(FOR SCALED DATA)')", {s.AVG2});
    out.write("(1X,'AEROSOL ONLY     : AREA AVERAGE =',F8.3,' degC ','(FOR SCALED DATA)')", {s.AERAVE});
    out.write("(1X,'GHG AND AEROSOL  : AREA AVERAGE =',F8.3,' degC ','(FOR SCALED DATA)')", {s.AVT});
  } else {
    out.write("(1X,'GHG ONLY         : AREA AVERAGE =',F8.3,' %    ','(FOR SCALED DATA)')", {s.AVG2});
    out.write("(1X,'AEROSOL ONLY     : AREA AVERAGE =',F8.3,' %    ','(FOR SCALED DATA)')", {s.AERAVE});
    out.write("(1X,'GHG AND AEROSOL  : AREA AVERAGE =',F8.3,' %    ','(FOR SCALED DATA)')", {s.AVT});
  }

  out.write("(/,/,1X,'*** SCALED AREA AVERAGE RESULTS FOR INDIVIDUAL',' MODELS ***')");
  out.write("(1X,'(AEROSOLS INCLUDED)')");
  for (int n = 1; n <= c.NCASES + 1; ++n) {
    const rec::Out items[] = {case_code(c, n), scaled_case_average(s, n)};
    if (c.IVAR == 1) {
      if (n == 1)
        out.write("(/,1X,'MODEL =',1X,A6,' : AREA AVE =',F8.3,'  (degC)')", items);
      else
        out.write("(1X,'MODEL =',1X,A6,' : AREA AVE =',F8.3,'  (degC)')", items);
    } else {
      if (n == 1)
        out.write("(/,1X,'MODEL =',1X,A6,' : AREA AVE =',F8.3,'  (%)')", items);
      else
        out.write("(1X,'MODEL =',1X,A6,' : AREA AVE =',F8.3,'  (%)')", items);
    }
  }
}

}  // namespace xm
