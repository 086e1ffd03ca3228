#pragma once

#include "properties/state_properties.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"

class QCheckBox;
class QComboBox;

namespace korvix {

class Latin1LineEdit;

// "Event Timer Properties": the timer's look, its time format, the time it
// starts from (or counts down from), its buttons and the module texts that
// run it.
class CEventTimerDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CEventTimerDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const EventTimerFields& fields);

  // The fields as the controls hold them.
  EventTimerFields Fields() const;

  Latin1LineEdit* m_title;
  QComboBox* m_fontsize;
  ColourSwatch* m_textcolor;
  QComboBox* m_titlewidth;
  Latin1LineEdit* m_idlabel;
  QComboBox* m_timeformat;
  Latin1LineEdit* m_resetvalue;
  QCheckBox* m_resetonrun;
  QCheckBox* m_manualbuttons;
  Latin1LineEdit* m_starttext;
  Latin1LineEdit* m_halttext;
  Latin1LineEdit* m_resettext;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void OnOK() override;
  void OnTimeFormatChange(int timeformat);
  // Once per dialog: what a reset value other than zero does.
  void ShowResetNote();
  Latin1LineEdit* FieldEdit(StateObjectField field) const;

  bool m_noteshown = false;
};

}  // namespace korvix
