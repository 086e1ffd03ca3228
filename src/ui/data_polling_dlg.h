#pragma once

#include "automationedit/run_loop_settings.h"
#include "ui/property_dialog.h"

namespace korvix {

class Latin1LineEdit;

// "Data Polling Properties": the polling round's timing, each field a whole
// number that our check reads rather than a validator that would swallow
// keys without a word.
class CDataPollingDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CDataPollingDlg(QWidget* parent, MessageSink& messages, const PollingFields& fields);

  PollingFields Fields() const;

  Latin1LineEdit* FieldEdit(PollingField field) const;
  QPushButton* UseDefaultButton() const { return m_usedefault; }

protected:
  void OnOK() override;

private:
  void ShowFields(const PollingFields& fields);

  Latin1LineEdit* m_delay;
  Latin1LineEdit* m_wait;
  Latin1LineEdit* m_retries;
  QPushButton* m_usedefault;
};

}  // namespace korvix
