#include "engines/crossmod/areaaves_report.h"

#include <string_view>

#include "engines/crossmod/area_stats.h"

namespace xm {

namespace {

constexpr AreaFormats TEMPERATURE{
    "(/,1X,'MODEL =',1X,A6,' : AREA AVE =',F8.3,' : SPATIAL S.D. =',F8.3,'  (degC/degC)')",
    "(1X,'MODEL =',1X,A6,' : AREA AVE =',F8.3,' : SPATIAL S.D. =',F8.3,'  (degC/degC)')",
    "(/,7X,' OVERALL MEAN =',F8.3,' degC/degC')",
    "(4X,'INTER-MODEL S.D. =',F8.3,' degC/degC (FOR NORMALIZED GHG DATA)')",
    "(/,1X,'MODEL =',1X,A4,'   : AREA AVE =',F8.3,' : SPATIAL S.D. =',F8.3,'  (degC)')",
    "(1X,'MODEL =',1X,A4,'   : AREA AVE =',F8.3,' : SPATIAL S.D. =',F8.3,'  (degC)')",
    "(/,1X,'INTER-MOD S.D.   : AREA AVERAGE =',F8.3,' degC (FOR NORMALIZED GHG DATA)')",
    "(1X,'GHG ONLY         : AREA AVERAGE =',F8.3,' degC ','(FOR SCALED DATA)')",
    "(1X,'AEROSOL ONLY     : AREA AVERAGE =',F8.3,' degC ','(FOR SCALED DATA)')",
    "(1X,'GHG AND AEROSOL  : AREA AVERAGE =',F8.3,' degC ','(FOR SCALED DATA)')",
    "(/,1X,'MODEL =',1X,A6,' : AREA AVE =',F8.3,'  (degC)')",
    "(1X,'MODEL =',1X,A6,' : AREA AVE =',F8.3,'  (degC)')",
};

constexpr AreaFormats PRECIPITATION{
    "(/,1X,'MODEL =',1X,A6,' : AREA AVE =',F8.3,' : SPATIAL S.D. =',F8.3,'  (%/degC)')",
    "(1X,'MODEL =',1X,A6,' : AREA AVE =',F8.3,' : SPATIAL S.D. =',F8.3,'  (%/degC)')",
    "(/,7X,' OVERALL MEAN =',F8.3,' %/degC')",
    "(4X,'INTER-MODEL S.D. =',F8.3,' %/degC (FOR NORMALIZED GHG DATA)')",
    "(/,1X,'MODEL =',1X,A4,'   : AREA AVE =',F8.3,' : SPATIAL S.D. =',F8.3,'  (mm/day)')",
    "(1X,'MODEL =',1X,A4,'   : AREA AVE =',F8.3,' : SPATIAL S.D. =',F8.3,'  (mm/day)')",
    "(/,1X,'INTER-MOD S.D.   : AREA AVERAGE =',F8.3,' %    (FOR NORMALIZED GHG DATA)')",
    "(1X,'GHG ONLY         : AREA AVERAGE =',F8.3,' %    ','(FOR SCALED DATA)')",
    "(1X,'AEROSOL ONLY     : AREA AVERAGE =',F8.3,' %    ','(FOR SCALED DATA)')",
    "(1X,'GHG AND AEROSOL  : AREA AVERAGE =',F8.3,' %    ','(FOR SCALED DATA)')",
    "(/,1X,'MODEL =',1X,A6,' : AREA AVE =',F8.3,'  (%)')",
    "(1X,'MODEL =',1X,A6,' : AREA AVE =',F8.3,'  (%)')",
};

constexpr std::string_view NORMALISED_HEADING = "(/,/,1X,'*** AREA AVERAGE RESULTS FOR NORMALIZED ','GHG CHANGES ***')";
constexpr std::string_view CASE_NOTE = "(4X,'HERE, INTER-MODEL S.D. IS THE S.D. OF THE AREA',' AVERAGES')";
constexpr std::string_view BASELINE_HEADING = "(/,/,1X,'*** AREA AVERAGE RESULTS FOR BASELINE CLIMATE ***')";
constexpr std::string_view MODEL_MEAN_HEADING = "(/,/,1X,'*** AREA AVERAGE RESULTS FOR MODEL-MEANS ***')";
constexpr std::string_view MODEL_MEAN_NOTE_1 = "(1X,'HERE, INTER-MOD S.D. IS THE AREA AVE OF THE',' INDIVIDUAL GRIDPOINT VALUES')";
constexpr std::string_view MODEL_MEAN_NOTE_2 = "(1X,'(AEROSOLS SHOULD ALWAYS BE INCLUDED IN FURTHER',' ANALYSES)')";
constexpr std::string_view SCALED_HEADING = "(/,/,1X,'*** SCALED AREA AVERAGE RESULTS FOR INDIVIDUAL',' MODELS ***')";
constexpr std::string_view SCALED_NOTE = "(1X,'(AEROSOLS INCLUDED)')";

// Label of case n: its case code, "MODBAR" for the mean slot.
std::string_view case_code(const eng::EngineConfig& c, int n) {
  return n <= c.NCASES ? c.MODCODE[c.IMOD[n]] : c.MODCODE[35];
}

// Label of baseline k: the model code (first four characters of its case
// code), "MBAR" for the model mean.
std::string model_code(const eng::EngineConfig& c, int k) {
  return std::string(k <= c.NMODIN ? c.MODCODE[c.IMOD[k]].substr(0, 4) : c.MODCODE[36].substr(0, 4));
}

// `count` lines of a code and one or two numbers, the first under `first`.
std::vector<AreaAverages::Line> read_lines(rec::Unit& in, int count, std::string_view first, std::string_view next,
                                           bool with_sd) {
  std::vector<AreaAverages::Line> lines(static_cast<std::size_t>(count));
  for (int n = 1; n <= count; ++n) {
    AreaAverages::Line& l = lines[static_cast<std::size_t>(n - 1)];
    l.code.clear();
    if (with_sd)
      in.read(n == 1 ? first : next, {l.code, l.mean, l.sd});
    else
      in.read(n == 1 ? first : next, {l.code, l.mean});
  }
  return lines;
}

}  // namespace

const AreaFormats& area_formats(int IVAR) { return IVAR == 1 ? TEMPERATURE : PRECIPITATION; }

void write_case_averages(rec::Unit& out, const XmState& s) {
  const eng::EngineConfig& c = s.cfg;
  const AreaFormats& f = area_formats(c.IVAR);
  eng::write_area_description(out, c, s.area, s.maskfile);
  out.write(NORMALISED_HEADING);
  for (int n = 1; n <= c.NCASES + 1; ++n)
    out.write(n == 1 ? f.case_first : f.case_next, {case_code(c, n), s.XAVE[n].mean, s.XAVE[n].sd});
  out.write(f.overall_mean, {s.OVMEAN});
  out.write(f.intermodel_sd, {s.IMSD});
  out.write(CASE_NOTE);
}

void write_baseline_averages(rec::Unit& out, const XmState& s) {
  const eng::EngineConfig& c = s.cfg;
  const AreaFormats& f = area_formats(c.IVAR);
  out.write(BASELINE_HEADING);
  for (int k = 1; k <= c.NMODIN + 1; ++k)
    out.write(k == 1 ? f.baseline_first : f.baseline_next, {model_code(c, k), s.BAVE[k].mean, s.BAVE[k].sd});
}

void write_model_mean_averages(rec::Unit& out, const XmState& s) {
  const eng::EngineConfig& c = s.cfg;
  const AreaFormats& f = area_formats(c.IVAR);
  out.write(MODEL_MEAN_HEADING);
  out.write(MODEL_MEAN_NOTE_1);
  out.write(MODEL_MEAN_NOTE_2);
  out.write(f.avisd, {s.AVISD});
  out.write(AVSNR_LINE, {s.AVSNR});
  out.write(AVPROB_LINE, {s.AVPROB});
  out.write(f.avg2, {s.AVG2});
  out.write(f.aerave, {s.AERAVE});
  out.write(f.avt, {s.AVT});

  out.write(SCALED_HEADING);
  out.write(SCALED_NOTE);
  for (int n = 1; n <= c.NCASES + 1; ++n)
    out.write(n == 1 ? f.scaled_first : f.scaled_next, {case_code(c, n), scaled_case_average(s, n)});
}

AreaAverages read_area_averages(const std::string& path, const eng::EngineConfig& c) {
  const AreaFormats& f = area_formats(c.IVAR);
  rec::Unit in(path, rec::Status::Old);
  in.accept_overflow(true);
  AreaAverages a;
  in.skip_past(NORMALISED_HEADING);
  a.normalised = read_lines(in, c.NCASES + 1, f.case_first, f.case_next, true);
  in.read(f.overall_mean, {a.overall_mean});
  in.read(f.intermodel_sd, {a.intermodel_sd});
  in.read(CASE_NOTE, {});
  in.read(BASELINE_HEADING, {});
  a.baseline = read_lines(in, c.NMODIN + 1, f.baseline_first, f.baseline_next, true);
  in.read(MODEL_MEAN_HEADING, {});
  in.read(MODEL_MEAN_NOTE_1, {});
  in.read(MODEL_MEAN_NOTE_2, {});
  in.read(f.avisd, {a.AVISD});
  in.read(AVSNR_LINE, {a.AVSNR});
  in.read(AVPROB_LINE, {a.AVPROB});
  in.read(f.avg2, {a.AVG2});
  in.read(f.aerave, {a.AERAVE});
  in.read(f.avt, {a.AVT});
  in.read(SCALED_HEADING, {});
  in.read(SCALED_NOTE, {});
  a.scaled = read_lines(in, c.NCASES + 1, f.scaled_first, f.scaled_next, false);
  return a;
}

}  // namespace xm
