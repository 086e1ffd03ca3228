#pragma once

#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "properties/chart_recorder_properties.h"
#include "ui/colour_swatch.h"
#include "ui/modeless_editor_dialog.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

namespace korvix {

class Latin1LineEdit;

// "Chart Recorder Properties": the recorder's settings, which "Close" hands
// back once they pass their checks, and its data fields, whose buttons
// only raise requests for the view function to serve at once.
class CChartRecorderDlg final : public ModelessEditorDialog {
  Q_OBJECT

public:
  CChartRecorderDlg(QWidget* mainwindow, MessageSink& messages, const ColourChooser& chooser,
                    const ChartRecorderSettings& settings);

  // The settings as "Close" accepted them.
  const ChartRecorderSettings& Settings() const { return m_settings; }

  // "Available Data Fields", nothing selected.
  void FillNameControl(const std::vector<std::string>& labels);
  // "Current Data Fields" in display order with `select` selected (-1: none).
  void FillChartFieldList(const std::vector<std::string>& lines, int select);
  // The selected line, -1 when none.
  int AvailableLine() const;
  int CurrentLine() const;
  std::string AvailableLabel() const;
  // Buttons and swatch follow the two lists' selections.
  void EnableControls();
  // "Plot File Name" trimmed of blanks, shown again as trimmed.
  std::string TrimmedPlotFile();
  // A recalled plot is not to be wiped by the next Run-Loop start.
  void ClearAutostart();

  void accept() override { OnOK(); }

  int m_accepted = 0;
  int m_add = 0;
  int m_remove = 0;
  int m_moveup = 0;
  int m_movedown = 0;
  int m_save = 0;
  int m_recall = 0;

  Latin1LineEdit* m_plotfile;
  QComboBox* m_fontsize;
  QComboBox* m_hdivsel;
  QComboBox* m_vdivsel;
  Latin1LineEdit* m_scanrate;
  Latin1LineEdit* m_span;
  QComboBox* m_spanunit;
  Latin1LineEdit* m_idlabel;
  QCheckBox* m_autostart;
  QListWidget* m_available;
  QListWidget* m_current;
  QPushButton* m_addbutton;
  QPushButton* m_removebutton;
  QPushButton* m_moveupbutton;
  QPushButton* m_movedownbutton;
  QPushButton* m_savebutton;
  QPushButton* m_recallbutton;
  ColourSwatch* m_colour;
  QPushButton* m_closebutton;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  void OnOK();
  Latin1LineEdit* EntryEdit(ChartRecorderEntry entry) const;

  MessageSink& m_messages;
  ChartRecorderSettings m_settings;
};

}  // namespace korvix
