// Where an installed toolkit keeps its files, found from the running
// program's own folder so that a toolkit moved to another prefix still
// runs: the programs in PREFIX/bin, the bundled data in
// PREFIX/share/scenario-toolkit/data. The build folder has the same layout.
#pragma once

#include <string>

namespace fe {

// The folder of the running program.
std::string executable_dir();

// The bundled inputs (emissions profiles, halocarbon files, masks, default
// configuration): $TOOLKIT_DATA_DIR, else the data folder beside the
// program's folder. Throws rec::Error naming the folder when it is missing.
std::string data_dir();

}  // namespace fe
