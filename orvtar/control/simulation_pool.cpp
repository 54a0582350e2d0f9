#include "orvtar/control/simulation_pool.h"

#include <algorithm>

#include "orvtar/control/simulation.h"

namespace orv {

SimulationPool::SimulationPool(const OrvState& prepared, int threads)
    : prepared_(prepared),
      states_(static_cast<std::size_t>(prepared.NSIMS)),
      errors_(static_cast<std::size_t>(prepared.NSIMS)),
      finished_(static_cast<std::size_t>(prepared.NSIMS), false) {
  for (int t = 0; t < std::max(threads, 1); ++t) workers_.emplace_back([this] { work(); });
}

SimulationPool::~SimulationPool() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  workers_.clear();  // joins
}

void SimulationPool::work() {
  for (;;) {
    int NSIM = 0;
    {
      std::lock_guard lock(mutex_);
      if (stopping_ || next_ > prepared_.NSIMS) return;
      NSIM = next_++;
    }
    std::unique_ptr<OrvState> state;
    std::exception_ptr error;
    try {
      const auto [set, so2] = simulation_case(NSIM, prepared_.IRUNMODE);
      const OrvState* full = nullptr;
      if (repeats_sea_level(NSIM, prepared_.IRUNMODE)) {
        // Simulations 1 to 4 were handed out first, so this wait ends.
        const auto f = static_cast<std::size_t>(static_cast<int>(set) - 1);
        std::unique_lock lock(mutex_);
        done_.wait(lock, [&] { return finished_[f]; });
        if (errors_[f]) std::rethrow_exception(errors_[f]);
        full = full_[f].get();
      }
      state = simulated_state(prepared_, set, so2, NSIM, full);
    } catch (...) {
      error = std::current_exception();
    }
    {
      std::lock_guard lock(mutex_);
      const auto k = static_cast<std::size_t>(NSIM - 1);
      // The full-SO2 simulations stay for the later ones that repeat their
      // sea level.
      if (state && k < full_.size() && prepared_.NSIMS > 4) full_[k] = std::make_unique<OrvState>(*state);
      states_[k] = std::move(state);
      errors_[k] = error;
      finished_[k] = true;
    }
    done_.notify_all();
  }
}

std::unique_ptr<OrvState> SimulationPool::take(int NSIM) {
  const auto k = static_cast<std::size_t>(NSIM - 1);
  std::unique_lock lock(mutex_);
  done_.wait(lock, [&] { return finished_[k]; });
  if (errors_[k]) std::rethrow_exception(errors_[k]);
  return std::move(states_[k]);
}

int worker_count(int tasks) {
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(cores, 1, std::max(tasks, 1));
}

}  // namespace orv
