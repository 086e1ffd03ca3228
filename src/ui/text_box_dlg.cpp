#include "ui/text_box_dlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/latin1_edits.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Text Box Properties";
constexpr const char* kTextFormatGroup = "Text Format";
constexpr const char* kBackgroundFormatGroup = "Background Format";
constexpr const char* kTextContentGroup = "Text Content";
constexpr const char* kFontSizeLabel = "Font Size";
constexpr const char* kFontColorLabel = "Font Color";
constexpr const char* kAlignmentLabel = "Alignment";
constexpr const char* kBackgroundColorLabel = "Background Color";
constexpr const char* kBorderColorLabel = "Border Color";
constexpr const char* kBorderThicknessLabel = "Border Thickness (pixels)";
constexpr const char* kAlignments[] = {"Left", "Centered", "Right", "Justified"};

}  // namespace

CTextBoxDlg::CTextBoxDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser,
                         const TextBoxFields& fields)
    : PropertyDialog(parent, messages, kCaption, kTextBoxHelpTopic) {
  auto* textformat = new QGroupBox(kTextFormatGroup, this);
  auto* textform = new QFormLayout(textformat);
  m_fontsize = new QComboBox(textformat);
  FillFontSizeCombo(m_fontsize, fields.fontsize);
  m_fontcolor = new ColourSwatch(chooser, textformat);
  m_fontcolor->SetColour(fields.fontcolor);
  m_alignment = new QComboBox(textformat);
  for (const char* alignment : kAlignments) m_alignment->addItem(alignment);
  m_alignment->setCurrentIndex(fields.alignment);
  textform->addRow(kFontSizeLabel, m_fontsize);
  textform->addRow(kFontColorLabel, m_fontcolor);
  textform->addRow(kAlignmentLabel, m_alignment);

  auto* background = new QGroupBox(kBackgroundFormatGroup, this);
  auto* backgroundform = new QFormLayout(background);
  m_bgcolor = new ColourSwatch(chooser, background);
  m_bgcolor->SetColour(fields.bgcolor);
  m_bordercolor = new ColourSwatch(chooser, background);
  m_bordercolor->SetColour(fields.bordercolor);
  m_borderwidth = new Latin1LineEdit(0, background);
  m_borderwidth->SetText(fields.borderwidth);
  m_borderwidth->setMaximumWidth(m_borderwidth->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
  backgroundform->addRow(kBackgroundColorLabel, m_bgcolor);
  backgroundform->addRow(kBorderColorLabel, m_bordercolor);
  backgroundform->addRow(kBorderThicknessLabel, m_borderwidth);

  auto* formats = new QHBoxLayout;
  formats->addWidget(textformat);
  formats->addWidget(background);
  Body()->addLayout(formats);

  auto* content = new QGroupBox(kTextContentGroup, this);
  auto* contentlayout = new QVBoxLayout(content);
  m_text = new Latin1TextEdit(content);
  m_text->SetText(fields.text);
  contentlayout->addWidget(m_text);
  Body()->addWidget(content, 1);
}

TextBoxFields CTextBoxDlg::Fields() const {
  TextBoxFields fields;
  fields.fontsize = m_fontsize->currentIndex();
  fields.fontcolor = m_fontcolor->Colour();
  fields.alignment = m_alignment->currentIndex();
  fields.bgcolor = m_bgcolor->Colour();
  fields.bordercolor = m_bordercolor->Colour();
  fields.borderwidth = m_borderwidth->Text();
  fields.text = m_text->Text();
  return fields;
}

void CTextBoxDlg::OnOK() {
  const OkCheck<TextBoxField> check = CheckTextBoxFields(Fields(), Messages());
  if (check.Accepted())
    EndOk();
  else
    FocusField(m_borderwidth);
}

}  // namespace korvix
