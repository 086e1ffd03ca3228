#pragma once

#include <initializer_list>
#include <string>

#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;

namespace korvix {

class Latin1LineEdit;

// The Rocker Switch and Slider Control dialogs: both show a title, start
// from a value or from a module's answer, and send to and report through two
// ID Labels; each adds its own communications and function groups. The
// groups are built in the order they are laid out, so the tab order follows
// the columns.
class ValueSenderDlg : public PropertyDialog {
  Q_OBJECT

public:
  Latin1LineEdit* m_title;
  QComboBox* m_fontsize;
  ColourSwatch* m_textcolor;
  QButtonGroup* m_initmode;
  Latin1LineEdit* m_startvalue;
  Latin1LineEdit* m_getcommand;
  QComboBox* m_valuetype;
  QCheckBox* m_responseexpected = nullptr;
  Latin1LineEdit* m_responseto = nullptr;
  Latin1LineEdit* m_sendvalueto = nullptr;

protected:
  // "Screen Text" and "Initialization", with one start radio per `initmodes`.
  template <class Fields>
  ValueSenderDlg(QWidget* parent, MessageSink& messages, const char* caption, const char* helptopic,
                 const ColourChooser& chooser, std::initializer_list<const char*> initmodes, const Fields& fields);

  // The two ID Labels, each with its selector, once the communications
  // group is built.
  template <class Fields>
  void AddMonitoringGroup(const char* caption, const Fields& fields, const std::string& namelist);
  // `communications`, which holds `m_responseexpected`, below the opening
  // groups; the ID Labels and then `right` beside them. The enables follow
  // the start and the response setting from here on.
  void LayOut(QGroupBox* communications, std::initializer_list<QWidget*> right);

  template <class Fields>
  void ReadShared(Fields& fields) const;
  // The texts as the OK check cleaned them.
  template <class Fields>
  void ShowCleaned(const Fields& fields);

private:
  // Only the fields that the chosen start and the response setting use can
  // be edited.
  void EnableControls();

  QGroupBox* m_screentext;
  QGroupBox* m_initialization;
  QGroupBox* m_monitoring = nullptr;
};

}  // namespace korvix
