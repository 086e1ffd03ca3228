#include "ui/image_box_dlg.h"

#include <QFormLayout>
#include <QGroupBox>

#include "ui/latin1_edits.h"
#include "ui/value_groups.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Image Box Properties";
constexpr const char* kConfigurationGroup = "Configuration";
constexpr const char* kBitmapFileLabel = "Bitmap File";
constexpr const char* kBorderColorLabel = "Border Color";
constexpr const char* kBorderThicknessLabel = "Border Thickness (pixels)";
constexpr int kBorderDigits = 2;

}  // namespace

CImageBoxDlg::CImageBoxDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser,
                           const ImageBoxFields& fields)
    : PropertyDialog(parent, messages, kCaption, kImageBoxHelpTopic) {
  auto* configuration = new QGroupBox(kConfigurationGroup, this);
  auto* form = new QFormLayout(configuration);
  m_bitmapfile = new Latin1LineEdit(0, configuration);
  m_bitmapfile->SetText(fields.bitmapfile);
  m_bitmapfile->setMinimumWidth(m_bitmapfile->fontMetrics().averageCharWidth() * 40);
  m_bordercolor = new ColourSwatch(chooser, configuration);
  m_bordercolor->SetColour(fields.bordercolor);
  m_borderwidth = NumberEdit(kBorderDigits, configuration);
  m_borderwidth->SetText(fields.borderwidth);
  form->addRow(kBitmapFileLabel, m_bitmapfile);
  form->addRow(kBorderColorLabel, m_bordercolor);
  form->addRow(kBorderThicknessLabel, m_borderwidth);
  Body()->addWidget(configuration);
  Body()->addStretch(1);
}

ImageBoxFields CImageBoxDlg::Fields() const {
  ImageBoxFields fields;
  fields.bitmapfile = m_bitmapfile->Text();
  fields.bordercolor = m_bordercolor->Colour();
  fields.borderwidth = m_borderwidth->Text();
  return fields;
}

void CImageBoxDlg::OnOK() {
  ImageBoxFields fields = Fields();
  const OkCheck<ImageBoxField> check = CheckImageBoxFields(fields, Messages());
  m_bitmapfile->SetText(fields.bitmapfile);
  if (check.Accepted())
    EndOk();
  else
    FocusField(*check.focus == ImageBoxField::BitmapFile ? m_bitmapfile : m_borderwidth);
}

}  // namespace korvix
