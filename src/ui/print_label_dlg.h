#pragma once

#include <vector>

#include "properties/print_label_properties.h"
#include "ui/property_dialog.h"

class QComboBox;
class QPushButton;

namespace korvix {

class Latin1LineEdit;
class Latin1TextEdit;

// "Print Label Properties": the printer, the label text with its font size
// and the bar code with its bar size of a "Print Label" action.
class CPrintLabelDlg final : public PropertyDialog {
  Q_OBJECT

public:
  // `printers`: the names of the printers installed here, in their order.
  CPrintLabelDlg(QWidget* parent, MessageSink& messages, const PrintLabelFields& fields, std::string namelist,
                 const std::vector<std::string>& printers);

  PrintLabelFields Fields() const;

  QComboBox* m_printer;
  QComboBox* m_fontsize;
  Latin1LineEdit* m_barcode;
  QComboBox* m_barsize;
  Latin1TextEdit* m_text;
  QPushButton* m_globals;
  QPushButton* m_labels;
  // The text field that last had the focus; label references go there.
  QWidget* m_lastfield;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void OnOK() override;
  QWidget* FieldEdit(PrintLabelField field) const;

  std::string m_namelist;
  // Kept when it names no printer of this computer and the user picks none.
  std::string m_storedprinter;
};

}  // namespace korvix
