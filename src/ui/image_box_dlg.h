#pragma once

#include "properties/image_box_properties.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"

namespace korvix {

class Latin1LineEdit;

// "Image Box Properties": the bitmap file and the border around it.
class CImageBoxDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CImageBoxDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const ImageBoxFields& fields);

  // The fields as the controls hold them.
  ImageBoxFields Fields() const;

  Latin1LineEdit* m_bitmapfile;
  ColourSwatch* m_bordercolor;
  Latin1LineEdit* m_borderwidth;

private:
  void OnOK() override;
};

}  // namespace korvix
