// Conservative regridding of a source grid onto the engines' 5-degree grid
// (36 rows from 90 N southwards, 72 columns from 180 W eastwards): each box
// is the mean of the source cells that overlap it, weighted by the area of
// the overlap on the sphere; a box is missing when valid source values
// cover less than half of its area. Also the area-weighted global mean of
// a source field.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "engines/common/grid.h"
#include "importer/source_file.h"

namespace imp {

using BoxField = std::array<double, eng::NGRID>;  // NaN where missing

class Regridder {
 public:
  explicit Regridder(const SourceGrid& g);

  // `src` lat-major in the source grid's order (NaN missing).
  void regrid(std::span<const double> src, BoxField& out) const;
  // Area-weighted mean of the valid values; NaN when none is valid.
  double global_mean(std::span<const double> src) const;
  // Share of the sphere's area that the source cells cover (1 for a global grid).
  double coverage() const { return coverage_; }

 private:
  struct Part {
    int cell;       // source index, lat-major
    double area;    // overlap area on the unit sphere
  };
  std::vector<Part> parts_;                    // every box's parts, box after box
  std::array<int, eng::NGRID + 1> first_{};    // box k's parts: [first_[k], first_[k+1])
  std::array<double, eng::NGRID> box_area_{};
  std::vector<double> cell_area_;
  double coverage_ = 0.0;
};

}  // namespace imp
