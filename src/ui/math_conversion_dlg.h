#pragma once

#include <QDialog>
#include <string>

#include "platform/message_sink.h"

class QPushButton;

namespace korvix {

class Latin1LineEdit;
class Latin1TextEdit;

// Edits one math formula and the ID Label that receives its result. The
// target can be fixed (shown, not edited); otherwise moving into it offers
// the ID Label Selector.
class CMathConversionDlg final : public QDialog {
  Q_OBJECT

public:
  CMathConversionDlg(QWidget* parent, MessageSink& messages, std::string namelist, std::string formula,
                     std::string target, int targetfixed);

  // Both trimmed, after OK; unchanged after Cancel.
  const std::string& Formula() const { return m_formula; }
  const std::string& Target() const { return m_target; }

  void accept() override;

protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void OpenTargetSelector();

  MessageSink& m_messages;
  std::string m_formula;
  std::string m_target;
  // The field whose selector is open, or that must not open it on its next
  // focus.
  QWidget* m_selectorctl = nullptr;
  std::string m_namelist;
  int m_targetfixed;
  Latin1LineEdit* m_targetedit;
  Latin1TextEdit* m_formulaedit;
  QPushButton* m_ok;
};

}  // namespace korvix
