// Running the bdemorvelt binary from a test: to its end, or killed midway.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace intake_test {

// The binary under test (set by CTest), or empty.
inline std::string WorkerBinary() {
  const char* bin = std::getenv("BDEMORVELT_BIN");
  return bin && *bin ? bin : "";
}

// How the binary is started: through a launcher program (its path and
// arguments, placed before the binary's), with variables added to or
// replacing those of the environment.
struct Launch {
  std::vector<std::string> launcher;
  std::vector<std::string> environment;  // NAME=VALUE
};

// One started program with its working directory, process objects in
// `ipcDir`, standard input from `inputFile` (or /dev/null) and standard
// output into `outputFile`.
class Program {
 public:
  Program(const std::string& workDir, const std::string& ipcDir, const std::vector<std::string>& args,
          const std::string& inputFile, const std::string& outputFile, const Launch& launch = {}) {
    std::vector<std::string> argStore = launch.launcher;
    argStore.push_back(WorkerBinary());
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<std::string> added = launch.environment;
    added.push_back("BDEMORVELT_IPC_DIR=" + ipcDir);
    std::vector<std::string> envStore;
    for (char** e = environ; *e; ++e) {
      const std::string entry = *e;
      bool replaced = false;
      for (const std::string& a : added) replaced |= entry.compare(0, a.find('=') + 1, a, 0, a.find('=') + 1) == 0;
      if (!replaced) envStore.push_back(entry);
    }
    envStore.insert(envStore.end(), added.begin(), added.end());
    std::vector<char*> argv, envp;
    for (auto& a : argStore) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& e : envStore) envp.push_back(e.data());
    envp.push_back(nullptr);
    const std::string in = inputFile.empty() ? "/dev/null" : inputFile;
    pid_ = fork();
    if (pid_ == 0) {
      // Only async-signal-safe calls between fork and exec.
      int i = open(in.c_str(), O_RDONLY);
      int o = open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (i < 0 || o < 0 || chdir(workDir.c_str()) != 0) _exit(126);
      dup2(i, 0);
      dup2(o, 1);
      dup2(o, 2);
      execve(argv[0], argv.data(), envp.data());
      _exit(127);
    }
  }
  ~Program() { kill9(); }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The exit code, or -1 when it was killed or could not run.
  int wait() {
    if (pid_ <= 0) return -1;
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  // Asks the program to stop (SIGTERM) and waits for its exit code.
  int terminate() {
    if (pid_ <= 0) return -1;
    kill(pid_, SIGTERM);
    return wait();
  }

  void kill9() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    wait();
  }

 private:
  pid_t pid_ = -1;
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace intake_test
