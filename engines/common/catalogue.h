// The built-in tables of the engines: the GCM catalogue (case codes and file
// labels) and the fixed-width names and letters of the variables, seasons,
// climate-model parameter sets and emission scenarios. Every table is indexed
// from 1 as in the configuration files; element 0 is an empty text.
#pragma once

#include <array>
#include <string>

namespace eng {

inline constexpr int NCATALOGUE = 17;  // GCMs in the catalogue
inline constexpr int NSEASONS = 17;

// `MODCODE`: 36 case codes of 6 characters. 1 … 17 "GC01D1" … "GC17D1",
// 18 … 34 "GC01D2" … "GC17D2", 35 "MODBAR", 36 "MBAR  ". A run works on its
// own copy (EngineConfig::MODCODE), which definition mode 2 overwrites.
extern const std::array<std::string, 37> MODCODE_TABLE;

// `MODLAB`: 18 model labels of 8 characters, the stems of the models' data
// file names: 1 … 17 "GC01TR98" … "GC17TR95", 18 "MODMEAN_" (never selected).
extern const std::array<std::string, 19> MODLAB;

// Variable name (6 characters) and file letter by `IVAR`: "  TEMP"/"T", "PRECIP"/"P".
extern const std::array<std::string, 3> VARNAME;
extern const std::array<std::string, 3> VARLETTER;

// Season name (3 characters) and file letter by `ISEAS`: "JAN"/"A" … "DEC"/"L",
// "DJF"/"M", "MAM"/"N", "JJA"/"O", "SON"/"P", "ANN"/"Q".
extern const std::array<std::string, 18> SEASNAME;
extern const std::array<std::string, 18> SEASLETTER;

// Parameter-set name (7 characters) and letter by `IPSET`: "DEFAULT"/"D", "   USER"/"U".
extern const std::array<std::string, 3> PSETNAME;
extern const std::array<std::string, 3> PSETLETTER;

// Scenario name (7 characters) and letter by `ISCEN`: "REFRNCE"/"R", " POLICY"/"P".
extern const std::array<std::string, 3> SCENNAME;
extern const std::array<std::string, 3> SCENLETTER;

// Definition-mode header text (33 characters) by `IDEF`:
// "*** DEFINITION 1 RESULTS ONLY ***", "*** DEFINITION 2 RESULTS ONLY ***",
// "*** DEFINITION 1 & 2 RESULTS *** " (trailing blank).
extern const std::array<std::string, 4> DEFTEXT;

}  // namespace eng
