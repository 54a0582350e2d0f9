#include "sweep/single_process.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace swp {

unsigned SingleProcess::threads() const { return std::max(std::thread::hardware_concurrency(), 1u); }

void SingleProcess::send(int to, MessageKind, std::string) {
  throw std::logic_error("a one-process sweep has no rank " + std::to_string(to) + " to send to");
}

Message SingleProcess::receive() { throw std::logic_error("a one-process sweep receives no messages"); }

void SingleProcess::abort(int status) { std::exit(status); }

}  // namespace swp
