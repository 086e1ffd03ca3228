#include "runmode/runtime_run_services.h"

#include "texts/label_texts.h"

namespace korvix {

void RuntimeRunServices::ShowPopupBox(const std::string& title, const std::string& message) {
  m_runtime.Popup().Show(title, message);
}

void RuntimeRunServices::LogDataToFile() { m_runtime.WriteDataLogRecord(); }

void RuntimeRunServices::StartChartRecorderAction(const std::string& label) {
  for (int i = 0; i < m_doc.m_chartrecorders.Count(); ++i) {
    if (m_runtime.Charts().IsRunning(i) || !LabelsEqual(m_doc.m_chartrecorders[i].idlabel, label)) continue;
    m_runtime.StartChartRecorder(i);
  }
}

void RuntimeRunServices::HaltChartRecorderAction(const std::string& label) {
  for (int i = 0; i < m_doc.m_chartrecorders.Count(); ++i) {
    if (LabelsEqual(m_doc.m_chartrecorders[i].idlabel, label)) m_runtime.Charts().HaltChartRecorder(i);
  }
}

void RuntimeRunServices::ReopenComPort() {
  ComLink& link = m_runtime.Link();
  link.CloseComPort();
  // The port is forgotten when it will not open again, as after any port
  // failure.
  const int port = m_runtime.SelectedComPort();
  if (port >= 0 && link.OpenComPort(port) != 1) m_runtime.ForgetComPort();
}

}  // namespace korvix
