// The engines' 5-degree global grid: the field and mask types, the missing
// value and the latitude/longitude tables shared by crossmod and varistat.
#pragma once

#include <array>
#include <span>

namespace eng {

inline constexpr int NLAT = 36;            // latitude rows, north to south
inline constexpr int NLON = 72;            // longitude columns, west to east
inline constexpr int NGRID = NLAT * NLON;  // 2592 boxes

// The missing value -99.99, held as its single-precision value widened to
// double (-99.98999786376953).
inline constexpr double MISSING = static_cast<double>(-99.99f);

// pi in single precision widened to double (3.1415927410125732).
inline constexpr double PI = static_cast<double>(3.1415927f);

// A field value is valid when it is greater than -99.0; every statistic skips
// the others.
inline bool valid(double v) { return v > -99.0; }

// One grid field: 2592 doubles in row order (row 1 = 87.5 N first, each row
// from column 1 = 177.5 W to column 72 = 177.5 E), the order of the grid-field
// files and of the dumps. Rows and columns are indexed from 1:
//   F(i, j)      value of row i, column j
//   F.row(i)     the 72 values of row i, west to east (one Out/In item)
//   F.v          all 2592 values in file order (one Out/In item)
struct Field {
  std::array<double, NGRID> v{};

  double& operator()(int i, int j) { return v[(i - 1) * NLON + (j - 1)]; }
  double operator()(int i, int j) const { return v[(i - 1) * NLON + (j - 1)]; }
  std::span<double, NLON> row(int i) { return std::span<double, NLON>(v.data() + (i - 1) * NLON, NLON); }
  std::span<const double, NLON> row(int i) const {
    return std::span<const double, NLON>(v.data() + (i - 1) * NLON, NLON);
  }
  void fill(double x) { v.fill(x); }
};

// `MASK`: the weight (0 to 9) of every box in the area statistics, indexed
// and stored like Field.
struct Mask {
  std::array<int, NGRID> v{};

  int& operator()(int i, int j) { return v[(i - 1) * NLON + (j - 1)]; }
  int operator()(int i, int j) const { return v[(i - 1) * NLON + (j - 1)]; }
  std::span<int, NLON> row(int i) { return std::span<int, NLON>(v.data() + (i - 1) * NLON, NLON); }
  std::span<const int, NLON> row(int i) const {
    return std::span<const int, NLON>(v.data() + (i - 1) * NLON, NLON);
  }
};

// The grid tables, indexed as the grid: XLAT[i] = 92.5 - 5i for i = 0 … 37
// (row centres 87.5 … -87.5, with the bounds 92.5 and -92.5 at 0 and 37),
// XLON[j] = -182.5 + 5j for j = 0 … 73 (column centres -177.5 … 177.5, bounds
// -182.5 and 182.5 at 0 and 73). COSLAT[i] = cos(XLAT[i] * PI/180), the
// cosine weight of row i, with PI/180 formed once.
struct GridTables {
  std::array<double, NLAT + 2> XLAT{};
  std::array<double, NLON + 2> XLON{};
  std::array<double, NLAT + 2> COSLAT{};
};

// The tables, built from the integer index on first use.
const GridTables& grid_tables();

}  // namespace eng
