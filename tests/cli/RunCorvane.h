// Runs the built corvane host for the end-to-end tests and collects what it
// prints.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace corvane::test {

struct Outcome {
  int status;       // the exit code, -1 when the program did not exit normally
  std::string out;  // standard output (and standard error when asked for)
};

// Runs the host with the arguments (a shell word list); standard error is
// collected with the output when withErrors, and dropped otherwise.
inline Outcome Corvane(const std::string& arguments, bool withErrors = false) {
  const std::string command =
      std::string(CORVANE_CLI) + " " + arguments + (withErrors ? " 2>&1" : " 2>/dev/null");
  Outcome run{-1, {}};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace corvane::test
