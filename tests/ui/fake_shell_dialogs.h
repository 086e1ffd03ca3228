#pragma once

#include <deque>
#include <string>

#include "ui/shell_dialogs.h"

namespace korvix {

// Answers the shell's questions from queues and counts what was asked.
class FakeShellDialogs final : public ShellDialogs {
public:
  bool installanswer = false;
  int offers = 0;
  int newinversion = 0;
  int abouts = 0;
  std::string aboutversion;
  std::deque<std::string> openanswers;
  std::deque<std::string> saveanswers;
  std::deque<SaveChoice> savechoices;
  std::deque<std::string> passwords;  // an empty queue cancels
  std::string lastsuggested;
  std::string lastprojectname;
  int savequestions = 0;

  bool OfferUpdate(QWidget*) override {
    ++offers;
    return installanswer;
  }
  void ShowNewInVersion(QWidget*) override { ++newinversion; }
  void ShowAbout(QWidget*, const std::string& versiontext) override {
    ++abouts;
    aboutversion = versiontext;
  }
  std::string AskOpenFileName(QWidget*, const std::string&) override { return Take(openanswers); }
  std::string AskSaveFileName(QWidget*, const std::string& suggested) override {
    lastsuggested = suggested;
    return Take(saveanswers);
  }
  SaveChoice AskSaveChanges(QWidget*, const std::string& projectname) override {
    ++savequestions;
    lastprojectname = projectname;
    if (savechoices.empty()) return SaveChoice::Cancel;
    const SaveChoice choice = savechoices.front();
    savechoices.pop_front();
    return choice;
  }
  bool AskPassword(QWidget*, std::string& password) override {
    if (passwords.empty()) return false;
    password = Take(passwords);
    return true;
  }

private:
  static std::string Take(std::deque<std::string>& queue) {
    if (queue.empty()) return {};
    std::string answer = queue.front();
    queue.pop_front();
    return answer;
  }
};

}  // namespace korvix
