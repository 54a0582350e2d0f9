// How the processes of a sweep talk to each other. Rank 0 reads and checks
// everything, hands out the work and writes the results; the other ranks
// only compute. A build with MPI talks over MPI when the program was
// started by an MPI launcher; otherwise the sweep is one process of one
// rank and nothing is sent.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace swp {

enum class MessageKind {
  Request = 1,  // a rank asks for a block
  Assign,       // rank 0 gives a block, or says there is none left
  Results,      // a block's results
  Failure,      // a rank could not compute its block: the message
};

struct Message {
  int from = 0;
  MessageKind kind = MessageKind::Request;
  std::string bytes;
};

class Transport {
 public:
  virtual ~Transport() = default;
  virtual int rank() const = 0;
  virtual int ranks() const = 0;
  // The processor cores this rank may use: the machine's, shared among the
  // ranks on the same machine.
  virtual unsigned threads() const = 0;
  // After the call every rank holds rank 0's bytes.
  virtual void broadcast(std::string& bytes) = 0;
  // Sends without waiting for the receiver.
  virtual void send(int to, MessageKind kind, std::string bytes) = 0;
  // A message to this rank, if one has arrived.
  virtual std::optional<Message> poll() = 0;
  // The next message to this rank, waiting for it.
  virtual Message receive() = 0;
  // Ends every rank of the job at once with `status`.
  [[noreturn]] virtual void abort(int status) = 0;
};

// The transport of this process: MPI's when the build has it and an MPI
// launcher started the program, else one rank. Call once, before any
// other thread starts.
std::unique_ptr<Transport> open_transport(int& argc, char**& argv);

}  // namespace swp
