#pragma once

#include <string>

#include "properties/pivot_tracker_properties.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"

class QCheckBox;
class QComboBox;

namespace korvix {

class Latin1LineEdit;

// "Pivot Tracker Properties": the frame and its colours, the links to
// other objects, the pivot's centre and jump page, the three lamps' colours
// and the dial's scale and limits. It has no help page, so F1 does nothing.
class CPivotTrackerDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CPivotTrackerDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const std::string& namelist,
                   const PivotTrackerFields& fields);

  // The fields as the controls hold them.
  PivotTrackerFields Fields() const;

  QComboBox* m_fontsize;
  ColourSwatch* m_textcolor;
  ColourSwatch* m_bordercolor;
  Latin1LineEdit* m_idlabel;
  Latin1LineEdit* m_sisfrom;
  Latin1LineEdit* m_signalto;
  Latin1LineEdit* m_centerlat;
  Latin1LineEdit* m_centerlon;
  Latin1LineEdit* m_jumppage;
  ColourSwatch* m_runoncolor;
  ColourSwatch* m_runoffcolor;
  ColourSwatch* m_wateroncolor;
  ColourSwatch* m_wateroffcolor;
  ColourSwatch* m_sisoncolor;
  ColourSwatch* m_sisoffcolor;
  QComboBox* m_tickmarks;
  QComboBox* m_submarks;
  QCheckBox* m_showvalues;
  Latin1LineEdit* m_cwlimit;
  Latin1LineEdit* m_ccwlimit;
  QCheckBox* m_autorotate;

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  void OnOK() override;
  // With no tick marks there are no sub marks either.
  void OnTickMarksChange();
  Latin1LineEdit* FieldEdit(PivotTrackerField field) const;
};

}  // namespace korvix
