#pragma once

#include <string>

#include "automationedit/run_loop_settings.h"
#include "ui/property_dialog.h"

class QCheckBox;

namespace korvix {

class Latin1LineEdit;
class Latin1TextEdit;

// "Run-Loop Initialization": the commands sent before the Run-Loop starts
// and after it exits, the start Script and two options.
class CRunLoopInitDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CRunLoopInitDlg(QWidget* parent, MessageSink& messages, const RunLoopInitFields& fields, std::string namelist);

  RunLoopInitFields Fields() const;

  Latin1TextEdit* InitCommandsEdit() const { return m_initcommands; }
  Latin1LineEdit* StartScriptEdit() const { return m_startscript; }
  Latin1TextEdit* ExitCommandsEdit() const { return m_exitcommands; }

protected:
  void OnOK() override;

private:
  void ShowFields(const RunLoopInitFields& fields);

  std::string m_namelist;
  Latin1TextEdit* m_initcommands;
  QCheckBox* m_autostart;
  QCheckBox* m_retransmit;
  Latin1LineEdit* m_startscript;
  Latin1TextEdit* m_exitcommands;
};

}  // namespace korvix
