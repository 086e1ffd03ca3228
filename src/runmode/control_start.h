#pragma once

#include <string>

#include "comms/com_link.h"
#include "dispatch/run_values.h"
#include "document/korvix_doc.h"
#include "platform/message_sink.h"

namespace korvix {

// Rocker Switches and Slider Controls take their start mode at the start of
// a run: send their start value, ask the module for it, or hold none. This
// is the start, not a pass, so the short waits for the module are allowed.
class ControlStart {
public:
  ControlStart(CKorvixDoc& doc, ComLink& link, RunValues& values, MessageSink& sink)
      : m_doc(doc), m_link(link), m_values(values), m_sink(sink) {}

  void StartControls();

private:
  // The control's value after its start mode; "Error" when it failed.
  std::string StartValue(int initmode, const std::string& startvalue, const std::string& sendprefix,
                         const std::string& getcommand, int valuetype);
  bool SendWithRetry(const std::string& command);

  CKorvixDoc& m_doc;
  ComLink& m_link;
  RunValues& m_values;
  MessageSink& m_sink;
};

}  // namespace korvix
