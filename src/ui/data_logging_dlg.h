#pragma once

#include <string>
#include <vector>

#include "properties/data_logging_properties.h"
#include "ui/modeless_editor_dialog.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace korvix {

class Latin1LineEdit;

// "Data Logging Properties": the log's files, interval and clear schedule,
// and the two lists that choose and order the logged columns. Its buttons
// raise the requests that OnRunLoopDataLogging serves.
class CDataLoggingDlg final : public ModelessEditorDialog {
  Q_OBJECT

public:
  CDataLoggingDlg(QWidget* mainwindow, const DataLoggingFields& fields);

  DataLoggingFields Fields() const;
  void SetFileName(const std::string& name);
  void FocusField(DataLoggingField field);

  // Each list emptied and refilled, with line `selected` selected (-1: none).
  void FillAvailableFields(const std::vector<std::string>& fields, int selected);
  void FillLoggedFields(const std::vector<std::string>& fields, int selected);
  int AvailableSelection() const;
  int LoggedSelection() const;
  void EnableButtons();

  int m_accept = 0;
  int m_viewfile = 0;
  int m_clearfile = 0;
  int m_reportsetup = 0;
  int m_printreport = 0;
  int m_add = 0;
  int m_remove = 0;
  int m_moveup = 0;
  int m_movedown = 0;
  int m_closerequest = 0;

  QListWidget* m_available;
  QListWidget* m_logged;
  QPushButton* m_addbutton;
  QPushButton* m_removebutton;
  QPushButton* m_upbutton;
  QPushButton* m_downbutton;
  QPushButton* m_closebutton;
  Latin1LineEdit* m_interval;
  QComboBox* m_unit;
  Latin1LineEdit* m_file;
  Latin1LineEdit* m_overflow;
  QComboBox* m_schedule;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace korvix
