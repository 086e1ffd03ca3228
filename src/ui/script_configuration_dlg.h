#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/modeless_editor_dialog.h"

class QListWidget;
class QPushButton;

namespace korvix {

class Latin1LineEdit;
class Profile;

// "Script Configuration": the step palette, the Script's step list, its ID
// Label and the buttons that raise the editor's requests. "Close", Enter
// and Esc only raise the close request, which the view checks; the window
// has no close box. Its size comes from the profile and goes back there
// when it is destroyed.
class CScriptConfigurationDlg final : public ModelessEditorDialog {
  Q_OBJECT

public:
  // An action Script's label is shown but cannot be edited.
  CScriptConfigurationDlg(QWidget* mainwindow, Profile& profile, const std::string& idlabel, bool actionscript);
  ~CScriptConfigurationDlg() override;

  // Shows the window at its stored size; it cannot then be made narrower
  // than 80 % of that width nor lower than that height.
  void Open();
  void DestroyWindow() override;

  std::string IdLabel() const;
  void ShowIdLabel(const std::string& label);
  void FocusIdLabel();

  void FillScriptStepList(const std::vector<std::string>& lines, int select);
  std::optional<int> SelectedStep() const;
  // The selected palette line; empty for none.
  std::string PaletteLine() const;
  void ClearPaletteSelection();
  void SetEnables(bool addstep, bool step, bool editstep, bool paste);

  void accept() override { m_closerequest = 1; }
  void reject() override { m_closerequest = 1; }

  int m_addstep = 0;
  int m_editstep = 0;
  int m_deletestep = 0;
  int m_moveup = 0;
  int m_movedown = 0;
  int m_copystep = 0;
  int m_pastestep = 0;
  int m_variables = 0;
  int m_closerequest = 0;

  QListWidget* Palette() const { return m_palette; }
  QListWidget* StepList() const { return m_steplist; }

private:
  Profile& m_profile;
  bool m_actionscript;
  QListWidget* m_palette;
  QListWidget* m_steplist;
  Latin1LineEdit* m_idlabel;
  QPushButton* m_addbutton;
  QPushButton* m_editbutton;
  QPushButton* m_deletebutton;
  QPushButton* m_copybutton;
  QPushButton* m_pastebutton;
  QPushButton* m_upbutton;
  QPushButton* m_downbutton;
};

}  // namespace korvix
