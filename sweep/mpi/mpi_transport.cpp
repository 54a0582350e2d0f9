// The transport over MPI, when an MPI launcher started the program.
#include <mpi.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <list>
#include <stdexcept>
#include <thread>

#include "sweep/single_process.h"

namespace swp {

namespace {

void check(int code, const char* call) {
  if (code != MPI_SUCCESS) throw std::runtime_error(std::string("MPI call ") + call + " failed");
}

// The launchers of Open MPI and of the process-management interface set
// these in every process they start.
bool started_by_mpi_launcher() {
  return std::getenv("OMPI_COMM_WORLD_SIZE") || std::getenv("PMIX_RANK") || std::getenv("PMI_RANK");
}

unsigned local_ranks() {
  const char* n = std::getenv("OMPI_COMM_WORLD_LOCAL_SIZE");
  return n ? static_cast<unsigned>(std::max(std::atoi(n), 1)) : 1u;
}

class MpiTransport final : public Transport {
 public:
  MpiTransport(int& argc, char**& argv) {
    int provided = 0;
    check(MPI_Init_thread(&argc, &argv, MPI_THREAD_FUNNELED, &provided), "MPI_Init_thread");
    check(MPI_Comm_rank(MPI_COMM_WORLD, &rank_), "MPI_Comm_rank");
    check(MPI_Comm_size(MPI_COMM_WORLD, &ranks_), "MPI_Comm_size");
  }
  MpiTransport(const MpiTransport&) = delete;
  MpiTransport& operator=(const MpiTransport&) = delete;
  ~MpiTransport() override {
    // What this rank sent must arrive before MPI ends.
    for (Pending& p : pending_) MPI_Wait(&p.request, MPI_STATUS_IGNORE);
    MPI_Finalize();
  }

  int rank() const override { return rank_; }
  int ranks() const override { return ranks_; }
  unsigned threads() const override { return std::max(std::thread::hardware_concurrency() / local_ranks(), 1u); }

  void broadcast(std::string& bytes) override {
    unsigned long long size = bytes.size();
    check(MPI_Bcast(&size, 1, MPI_UNSIGNED_LONG_LONG, 0, MPI_COMM_WORLD), "MPI_Bcast");
    bytes.resize(size);
    // MPI counts are ints: a large broadcast goes in pieces.
    for (unsigned long long at = 0; at < size;) {
      const int piece = static_cast<int>(std::min<unsigned long long>(size - at, INT_MAX));
      check(MPI_Bcast(bytes.data() + at, piece, MPI_CHAR, 0, MPI_COMM_WORLD), "MPI_Bcast");
      at += static_cast<unsigned long long>(piece);
    }
  }

  void send(int to, MessageKind kind, std::string bytes) override {
    if (bytes.size() > INT_MAX) throw std::runtime_error("a message of more than 2 GB cannot be sent");
    finish_sent();
    pending_.push_back({MPI_REQUEST_NULL, std::move(bytes)});
    Pending& p = pending_.back();
    check(MPI_Isend(p.bytes.data(), static_cast<int>(p.bytes.size()), MPI_CHAR, to, static_cast<int>(kind),
                    MPI_COMM_WORLD, &p.request),
          "MPI_Isend");
  }

  std::optional<Message> poll() override {
    finish_sent();
    int arrived = 0;
    MPI_Status status;
    check(MPI_Iprobe(MPI_ANY_SOURCE, MPI_ANY_TAG, MPI_COMM_WORLD, &arrived, &status), "MPI_Iprobe");
    if (!arrived) return std::nullopt;
    return take(status);
  }

  Message receive() override {
    finish_sent();
    MPI_Status status;
    check(MPI_Probe(MPI_ANY_SOURCE, MPI_ANY_TAG, MPI_COMM_WORLD, &status), "MPI_Probe");
    return take(status);
  }

  [[noreturn]] void abort(int status) override {
    MPI_Abort(MPI_COMM_WORLD, status);
    std::exit(status);
  }

 private:
  struct Pending {
    MPI_Request request;
    std::string bytes;
  };

  Message take(const MPI_Status& status) {
    int count = 0;
    check(MPI_Get_count(&status, MPI_CHAR, &count), "MPI_Get_count");
    Message m;
    m.from = status.MPI_SOURCE;
    m.kind = static_cast<MessageKind>(status.MPI_TAG);
    m.bytes.resize(static_cast<std::size_t>(count));
    check(
        MPI_Recv(m.bytes.data(), count, MPI_CHAR, status.MPI_SOURCE, status.MPI_TAG, MPI_COMM_WORLD, MPI_STATUS_IGNORE),
        "MPI_Recv");
    return m;
  }

  // Drops the sends that have completed.
  void finish_sent() {
    for (auto it = pending_.begin(); it != pending_.end();) {
      int done = 0;
      check(MPI_Test(&it->request, &done, MPI_STATUS_IGNORE), "MPI_Test");
      it = done ? pending_.erase(it) : std::next(it);
    }
  }

  int rank_ = 0, ranks_ = 1;
  std::list<Pending> pending_;  // a list: a request's buffer must not move
};

}  // namespace

std::unique_ptr<Transport> open_transport(int& argc, char**& argv) {
  if (!started_by_mpi_launcher()) return std::make_unique<SingleProcess>();
  return std::make_unique<MpiTransport>(argc, argv);
}

}  // namespace swp
