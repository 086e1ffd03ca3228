#pragma once

#include <string>

#include "properties/data_window_properties.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"
#include "ui/value_groups.h"

class QComboBox;

namespace korvix {

class Latin1LineEdit;

// "Data Window Properties": prefix and suffix, ID Label and polling
// command, the Data Conversion group, the alarm levels with their colours,
// font and window widths.
class CDataWindowDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CDataWindowDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const DataWindowFields& fields,
                 std::string namelist);

  // The fields as the controls hold them.
  DataWindowFields Fields() const;

  Latin1LineEdit* m_prefix;
  Latin1LineEdit* m_suffix;
  Latin1LineEdit* m_idlabel;
  Latin1LineEdit* m_pollcommand;
  ConversionControls m_conversion;
  Latin1LineEdit* m_hightrip;
  ColourSwatch* m_hightextcolor;
  ColourSwatch* m_highbgcolor;
  Latin1LineEdit* m_lowtrip;
  ColourSwatch* m_lowtextcolor;
  ColourSwatch* m_lowbgcolor;
  QComboBox* m_fontsize;
  ColourSwatch* m_fontcolor;
  QComboBox* m_prefixwidth;
  QComboBox* m_suffixwidth;

private:
  void OnOK() override;

  std::string m_namelist;
  ValueFieldEdits m_edits;
};

}  // namespace korvix
