#pragma once

#include <string>

namespace korvix {

// The actions that reach outside the program, each behind a small layer so
// that the executors never block and tests can see what was asked.
class SoundPlayer {
public:
  virtual ~SoundPlayer() = default;
  // Starts playing and returns at once; true when the file could be read.
  virtual bool PlaySoundFile(const std::string& path) = 0;
};

class ProgramRunner {
public:
  virtual ~ProgramRunner() = default;
  // Starts the program without waiting for it; "" when it started, else why
  // it did not.
  virtual std::string RunProgram(const std::string& commandline) = 0;
};

class TelephoneLine {
public:
  virtual ~TelephoneLine() = default;
  // Dials and leaves the line ringing; "" when the call is up, else why not.
  virtual std::string Dial(const std::string& number) = 0;
  virtual void HangUp() = 0;
};

class EmailReporter {
public:
  virtual ~EmailReporter() = default;
  // Texts arrive with their label references expanded.
  virtual void SendEmailReport(const std::string& address, const std::string& message) = 0;
  // Sends handed over whose result has not come back yet.
  virtual int SendsInFlight() const = 0;
};

class LabelPrinter {
public:
  virtual ~LabelPrinter() = default;
  virtual void PrintLabel(const std::string& printer, const std::string& text, int fontsize, const std::string& barcode,
                          int barsize) = 0;
};

struct OutsideActions {
  SoundPlayer& sound;
  ProgramRunner& programs;
  TelephoneLine& telephone;
  EmailReporter& email;
  LabelPrinter& printer;
};

}  // namespace korvix
