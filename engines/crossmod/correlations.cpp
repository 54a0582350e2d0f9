#include "engines/crossmod/correlations.h"

#include <array>
#include <cmath>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "engines/common/definition_pairs.h"

namespace xm {

double RBAR(int n, const eng::CorrTable<double>& CORR) {
  int count = 0;
  double sum = 0.0;
  for (int i = 1; i <= n - 1; ++i)
    for (int j = i + 1; j <= n; ++j) {
      if (!eng::valid(CORR[i][j])) continue;
      sum += CORR[i][j];
      ++count;
    }
  return count > 0 ? sum / count : MISSING;
}

int average_correlation(int n, int j, const eng::CorrTable<double>& CORR) {
  int count = 0;
  double sum = 0.0;
  for (int i = 1; i <= n; ++i) {
    if (i == j || !eng::valid(CORR[j][i])) continue;
    sum += CORR[j][i];
    ++count;
  }
  return count > 0 ? eng::percent(sum / count) : -9999;
}

namespace {

struct CorrelationStore {
  eng::CorrTable<double> CORR{};
  eng::CorrTable<int> ICORR{};
};

// CORR(i, j) of every case pair and of every case with XM (j = NCASES+1),
// both halves and the diagonal.
void correlate_cases(const XmState& s, int IWT, CorrelationStore& st) {
  const int N = s.cfg.NCASES;
  for (int i = 1; i <= N; ++i) {
    for (int j = i + 1; j <= N + 1; ++j) {
      const Field& B = j <= N ? s.X[j] : s.XM;
      const eng::Comparison r = eng::Compare(IWT, s.X[i], B, s.area.MASK);
      st.CORR[i][j] = st.CORR[j][i] = r.R;
      st.ICORR[i][j] = st.ICORR[j][i] = r.IR;
    }
  }
  for (int i = 1; i <= N + 1; ++i) {
    st.CORR[i][i] = 1.0;
    st.ICORR[i][i] = 100;
  }
}

// The MAX (or MIN) lines: under each rank every pair whose correlation is
// within 1.0E-6 of the ranked value, so tied pairs print under each rank
// they occupy.
void write_rank_lines(rec::Unit& out, const XmState& s, const eng::CorrTable<double>& CORR,
                      const std::array<double, 9>& ranked, bool top) {
  const eng::EngineConfig& c = s.cfg;
  const int N = c.NCASES;
  for (int r = 1; r <= 8; ++r) {
    for (int i = 1; i <= N - 1; ++i) {
      for (int j = i + 1; j <= N; ++j) {
        if (std::fabs(CORR[i][j] - ranked[r]) >= static_cast<double>(1.0E-6f)) continue;
        const std::string ci(c.MODCODE[c.IMOD[i]]), cj(c.MODCODE[c.IMOD[j]]);
        if (top)
          out.write("(1X,'MAX CORREL, RANK =',I2,' : (',I2,',',I2,') : ',F7.3,' : (',1X,A6,',',1X,A6,')')",
                    {r, i, j, ranked[r], ci, cj});
        else
          out.write("(1X,'MIN CORREL, RANK =',I2,' : (',I2,',',I2,') : ',F7.3,' : (',1X,A6,',',1X,A6,')')",
                    {r, i, j, ranked[r], ci, cj});
      }
    }
  }
}

void write_matrix(rec::Unit& out, const XmState& s, const CorrelationStore& st) {
  const eng::EngineConfig& c = s.cfg;
  const int N = c.NCASES;
  std::vector<std::string> codes;
  for (int j = 1; j <= N; ++j) codes.emplace_back(c.MODCODE[c.IMOD[j]]);
  std::vector<int> avecor;
  for (int j = 1; j <= N; ++j) avecor.push_back(average_correlation(N, j, st.CORR));

  out.write("(/,8X,35(' ',A6))", {codes});
  for (int j = 1; j <= N; ++j)
    out.write("(2X,A6,35I7)", {codes[j - 1], std::span<const int>(st.ICORR[j]).subspan(1, N)});
  out.write("(1X,'MEANMOD',35I7)", {std::span<const int>(st.ICORR[N + 1]).subspan(1, N)});
  out.write("(8X,35(' ',A6))", {codes});
  out.write("(1X,'AVE-COR',35I7)", {avecor});
}

void write_correlation_pass(rec::Unit& out, const XmState& s, int IWT) {
  const int N = s.cfg.NCASES;
  if (IWT == 0)
    out.write("(/,/,1X,'*** UNWEIGHTED PATTERN CORRELATIONS ***')");
  else
    out.write("(/,/,1X,'*** COSINE WEIGHTED PATTERN CORRELATIONS ***')");

  auto st = std::make_unique<CorrelationStore>();
  correlate_cases(s, IWT, *st);
  out.write("(/,1X,'INTER-MODEL CORRELATION MATRIX',' : OVERALL RBAR =',F8.4,/)", {RBAR(N, st->CORR)});
  const eng::Ranking rank = eng::Rank(N, st->CORR);
  write_rank_lines(out, s, st->CORR, rank.TOP, true);
  out.write("(' ')");
  write_rank_lines(out, s, st->CORR, rank.BOT, false);
  write_matrix(out, s, *st);
  if (s.cfg.IDEF == 3) eng::write_definition_pairs(out, s.cfg, IWT, st->CORR);
}

}  // namespace

void write_correlations(rec::Unit& out, const XmState& s) {
  out.write("(/,1X,'*** INTER-MODEL CORRELATION RESULTS FOR',' NORMALIZED CHANGES IN MEAN STATE ***',/)");
  out.write("(1X,'TABLE GIVES CORRELATION*100')");
  out.write("(1X,'\"MEANMOD\" ROW GIVES CORREL WITH MEAN OF ALL CASES')");
  out.write("(1X,'\"AVE-COR\" ROW GIVES AVERAGE OF ALL CORRELS (I.NE.J)')");
  eng::write_area_description(out, s.cfg, s.area, s.maskfile);
  if (s.area.NPTS < 3) {
    out.write("(/,1X,'NO CORRELATIONS POSSIBLE : ONLY',I2,' GRIDPOINTS')", {s.area.NPTS});
    return;
  }
  write_correlation_pass(out, s, 0);
  write_correlation_pass(out, s, 1);
}

}  // namespace xm
