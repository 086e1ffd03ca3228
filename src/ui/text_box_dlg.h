#pragma once

#include "properties/text_box_properties.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"

class QComboBox;

namespace korvix {

class Latin1LineEdit;
class Latin1TextEdit;

// "Text Box Properties": font, colours, alignment, border and the text.
class CTextBoxDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CTextBoxDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const TextBoxFields& fields);

  // The fields as the controls hold them.
  TextBoxFields Fields() const;

  QComboBox* m_fontsize;
  ColourSwatch* m_fontcolor;
  QComboBox* m_alignment;
  ColourSwatch* m_bgcolor;
  ColourSwatch* m_bordercolor;
  Latin1LineEdit* m_borderwidth;
  Latin1TextEdit* m_text;

private:
  void OnOK() override;
};

}  // namespace korvix
