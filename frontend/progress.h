// Progress lines of the front end's long commands: "[k/n] what ... done
// 0.45 s", with a dot for each tenth of a long step.
#pragma once

#include <chrono>
#include <cstdio>
#include <ostream>
#include <string>

namespace fe {

class Progress {
 public:
  Progress(int steps, std::ostream& out) : steps_(steps), out_(out) {}
  void start(const std::string& what) {
    char head[96];
    std::snprintf(head, sizeof head, "[%d/%d] %-52s", ++step_, steps_, what.c_str());
    out_ << head << std::flush;
    t0_ = std::chrono::steady_clock::now();
  }
  void tick() { out_ << '.' << std::flush; }
  void done(const std::string& note = "") {
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0_).count();
    char tail[48];
    std::snprintf(tail, sizeof tail, " done %6.2f s", secs);
    out_ << tail << (note.empty() ? "" : " (" + note + ")") << "\n";
  }

 private:
  int steps_, step_ = 0;
  std::ostream& out_;
  std::chrono::steady_clock::time_point t0_;
};

}  // namespace fe
