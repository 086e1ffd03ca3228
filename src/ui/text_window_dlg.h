#pragma once

#include "properties/text_window_properties.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"

class QComboBox;

namespace korvix {

class Latin1LineEdit;

// "Text Window Properties": prefix and suffix, ID Label, the Default
// Message with its colours, font and window widths.
class CTextWindowDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CTextWindowDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const TextWindowFields& fields);

  // The fields as the controls hold them.
  TextWindowFields Fields() const;

  Latin1LineEdit* m_prefix;
  Latin1LineEdit* m_suffix;
  Latin1LineEdit* m_idlabel;
  Latin1LineEdit* m_message;
  ColourSwatch* m_messagecolor;
  ColourSwatch* m_messagebgcolor;
  QComboBox* m_fontsize;
  ColourSwatch* m_fontcolor;
  QComboBox* m_prefixwidth;
  QComboBox* m_suffixwidth;

private:
  void OnOK() override;
  Latin1LineEdit* FieldEdit(TextWindowField field) const;
};

}  // namespace korvix
