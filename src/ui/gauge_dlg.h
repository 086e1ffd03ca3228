#pragma once

#include <string>

#include "properties/gauge_properties.h"
#include "ui/gauge_texts_dlg.h"

class QCheckBox;
class QComboBox;

namespace korvix {

class Latin1LineEdit;

// The properties of a Level, Dial, Meter, Vertical or Horizontal Gauge:
// title, communications, Data Conversion, and the scale with its marks.
// The Level Gauge has Show Min/Max and a bar colour where the others have
// Sub Marks and a Warning Level; the kinds name their scale ends by `kind`.
class CGaugeDlg : public GaugeTextsDlg {
  Q_OBJECT

public:
  // The fields as the controls hold them.
  GaugeFields Fields() const;

  ConversionControls m_conversion;
  QComboBox* m_tickmarks;
  QComboBox* m_submarks = nullptr;
  Latin1LineEdit* m_scaleend;
  Latin1LineEdit* m_scalestart;
  Latin1LineEdit* m_warnlevel = nullptr;
  QCheckBox* m_showvalues;
  QCheckBox* m_showminmax = nullptr;
  ColourSwatch* m_barcolor = nullptr;

protected:
  CGaugeDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const GaugeFields& fields,
            std::string namelist, ScreenObjectKind kind);

private:
  void OnOK() override;

  GaugeWording m_wording;
};

class CLevelGaugeDlg final : public CGaugeDlg {
  Q_OBJECT

public:
  CLevelGaugeDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const GaugeFields& fields,
                 std::string namelist)
      : CGaugeDlg(parent, messages, chooser, fields, std::move(namelist), ScreenObjectKind::LevelGauge) {}
};

class CDialGaugeDlg final : public CGaugeDlg {
  Q_OBJECT

public:
  CDialGaugeDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const GaugeFields& fields,
                std::string namelist)
      : CGaugeDlg(parent, messages, chooser, fields, std::move(namelist), ScreenObjectKind::DialGauge) {}
};

class CMeterGaugeDlg final : public CGaugeDlg {
  Q_OBJECT

public:
  CMeterGaugeDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const GaugeFields& fields,
                 std::string namelist)
      : CGaugeDlg(parent, messages, chooser, fields, std::move(namelist), ScreenObjectKind::MeterGauge) {}
};

class CVertGaugeDlg final : public CGaugeDlg {
  Q_OBJECT

public:
  CVertGaugeDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const GaugeFields& fields,
                std::string namelist)
      : CGaugeDlg(parent, messages, chooser, fields, std::move(namelist), ScreenObjectKind::VerticalGauge) {}
};

class CHorzGaugeDlg final : public CGaugeDlg {
  Q_OBJECT

public:
  CHorzGaugeDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const GaugeFields& fields,
                std::string namelist)
      : CGaugeDlg(parent, messages, chooser, fields, std::move(namelist), ScreenObjectKind::HorizontalGauge) {}
};

}  // namespace korvix
