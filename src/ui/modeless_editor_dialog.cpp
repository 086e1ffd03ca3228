#include "ui/modeless_editor_dialog.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QPushButton>

namespace korvix {

ModelessEditorDialog* ModelessEditorDialog::s_innermost = nullptr;

ModelessEditorDialog::ModelessEditorDialog(QWidget* mainwindow) : QDialog(mainwindow), m_mainwindow(mainwindow) {}

ModelessEditorDialog::~ModelessEditorDialog() { DestroyWindow(); }

void ModelessEditorDialog::ShowEditor() {
  m_open = 1;
  if (m_shown) return;
  m_outer = s_innermost;
  QWidget* over = m_outer ? static_cast<QWidget*>(m_outer) : m_mainwindow.data();
  if (parentWidget() != over) setParent(over, windowFlags());
  // Modal to the main window only from the outermost editor: a nested one
  // made modal as well would block the editor that opened it.
  setWindowModality(m_outer ? Qt::NonModal : Qt::WindowModal);
  s_innermost = this;
  m_shown = true;
  show();
  raise();
  activateWindow();
}

void ModelessEditorDialog::DisableWindow() {
  m_focusbeforedisable = focusWidget();
  setEnabled(false);
}

void ModelessEditorDialog::EnableWindowAndFocus() {
  setEnabled(true);
  activateWindow();
  if (m_focusbeforedisable) m_focusbeforedisable->setFocus();
  m_focusbeforedisable = nullptr;
}

void ModelessEditorDialog::DestroyWindow() {
  if (!m_shown) return;
  m_shown = false;
  hide();
  s_innermost = m_outer;
  QWidget* next = m_outer ? static_cast<QWidget*>(m_outer) : m_mainwindow.data();
  m_outer = nullptr;
  if (next) next->activateWindow();
}

void ModelessEditorDialog::SetCloseButton(QPushButton* button, int* closerequest) {
  m_close = button;
  button->setDefault(true);
  connect(button, &QPushButton::clicked, this, [this, closerequest] {
    if (closerequest)
      *closerequest = 1;
    else
      accept();
  });
}

void ModelessEditorDialog::ConnectRequest(QAbstractButton* button, int& flag, FocusAfter focus) {
  connect(button, &QAbstractButton::clicked, this, [this, &flag, focus] { RaiseRequest(flag, focus); });
}

void ModelessEditorDialog::ConnectDoubleClick(QAbstractItemView* list, int& flag) {
  connect(list, &QAbstractItemView::doubleClicked, this, [this, list, &flag] {
    if (list->selectionModel() && list->selectionModel()->hasSelection()) RaiseRequest(flag);
  });
}

void ModelessEditorDialog::RaiseRequest(int& flag, FocusAfter focus) {
  flag = 1;
  if (focus == FocusAfter::Close && m_close) m_close->setFocus();
}

}  // namespace korvix
