#include "frontend/process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "frontend/install_dirs.h"
#include "records/record_io.h"

namespace fe {

int run_program(const std::string& exe, const std::vector<std::string>& args, const std::string& dir,
                const std::string& log, const std::vector<std::pair<std::string, std::string>>& env) {
  // Everything the child needs is prepared before fork: after it, only
  // async-signal-safe calls are allowed.
  std::vector<std::string> env_text;
  for (char** e = environ; *e; ++e) {
    std::string_view v(*e);
    bool replaced = false;
    for (auto& [k, val] : env) replaced |= v.substr(0, v.find('=')) == k;
    if (!replaced) env_text.emplace_back(v);
  }
  for (auto& [k, val] : env) env_text.push_back(k + "=" + val);
  std::vector<char*> envp;
  for (auto& s : env_text) envp.push_back(s.data());
  envp.push_back(nullptr);
  std::vector<std::string> argv_text{exe};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& s : argv_text) argv.push_back(s.data());
  argv.push_back(nullptr);

  int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) rec::fail(log, 0, std::string("cannot create the log: ") + std::strerror(errno));
  pid_t pid = ::fork();
  if (pid < 0) {
    ::close(fd);
    throw rec::Error(std::string("cannot start ") + exe + ": " + std::strerror(errno));
  }
  if (pid == 0) {
    if (::chdir(dir.c_str()) != 0 || ::dup2(fd, 1) < 0 || ::dup2(fd, 2) < 0) ::_exit(126);
    int nul = ::open("/dev/null", O_RDONLY);
    if (nul >= 0) ::dup2(nul, 0);
    ::execve(exe.c_str(), argv.data(), envp.data());
    static const char msg[] = "cannot execute the program\n";
    [[maybe_unused]] auto n = ::write(2, msg, sizeof msg - 1);
    ::_exit(127);
  }
  ::close(fd);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) throw rec::Error(std::string("waiting for ") + exe + ": " + std::strerror(errno));
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return 128 + WTERMSIG(status);
}

std::string program_dir() {
  if (const char* d = std::getenv("TOOLKIT_BIN_DIR"); d && *d) return d;
  return executable_dir();
}

}  // namespace fe
