#include "sweep/block_dealer.h"

#include <exception>

#include "sweep/packing.h"

namespace swp {

namespace {

constexpr std::uint64_t NO_BLOCK = ~std::uint64_t{0};

std::string block_number(std::uint64_t b) {
  Packer p;
  p.put(b);
  return p.take();
}

std::string block_results(std::size_t b, const std::string& results) {
  Packer p;
  p.put(static_cast<std::uint64_t>(b));
  p.put(results);
  return p.take();
}

class Dealer {
 public:
  Dealer(Transport& t, std::size_t blocks, const TakeResults& take) : t_(t), blocks_(blocks), take_(take) {}

  void run(const ComputeBlock& compute) {
    const std::function<void()> serve = [this] {
      while (auto m = t_.poll()) handle(*m);
    };
    while (next_ < blocks_) {
      const std::size_t b = next_++;
      take_(b, compute(b, serve));
      ++received_;
      serve();
    }
    while (received_ < blocks_ || finished_ranks_ < t_.ranks() - 1) handle(t_.receive());
  }

 private:
  void handle(const Message& m) {
    switch (m.kind) {
      case MessageKind::Request:
        if (next_ < blocks_) {
          t_.send(m.from, MessageKind::Assign, block_number(next_++));
        } else {
          t_.send(m.from, MessageKind::Assign, block_number(NO_BLOCK));
          ++finished_ranks_;
        }
        break;
      case MessageKind::Results: {
        Unpacker u(m.bytes, "the results of rank " + std::to_string(m.from));
        const std::uint64_t b = u.u64();
        std::string results = u.text();
        u.finish();
        take_(b, std::move(results));
        ++received_;
        break;
      }
      case MessageKind::Failure: throw SweepFailed(m.bytes);
      case MessageKind::Assign: throw std::logic_error("rank 0 was sent a block");
    }
  }

  Transport& t_;
  std::size_t blocks_;
  const TakeResults& take_;
  std::size_t next_ = 0, received_ = 0;
  int finished_ranks_ = 0;
};

std::uint64_t assigned_block(Transport& t) {
  const Message m = t.receive();
  if (m.kind != MessageKind::Assign) throw std::logic_error("a rank was sent something other than a block");
  Unpacker u(m.bytes, "a block number from rank 0");
  const std::uint64_t b = u.u64();
  u.finish();
  return b;
}

void compute_assigned(Transport& t, const ComputeBlock& compute) {
  const std::function<void()> nothing = [] {};
  t.send(0, MessageKind::Request, {});
  std::uint64_t next = assigned_block(t);
  while (next != NO_BLOCK) {
    const std::uint64_t b = next;
    t.send(0, MessageKind::Request, {});
    std::string results;
    try {
      results = compute(static_cast<std::size_t>(b), nothing);
    } catch (const std::exception& e) {
      report_failure(t, e.what());
    }
    t.send(0, MessageKind::Results, block_results(static_cast<std::size_t>(b), results));
    next = assigned_block(t);
  }
}

}  // namespace

void report_failure(Transport& t, const std::string& message) {
  // Rank 0 ends the job when it reads the failure.
  t.send(0, MessageKind::Failure, message);
  for (;;) t.receive();
}

void deal_blocks(Transport& t, std::size_t blocks, const ComputeBlock& compute, const TakeResults& take) {
  if (t.rank() == 0) Dealer(t, blocks, take).run(compute);
  else compute_assigned(t, compute);
}

}  // namespace swp
