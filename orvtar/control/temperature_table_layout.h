// The layout of the report's temperature and sea-level table: its title,
// the parameter-set line and the five column layouts (ITEMPTAB 1 to 5)
// with their header, row and "TO1990" formats and the columns they print.
// The writer (report_temperature_table.cpp) and the results reader
// (results/) both use it.
#pragma once

#include <span>
#include <string_view>

namespace orv {

// Every column any layout prints, for one row.
struct TempColumns {
  float DELTAQ, EQVCO2, TEQU, TEMP, EXPN, GLAC, GREENL, ANTAR, ZXTRA, MSLTOT;
  float TNH, TSH, TLAND, TOCN, TLTO, TEQT, TDEEP, WNH, WSH;
};

using TempColumn = float TempColumns::*;

namespace temperature_table {

inline constexpr std::string_view TITLE = "(/,1X,'** TEMPERATURE AND SEA LEVEL CHANGES FROM',I5,' **')";  // IREFYR

// By case number 1 to 4 (LOW, MID, HIGH, USER).
inline constexpr std::string_view PARAMETER_SET[5] = {
    "",
    "(/,1X,'LOW CLIMATE AND SEA LEVEL MODEL PARAMETERS')",
    "(/,1X,'MID CLIMATE AND SEA LEVEL MODEL PARAMETERS')",
    "(/,1X,'HIGH CLIMATE AND SEA LEVEL MODEL PARAMETERS')",
    "(/,1X,'USER CLIMATE AND SEA LEVEL MODEL PARAMETERS')",
};

// A row is the year, the columns and the year again; the "TO1990" line is
// the same columns without the years.
struct Layout {
  std::string_view header;
  std::string_view row;
  std::string_view to1990;
  std::span<const TempColumn> columns;
};

inline constexpr TempColumn COLUMNS_1[] = {
    &TempColumns::DELTAQ, &TempColumns::TEQU, &TempColumns::TEMP,   &TempColumns::EXPN,
    &TempColumns::GLAC,   &TempColumns::GREENL, &TempColumns::ANTAR, &TempColumns::ZXTRA,
    &TempColumns::MSLTOT, &TempColumns::TNH,  &TempColumns::TSH,    &TempColumns::WNH,
    &TempColumns::WSH};
inline constexpr TempColumn COLUMNS_2[] = {
    &TempColumns::DELTAQ, &TempColumns::TEQU,  &TempColumns::TEMP,   &TempColumns::EXPN,
    &TempColumns::GLAC,   &TempColumns::GREENL, &TempColumns::ANTAR, &TempColumns::ZXTRA,
    &TempColumns::MSLTOT, &TempColumns::TLAND, &TempColumns::TOCN,   &TempColumns::TLTO,
    &TempColumns::WNH,    &TempColumns::WSH};
inline constexpr TempColumn COLUMNS_3[] = {
    &TempColumns::DELTAQ, &TempColumns::TEQU,  &TempColumns::TEMP,   &TempColumns::EXPN,
    &TempColumns::GLAC,   &TempColumns::GREENL, &TempColumns::ANTAR, &TempColumns::ZXTRA,
    &TempColumns::MSLTOT, &TempColumns::TEQT,  &TempColumns::TDEEP,  &TempColumns::WNH,
    &TempColumns::WSH};
inline constexpr TempColumn COLUMNS_4[] = {
    &TempColumns::EQVCO2, &TempColumns::TEQU,  &TempColumns::TEMP,   &TempColumns::EXPN,
    &TempColumns::GLAC,   &TempColumns::GREENL, &TempColumns::ANTAR, &TempColumns::ZXTRA,
    &TempColumns::MSLTOT, &TempColumns::TEQT,  &TempColumns::TDEEP,  &TempColumns::WNH,
    &TempColumns::WSH};
inline constexpr TempColumn COLUMNS_5[] = {
    &TempColumns::DELTAQ, &TempColumns::TEMP,  &TempColumns::TLTO,   &TempColumns::MSLTOT,
    &TempColumns::EXPN,   &TempColumns::GLAC,  &TempColumns::GREENL, &TempColumns::ANTAR,
    &TempColumns::ZXTRA,  &TempColumns::WNH};

// By ITEMPTAB; element 0 is unused, and other values print no header,
// no "TO1990" line and no rows.
inline constexpr Layout LAYOUTS[6] = {
    {},
    {"(1X,' YEAR  DELTAQ   TEQU   TEMP   EXPN   GLAC',' GREENL  ANTAR Z-XTRA MSLTOT   TNH   TSH   WNH   WSH  YEAR')",
     "(1X,I5,F8.4,F7.3,F7.4,6F7.2,2F6.3,2F6.2,I6)", "('TO1990 ',F7.3,F7.3,F7.4,6F7.2,2F6.3,2F6.2)", COLUMNS_1},
    {"(1X,' YEAR  DELTAQ   TEQU   TEMP   EXPN   GLAC',' GREENL  ANTAR Z-XTRA MSLTOT TLAND  TOCN TL/TO   WNH   WSH','  YEAR')",
     "(1X,I5,F8.4,F7.3,F7.4,6F7.2,3F6.3,2F6.2,I6)", "('TO1990 ',F7.3,F7.3,F7.4,6F7.2,3F6.3,2F6.2)", COLUMNS_2},
    {"(1X,' YEAR  DELTAQ   TEQU   TEMP   EXPN   GLAC',' GREENL  ANTAR Z-XTRA MSLTOT TEQ-T TDEEP   WNH   WSH  YEAR')",
     "(1X,I5,F8.4,F7.3,F7.4,6F7.2,2F6.3,2F6.2,I6)", "('TO1990 ',F7.3,F7.3,F7.4,6F7.2,2F6.3,2F6.2)", COLUMNS_3},
    {"(1X,' YEAR  EQVCO2   TEQU   TEMP   EXPN   GLAC',' GREENL  ANTAR Z-XTRA MSLTOT TEQ-T TDEEP   WNH   WSH  YEAR')",
     "(1X,I5,F8.2,F7.3,F7.4,6F7.2,2F6.3,2F6.2,I6)", "('TO1990 ',F7.1,F7.3,F7.4,6F7.2,2F6.3,2F6.2)", COLUMNS_4},
    {"(1X,' YEAR  DELTAQ     TEMP  TL/TO  MSLTOT   EXPN   GLAC',' GREENL  ANTAR Z-XTRA   WNH  YEAR')",
     "(1X,I5,F8.4,F9.5,F7.3,F8.3,5F7.2,F6.2,I6)", "('TO1990 ',F7.3,F9.5,F7.3,F8.3,5F7.2,F6.2)", COLUMNS_5},
};

inline constexpr bool has_layout(int ITEMPTAB) { return ITEMPTAB >= 1 && ITEMPTAB <= 5; }

}  // namespace temperature_table

}  // namespace orv
