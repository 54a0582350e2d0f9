// The built-in tables of the engines: the GCM catalogue (case codes and file
// labels) and the fixed-width names and letters of the variables, seasons,
// climate-model parameter sets and emission scenarios. Every table is indexed
// from 1 as in the configuration files; element 0 is an empty text. The
// tables are compile-time constants, safe to use from any static initialiser.
#pragma once

#include <array>
#include <string_view>

namespace eng {

inline constexpr int NCATALOGUE = 17;  // GCMs in the catalogue
inline constexpr int NSEASONS = 17;

// `MODCODE`: 36 case codes of 6 characters. 1 … 17 "GC01D1" … "GC17D1",
// 18 … 34 "GC01D2" … "GC17D2", 35 "MODBAR", 36 "MBAR  ". A run works on its
// own copy (EngineConfig::MODCODE), which definition mode 2 overwrites.
inline constexpr std::array<std::string_view, 37> MODCODE_TABLE = {
    "",
    "GC01D1", "GC02D1", "GC03D1", "GC04D1", "GC05D1", "GC06D1", "GC07D1", "GC08D1", "GC09D1",
    "GC10D1", "GC11D1", "GC12D1", "GC13D1", "GC14D1", "GC15D1", "GC16D1", "GC17D1",
    "GC01D2", "GC02D2", "GC03D2", "GC04D2", "GC05D2", "GC06D2", "GC07D2", "GC08D2", "GC09D2",
    "GC10D2", "GC11D2", "GC12D2", "GC13D2", "GC14D2", "GC15D2", "GC16D2", "GC17D2",
    "MODBAR", "MBAR  "};

// `MODLAB`: 18 model labels of 8 characters, the stems of the models' data
// file names: 1 … 17 "GC01TR98" … "GC17TR95", 18 "MODMEAN_" (never selected).
inline constexpr std::array<std::string_view, 19> MODLAB = {
    "",
    "GC01TR98", "GC02TR99", "GC03TR96", "GC04TR98", "GC05TR96", "GC06TR98",
    "GC07TR95", "GC08TR98", "GC09TR90", "GC10TR95", "GC11TR95", "GC12TR00",
    "GC13TR97", "GC14TR98", "GC15TR96", "GC16TR00", "GC17TR95", "MODMEAN_"};

// Variable name (6 characters) and file letter by `IVAR`: "  TEMP"/"T", "PRECIP"/"P".
inline constexpr std::array<std::string_view, 3> VARNAME = {"", "  TEMP", "PRECIP"};
inline constexpr std::array<std::string_view, 3> VARLETTER = {"", "T", "P"};

// Season name (3 characters) and file letter by `ISEAS`: "JAN"/"A" … "DEC"/"L",
// "DJF"/"M", "MAM"/"N", "JJA"/"O", "SON"/"P", "ANN"/"Q".
inline constexpr std::array<std::string_view, 18> SEASNAME = {
    "", "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP",
    "OCT", "NOV", "DEC", "DJF", "MAM", "JJA", "SON", "ANN"};
inline constexpr std::array<std::string_view, 18> SEASLETTER = {
    "", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q"};

// Parameter-set name (7 characters) and letter by `IPSET`: "DEFAULT"/"D", "   USER"/"U".
inline constexpr std::array<std::string_view, 3> PSETNAME = {"", "DEFAULT", "   USER"};
inline constexpr std::array<std::string_view, 3> PSETLETTER = {"", "D", "U"};

// Scenario name (7 characters) and letter by `ISCEN`: "REFRNCE"/"R", " POLICY"/"P".
inline constexpr std::array<std::string_view, 3> SCENNAME = {"", "REFRNCE", " POLICY"};
inline constexpr std::array<std::string_view, 3> SCENLETTER = {"", "R", "P"};

// Definition-mode header text (33 characters) by `IDEF`:
// "*** DEFINITION 1 RESULTS ONLY ***", "*** DEFINITION 2 RESULTS ONLY ***",
// "*** DEFINITION 1 & 2 RESULTS *** " (trailing blank).
inline constexpr std::array<std::string_view, 4> DEFTEXT = {
    "",
    "*** DEFINITION 1 RESULTS ONLY ***",
    "*** DEFINITION 2 RESULTS ONLY ***",
    "*** DEFINITION 1 & 2 RESULTS *** "};

}  // namespace eng
