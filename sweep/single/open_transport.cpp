// A build without MPI: every sweep is one process.
#include "sweep/single_process.h"

namespace swp {

std::unique_ptr<Transport> open_transport(int&, char**&) { return std::make_unique<SingleProcess>(); }

}  // namespace swp
