#include "engines/varistat/correlations.h"

#include <cmath>
#include <string>
#include <vector>

#include "engines/common/compare.h"
#include "engines/common/definition_pairs.h"
#include "engines/varistat/result_tables.h"

namespace vs {

namespace {

using eng::CorrTable;

// Two correlations closer than this (1.0E-5, single precision) share a rank.
constexpr double TIE = static_cast<double>(1.0E-5f);

struct CorrBlock {
  int NC = 0;  // case fields 1 … NC; field NC + 1 is the model average
  CorrTable<double> CORR{};
  CorrTable<int> ICORR{};
};

// Correlates every case i with every later field j (the model average
// included) with the area mask.
void correlate(CorrBlock& b, const std::vector<const Field*>& field, int IWT, const eng::Mask& MASK) {
  for (int i = 1; i <= b.NC; ++i) {
    for (int j = i + 1; j <= b.NC + 1; ++j) {
      const eng::Comparison r = eng::Compare(IWT, *field[i], *field[j], MASK, 1);
      b.CORR[i][j] = b.CORR[j][i] = r.R;
      b.ICORR[i][j] = b.ICORR[j][i] = r.IR;
    }
  }
  for (int k = 1; k <= b.NC + 1; ++k) {
    b.CORR[k][k] = 1.0;
    b.ICORR[k][k] = 100;
  }
}

// Mean of the case-pair correlations that could be formed; MISSING without any.
double rbar(const CorrBlock& b) {
  double sum = 0.0;
  int n = 0;
  for (int i = 1; i <= b.NC; ++i) {
    for (int j = 1; j <= b.NC; ++j) {
      if (i == j || !eng::valid(b.CORR[i][j])) continue;
      sum += b.CORR[i][j];
      ++n;
    }
  }
  return n > 0 ? sum / n : MISSING;
}

// For each rank, every case pair whose correlation is that rank's value.
void write_ranked_pairs(rec::Unit& out, const CorrBlock& b, const std::array<double, 9>& ranked,
                        bool largest, const std::vector<std::string>& code) {
  for (int r = 1; r <= 8; ++r) {
    for (int i = 1; i <= b.NC - 1; ++i) {
      for (int j = i + 1; j <= b.NC; ++j) {
        if (std::fabs(b.CORR[i][j] - ranked[r]) >= TIE) continue;
        if (largest)
          out.write("(1X,'MAX CORREL, RANK =',I2,' : (',I2,',',I2,') : ',F7.3,' : (',1X,A6,',',1X,A6,')')",
                    {r, i, j, ranked[r], code[i], code[j]});
        else
          out.write("(1X,'MIN CORREL, RANK =',I2,' : (',I2,',',I2,') : ',F7.3,' : (',1X,A6,',',1X,A6,')')",
                    {r, i, j, ranked[r], code[i], code[j]});
      }
    }
  }
}

// The matrix of percentages, the correlations with the model average and the
// average correlation of each case with the others.
void write_matrix(rec::Unit& out, const CorrBlock& b, const std::vector<std::string>& code) {
  const std::vector<std::string> codes(code.begin() + 1, code.end());
  out.write("(/,8X,35(1X,A6))", {codes});
  std::vector<int> line(b.NC);
  for (int j = 1; j <= b.NC; ++j) {
    for (int i = 1; i <= b.NC; ++i) line[i - 1] = b.ICORR[i][j];
    out.write("(2X,A6,35I7)", {code[j], line});
  }
  for (int i = 1; i <= b.NC; ++i) line[i - 1] = b.ICORR[i][b.NC + 1];
  out.write("(1X,'MEANMOD',35I7)", {line});
  out.write("(8X,35(' ',A6))", {codes});
  for (int j = 1; j <= b.NC; ++j) {
    double sum = 0.0;
    int n = 0;
    for (int i = 1; i <= b.NC; ++i) {
      if (i == j || !eng::valid(b.CORR[j][i])) continue;
      sum += b.CORR[j][i];
      ++n;
    }
    line[j - 1] = n > 0 ? eng::percent(sum / n) : -9999;
  }
  out.write("(1X,'AVE-COR',35I7)", {line});
}

void write_heading(rec::Unit& out, int IPASS, int IWT) {
  if (IWT == 0) {
    out.write("(/,'-----------------------------------------------------')");
    if (IPASS == 1)
      out.write("(/,/,1X,'*** UNWEIGHTED PATTERN CORRELS',' BETWEEN NORMALIZED S.D. CHANGE FIELDS ***')");
    else
      out.write("(/,/,1X,'*** UNWEIGHTED PATTERN CORRELS',' BETWEEN BASELINE S.D. FIELDS ***')");
  } else {
    out.write("(/,/,1X,'*** COSINE WEIGHTED PATTERN CORRELATIONS ***')");
  }
}

}  // namespace

void write_intermodel_correlations(rec::Unit& out, const VsState& s) {
  const eng::EngineConfig& c = s.cfg;
  eng::write_area_description(out, c, s.area, s.maskfile);
  if (s.area.NPTS < 3) {
    out.write("(/,1X,'NO CORRELATIONS POSSIBLE : ONLY',I2,' GRIDPOINTS')", {s.area.NPTS});
    return;
  }
  for (int IPASS = 1; IPASS <= 2; ++IPASS) {
    // The baseline S.D. belongs to the model: in definition mode 3 it is
    // correlated once per model, not per case.
    const int NC = IPASS == 2 && c.IDEF == 3 ? c.NMODIN : c.NCASES;
    std::vector<const Field*> field(NC + 2, nullptr);
    std::vector<std::string> code(NC + 1);
    for (int k = 1; k <= NC; ++k) {
      field[k] = IPASS == 1 ? &s.NDELSD[k] : &s.BSD[k];
      code[k] = std::string(c.MODCODE[c.IMOD[k]]);
    }
    field[NC + 1] = IPASS == 1 ? &s.DELSD : &s.BASESD;

    for (int IWT = 0; IWT <= 1; ++IWT) {
      write_heading(out, IPASS, IWT);
      CorrBlock b;
      b.NC = NC;
      correlate(b, field, IWT, s.area.MASK);
      out.write("(/,1X,'INTER-MODEL CORRELATION MATRIX',' : OVERALL RBAR =',F7.4,/)", {rbar(b)});
      const eng::Ranking rank = eng::Rank(NC, b.CORR);
      write_ranked_pairs(out, b, rank.TOP, true, code);
      out.write("(1X,' ')");
      write_ranked_pairs(out, b, rank.BOT, false, code);
      write_matrix(out, b, code);
      if (IPASS == 1 && c.IDEF == 3) eng::write_definition_pairs(out, c, IWT, b.CORR);
    }
  }
}

void write_output_field_correlations(rec::Unit& out, const VsState& s) {
  const auto field = outfld(s);
  const auto label = outfld_labels();
  const std::vector<std::string> labels(label.begin() + 1, label.end());
  for (int IWT = 0; IWT <= 1; ++IWT) {
    if (IWT == 0) {
      out.write("(/,'-----------------------------------------------------')");
      out.write("(/,/,1X,'*** UNWEIGHTED PATTERN CORRELS',' BETWEEN VARIOUS OUTPUT FIELDS (GLOBAL) ***')");
    } else {
      out.write("(/,/,1X,'*** COSINE WEIGHTED PATTERN CORRELATIONS (GLOBAL)',' ***')");
    }
    double OUTCOR[NOUTFLD + 1][NOUTFLD + 1] = {};
    for (int a = 1; a <= NOUTFLD - 1; ++a) {
      for (int b = a + 1; b <= NOUTFLD; ++b)
        OUTCOR[a][b] = OUTCOR[b][a] = eng::Compare(IWT, *field[a], *field[b], s.area.MASK, 0).R;
    }
    for (int a = 1; a <= NOUTFLD; ++a) OUTCOR[a][a] = 1.0;
    out.write("(/,8X,6('  ',A7))", {labels});
    for (int a = 1; a <= NOUTFLD; ++a) {
      double column[NOUTFLD];
      for (int b = 1; b <= NOUTFLD; ++b) column[b - 1] = OUTCOR[b][a];
      out.write("(1X,A7,6F9.4)", {label[a], column});
    }
    out.write("(8X,6('  ',A7))", {labels});
  }
}

}  // namespace vs
