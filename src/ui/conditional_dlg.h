#pragma once

#include <string>
#include <vector>

#include "automationedit/conditional_properties.h"
#include "platform/message_sink.h"
#include "ui/modeless_editor_dialog.h"

class QListWidget;
class QPushButton;

namespace korvix {

class Latin1LineEdit;
class Latin1TextEdit;

// "Conditional Properties": a Conditional's ID Label and expression, with
// the expression helpers at hand, and the steps of its action Script shown
// for reading only, no line selectable; "Edit Script" asks the view to open
// them for editing.
// "Close" checks the fields itself, then leaves the uniqueness check to the
// view through the close request; Esc and the close box cancel.
class CConditionalDlg final : public ModelessEditorDialog {
  Q_OBJECT

public:
  // `messages` shows the dialog's own refusals; `namelist` is the
  // referable-name list as the dialog opened.
  CConditionalDlg(QWidget* mainwindow, MessageSink& messages, const ConditionalFields& fields, std::string namelist);

  // The fields as typed, the expression with CR LF line breaks.
  ConditionalFields Fields() const;
  void ShowSteps(const std::vector<std::string>& lines);
  void FocusField(ConditionalField field);
  void FocusClose();

  int m_closerequest = 0;
  int m_editscript = 0;

  Latin1LineEdit* IdLabelEdit() const { return m_idlabel; }
  Latin1TextEdit* ExpressionEdit() const { return m_expression; }
  QListWidget* StepList() const { return m_steps; }

  void accept() override;

private:
  void ShowFields(const ConditionalFields& fields);
  void OnEditScript();
  void OnExpressionExamples();
  void OnObjectIdLabels();

  MessageSink& m_messages;
  std::string m_namelist;
  Latin1LineEdit* m_idlabel;
  Latin1TextEdit* m_expression;
  QListWidget* m_steps;
  QPushButton* m_close;
};

}  // namespace korvix
