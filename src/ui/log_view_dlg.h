#pragma once

#include "document/korvix_doc.h"
#include "platform/profile.h"
#include "recording/log_table.h"
#include "ui/modeless_editor_dialog.h"

class QTableView;
class QLabel;

namespace korvix {

class LogTableModel;

// "Data Log View": the loaded log as a table whose dragged column widths
// become the printed report's. The window keeps its size in the profile and
// never gets smaller than 60 percent of its first size.
class CLogViewDlg final : public ModelessEditorDialog {
  Q_OBJECT

public:
  CLogViewDlg(QWidget* mainwindow, Profile& profile);
  ~CLogViewDlg() override;

  // Columns take their widths from `widths`; those past its end start at 70.
  void SetTable(LogTable table, const std::array<int, kLogColumnCount>& widths);

  // A column dragged narrower than "XXX" springs back to that width.
  void KeepMinimumWidths();
  // Widths that changed go back into `widths`; true when any did.
  bool StoreWidths(std::array<int, kLogColumnCount>& widths) const;
  int MinimumColumnWidth() const;

  QTableView* Table() const { return m_table; }
  QLabel* Note() const { return m_note; }

  void DestroyWindow() override;

private:
  Profile& m_profile;
  QTableView* m_table;
  QLabel* m_note;
  LogTableModel* m_model = nullptr;
};

}  // namespace korvix
