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

std::unique_ptr<OrvState> SimulationPool::spare_state() {
  {
    std::lock_guard lock(mutex_);
    if (!spare_.empty()) {
      auto s = std::move(spare_.back());
      spare_.pop_back();
      return s;
    }
  }
  return std::make_unique<OrvState>(prepared_);
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
    const auto [set, so2] = simulation_case(NSIM, prepared_.IRUNMODE);
    const auto s = static_cast<std::size_t>(static_cast<int>(set) - 1);
    const auto k = static_cast<std::size_t>(NSIM - 1);
    SharedHistory shared;
    try {
      if (repeats_sea_level(NSIM, prepared_.IRUNMODE)) {
        // Simulations 1 to 4 were handed out first, so this wait ends.
        {
          std::unique_lock lock(mutex_);
          done_.wait(lock, [&] { return finished_[s]; });
          if (errors_[s]) std::rethrow_exception(errors_[s]);
        }
        state = spare_state();
        simulate_further_case(*state, prepared_, shared_[s], set, so2, NSIM);
      } else {
        state = spare_state();
        shared = simulate_full_so2(*state, prepared_, set, NSIM);
      }
    } catch (...) {
      error = std::current_exception();
      state.reset();
    }
    {
      std::lock_guard lock(mutex_);
      // The full-SO2 simulations leave their history to the later ones.
      if (k < shared_.size() && prepared_.NSIMS > 4) shared_[k] = std::move(shared);
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

void SimulationPool::give_back(std::unique_ptr<OrvState> state) {
  std::lock_guard lock(mutex_);
  spare_.push_back(std::move(state));
}

int worker_count(int tasks) {
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(cores, 1, std::max(tasks, 1));
}

}  // namespace orv
