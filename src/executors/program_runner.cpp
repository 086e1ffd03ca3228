#include "executors/program_runner.h"

#include <spawn.h>
#include <sys/wait.h>
#include <cerrno>
#include <cstring>

extern char** environ;

namespace korvix {
namespace {

constexpr const char* kNoProgram = "No program to run was given.";
constexpr const char* kUnclosedQuote = "The program line has a quote that is not closed:\r";
constexpr const char* kNotStarted = "The program could not be started:\r";

}  // namespace

std::optional<std::vector<std::string>> SplitCommandLine(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  bool inword = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      if (inword) words.push_back(word);
      word.clear();
      inword = false;
      continue;
    }
    inword = true;
    if (c == '\\') {
      if (i + 1 < text.size()) word += text[++i];
    } else if (c == '\'') {
      const size_t end = text.find('\'', i + 1);
      if (end == std::string::npos) return std::nullopt;
      word += text.substr(i + 1, end - i - 1);
      i = end;
    } else if (c == '"') {
      size_t j = i + 1;
      for (; j < text.size() && text[j] != '"'; ++j) {
        if (text[j] == '\\' && j + 1 < text.size() && std::strchr("\"\\$`", text[j + 1])) ++j;
        word += text[j];
      }
      if (j >= text.size()) return std::nullopt;
      i = j;
    } else {
      word += c;
    }
  }
  if (inword) words.push_back(word);
  return words;
}

SpawnProgramRunner::~SpawnProgramRunner() { ReapFinished(); }

void SpawnProgramRunner::ReapFinished() {
  std::erase_if(m_children, [](pid_t child) { return ::waitpid(child, nullptr, WNOHANG) != 0; });
}

std::string SpawnProgramRunner::RunProgram(const std::string& commandline) {
  ReapFinished();
  const auto words = SplitCommandLine(commandline);
  if (!words) return kUnclosedQuote + commandline;
  if (words->empty()) return kNoProgram;
  std::vector<char*> argv;
  for (const std::string& word : *words) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  const int error = ::posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ);
  if (error != 0) return kNotStarted + commandline + "\r" + std::strerror(error);
  m_children.push_back(child);
  return {};
}

}  // namespace korvix
