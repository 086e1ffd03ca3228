#pragma once

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "runloop/view_runtime.h"

namespace korvix::testing {

// Shows each message as a real modal box that the operator leaves open for
// a while, and notes what the Run-Loop did meanwhile.
class OperatorSink final : public MessageSink {
public:
  explicit OperatorSink(int boxopenms) : m_boxopenms(boxopenms) {}

  ViewRuntime* runtime = nullptr;
  std::vector<std::string> captions;
  std::vector<std::string> texts;
  bool runningatbox = false;
  int portatbox = 0;
  uint64_t passesbefore = 0;
  uint64_t passesafter = 0;

protected:
  MessageResult Present(const std::string& caption, const std::string& text, MessageIcon, MessageButtons) override {
    captions.push_back(caption);
    texts.push_back(text);
    runningatbox = runtime->IsRunning();
    portatbox = runtime->SelectedComPort();
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok);
    QTimer::singleShot(m_boxopenms, &box, [&box] { box.done(QMessageBox::Ok); });
    passesbefore = runtime->PassCount();
    box.exec();
    passesafter = runtime->PassCount();
    return MessageResult::Ok;
  }

private:
  int m_boxopenms;
};

}  // namespace korvix::testing
