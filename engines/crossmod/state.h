// The process-wide state of crossmod: the run settings, the weights record
// and study area, the case store and every field and area figure derived
// from it.
#pragma once

#include <array>
#include <span>

#include "engines/common/area.h"
#include "engines/common/compare.h"
#include "engines/common/config.h"
#include "engines/common/field_files.h"
#include "engines/common/grid.h"

namespace xm {

using eng::Field;
using eng::MAXCASES;
using eng::MISSING;
inline constexpr int MAXMODELS = eng::NCATALOGUE;

// An integer count at every grid box, indexed and stored like Field.
struct CountField {
  std::array<int, eng::NGRID> v{};

  int& operator()(int i, int j) { return v[(i - 1) * eng::NLON + (j - 1)]; }
  int operator()(int i, int j) const { return v[(i - 1) * eng::NLON + (j - 1)]; }
  std::span<int, eng::NLON> row(int i) { return std::span<int, eng::NLON>(v.data() + (i - 1) * eng::NLON, eng::NLON); }
  std::span<const int, eng::NLON> row(int i) const {
    return std::span<const int, eng::NLON>(v.data() + (i - 1) * eng::NLON, eng::NLON);
  }
};

// Area mean and spatial S.D. of one case (or of the mean slot).
using eng::AreaMean;

struct XmState {
  eng::EngineConfig cfg;   // EXTRA.CFG and SHELL.CFG with the derived counts and case list
  eng::MaskFile maskfile;  // MASKNAME is eight blanks when no mask file is read
  eng::Weights weights;    // the record of IYEAR
  double DTGHG = 0.0;      // warming of the GHG-only gridpoint field G1
  eng::Area area;

  // Case store, indexed from 1: X[1 … NCASES] the normalised change fields,
  // X[NCASES+1] the plain case mean ("MODBAR").
  std::array<Field, MAXCASES + 2> X;

  // Gridpoint statistics of the cases.
  CountField NINCR;  // valid cases with X - THRESH > 0
  Field XM;          // model-mean normalised change (MISSING in an aerosol-only run)
  Field ISD;         // inter-model S.D.
  Field SNR;         // inter-model signal-to-noise ratio XM / ISD
  Field PROB;        // probability of an increase above THRESH

  // Scaled changes.
  Field P1, P2, P3;  // aerosol response patterns: Europe, Asia, rest of the world
  Field G1;          // GHG only, scaled with DTGHG
  Field G2;          // GHG only, scaled with GHGWT
  Field A;           // aerosol only
  Field T;           // GHG and aerosol
  Field D;           // the change to use: T with aerosols, G1 without

  // Baselines and new climates, models indexed from 1.
  std::array<Field, MAXMODELS + 1> B;  // per-model baseline climates
  Field BM;                            // model-mean baseline
  Field OBS;                           // observed baseline
  Field ERRFLD;                        // model-mean baseline against observed
  Field NO;                            // new climate on the observed baseline
  Field NM;                            // new climate on the model-mean baseline
  Field DRIFT;                         // mean definition-1 minus definition-2 pattern

  // Area statistics, cases indexed from 1 (NCASES+1 is the mean slot).
  std::array<AreaMean, MAXCASES + 2> XAVE;  // of the normalised changes X(n)
  std::array<AreaMean, MAXCASES + 2> YAVE;  // of the scaled changes Y(n)
  double OVMEAN = MISSING;                  // overall mean of the case area means
  double IMSD = MISSING;                    // inter-model S.D. of the case area means
  std::array<AreaMean, MAXMODELS + 2> BAVE; // of the baselines B(k), then BM at NMODIN+1
  double AVISD = MISSING, AVSNR = MISSING, AVPROB = MISSING;  // model-mean summaries
  double AVG2 = MISSING, AERAVE = MISSING, AVT = MISSING;

  // Validation against the observed baseline, unweighted (0) and cosine
  // weighted (1): the models 1 … NMODIN, then BM at NMODIN+1.
  std::array<std::array<eng::Comparison, MAXMODELS + 2>, 2> VALID{};
};

}  // namespace xm
