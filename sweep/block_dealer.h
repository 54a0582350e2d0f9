// Blocks of work dealt out to the ranks of a sweep as they ask: rank 0
// keeps the count, answers requests between its own members and receives
// every block's results; each other rank asks for its next block before it
// computes the current one, so that the answer is there when it is done.
// Which rank computes a block never changes its results.
#pragma once

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>

#include "sweep/transport.h"

namespace swp {

// A rank could not compute a block; the message is the one that rank gave.
struct SweepFailed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Computes block b and returns its results; calls `between` now and then
// (rank 0 answers other ranks there).
using ComputeBlock = std::function<std::string(std::size_t b, const std::function<void()>& between)>;
// Rank 0 takes the results of block b.
using TakeResults = std::function<void(std::size_t b, std::string results)>;

// Every block 0 .. blocks-1 is computed once on some rank; on rank 0
// `take` receives each block's results (in no set order). A failure on any
// rank throws SweepFailed on rank 0 with that rank's message; another rank
// that fails tells rank 0 and waits for it to end the job.
void deal_blocks(Transport& t, std::size_t blocks, const ComputeBlock& compute, const TakeResults& take);

// On a rank other than 0: tells rank 0 of a failure and waits for it to
// end the job.
[[noreturn]] void report_failure(Transport& t, const std::string& message);

}  // namespace swp
