// The simulations of a run on worker threads: each takes the next
// simulation number, runs it from the prepared state and hands the final
// state back, so that the report can be written in simulation order while
// later simulations still run. States the writer gives back are reused:
// a state is large, and fresh memory for each simulation costs more than
// the copy.
#pragma once

#include <array>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "orvtar/control/simulation.h"
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

  // Returns a state taken and no longer needed, for a later simulation.
  void give_back(std::unique_ptr<OrvState> state);

 private:
  void work();
  std::unique_ptr<OrvState> spare_state();

  const OrvState& prepared_;
  std::mutex mutex_;
  std::condition_variable done_;
  int next_ = 1;
  bool stopping_ = false;
  std::vector<std::unique_ptr<OrvState>> states_;  // by NSIM - 1
  std::array<SharedHistory, 4> shared_;  // of simulations 1 to 4, for 5 to 20
  std::vector<std::unique_ptr<OrvState>> spare_;
  std::vector<std::exception_ptr> errors_;
  std::vector<bool> finished_;
  std::vector<std::jthread> workers_;
};

// Worker threads for `tasks` independent pieces of work: the machine's
// cores, at most one per task.
int worker_count(int tasks);

}  // namespace orv
