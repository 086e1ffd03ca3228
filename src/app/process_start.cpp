#include "app/process_start.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace korvix {

bool StartDetachedProcess(const std::string& program, const std::vector<std::string>& arguments, std::string& error) {
  // Everything the children need is built before fork: after it only
  // async-signal-safe calls are allowed.
  std::vector<std::string> words;
  words.push_back(program);
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) {
    error = std::strerror(errno);
    return false;
  }
  const pid_t middle = fork();
  if (middle < 0) {
    error = std::strerror(errno);
    close(report[0]);
    close(report[1]);
    return false;
  }
  if (middle == 0) {
    close(report[0]);
    setsid();
    const pid_t grandchild = fork();
    if (grandchild == 0) {
      execv(argv[0], argv.data());
      const int failure = errno;
      ssize_t ignored = write(report[1], &failure, sizeof failure);
      (void)ignored;
      _exit(127);
    }
    _exit(grandchild < 0 ? 1 : 0);
  }
  close(report[1]);
  int status = 0;
  while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
  }
  // The pipe closes on a successful exec; otherwise it carries the errno.
  int failure = 0;
  ssize_t got;
  do {
    got = read(report[0], &failure, sizeof failure);
  } while (got < 0 && errno == EINTR);
  close(report[0]);
  if (got == static_cast<ssize_t>(sizeof failure)) {
    error = std::strerror(failure);
    return false;
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    error = "the process could not be forked";
    return false;
  }
  return true;
}

}  // namespace korvix
