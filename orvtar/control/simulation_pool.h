// The simulations of a run on worker threads: each takes the next
// simulation number, runs it from the prepared state and hands the final
// state back, so that the report can be written in simulation order while
// later simulations still run.
#pragma once

#include <array>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "orvtar/physics/state.h"

namespace orv {

class SimulationPool {
 public:
  // Starts `threads` workers (at least one) on simulations 1 to NSIMS of
  // `prepared`, which must outlive the pool.
  SimulationPool(const OrvState& prepared, int threads);
  SimulationPool(const SimulationPool&) = delete;
  SimulationPool& operator=(const SimulationPool&) = delete;
  // Stops handing out simulations and waits for the running ones.
  ~SimulationPool();

  // The final state of simulation NSIM, once it has run; rethrows what the
  // simulation threw.
  std::unique_ptr<OrvState> take(int NSIM);

 private:
  void work();

  const OrvState& prepared_;
  std::mutex mutex_;
  std::condition_variable done_;
  int next_ = 1;
  bool stopping_ = false;
  std::vector<std::unique_ptr<OrvState>> states_;  // by NSIM - 1
  std::array<std::unique_ptr<OrvState>, 4> full_;  // simulations 1 to 4, kept for 5 to 20
  std::vector<std::exception_ptr> errors_;
  std::vector<bool> finished_;
  std::vector<std::jthread> workers_;
};

// Worker threads for `tasks` independent pieces of work: the machine's
// cores, at most one per task.
int worker_count(int tasks);

}  // namespace orv
