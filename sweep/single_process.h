// The transport of a sweep run as one process: one rank, nothing to send.
#pragma once

#include "sweep/transport.h"

namespace swp {

class SingleProcess final : public Transport {
 public:
  int rank() const override { return 0; }
  int ranks() const override { return 1; }
  unsigned threads() const override;
  void broadcast(std::string&) override {}
  void send(int to, MessageKind kind, std::string bytes) override;
  std::optional<Message> poll() override { return std::nullopt; }
  Message receive() override;
  [[noreturn]] void abort(int status) override;
};

}  // namespace swp
