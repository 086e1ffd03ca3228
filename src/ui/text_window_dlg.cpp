#include "ui/text_window_dlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "properties/property_choices.h"
#include "ui/latin1_edits.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Text Window Properties";
constexpr const char* kScreenTextGroup = "Screen Text";
constexpr const char* kConfigurationGroup = "Configuration";
constexpr const char* kTextAttributesGroup = "Text Attributes";
constexpr const char* kPrefixLabel = "Prefix";
constexpr const char* kSuffixLabel = "Suffix";
constexpr const char* kIdLabelLabel = "Object ID Label";
constexpr const char* kMessageLabel = "Default Message";
constexpr const char* kMessageColorLabel = "Message Color";
constexpr const char* kOnLabel = "on";
constexpr const char* kFontSizeLabel = "Font Size";
constexpr const char* kFontColorLabel = "Font Color";
constexpr const char* kPrefixWidthLabel = "Prefix Window Width";
constexpr const char* kSuffixWidthLabel = "Suffix Window Width";

}  // namespace

CTextWindowDlg::CTextWindowDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser,
                               const TextWindowFields& fields)
    : PropertyDialog(parent, messages, kCaption, kTextWindowHelpTopic) {
  auto* screentext = new QGroupBox(kScreenTextGroup, this);
  auto* screenform = new QFormLayout(screentext);
  m_prefix = new Latin1LineEdit(kLabelFieldLimit, screentext);
  m_prefix->SetText(fields.prefix);
  m_suffix = new Latin1LineEdit(kLabelFieldLimit, screentext);
  m_suffix->SetText(fields.suffix);
  screenform->addRow(kPrefixLabel, m_prefix);
  screenform->addRow(kSuffixLabel, m_suffix);
  Body()->addWidget(screentext);

  auto* configuration = new QGroupBox(kConfigurationGroup, this);
  auto* configform = new QFormLayout(configuration);
  m_idlabel = new Latin1LineEdit(kLabelFieldLimit, configuration);
  m_idlabel->SetText(fields.idlabel);
  m_message = new Latin1LineEdit(0, configuration);
  m_message->SetText(fields.message);
  m_messagecolor = new ColourSwatch(chooser, configuration);
  m_messagecolor->SetColour(fields.messagecolor);
  m_messagebgcolor = new ColourSwatch(chooser, configuration);
  m_messagebgcolor->SetColour(fields.messagebgcolor);
  auto* colours = new QHBoxLayout;
  colours->addWidget(m_messagecolor);
  colours->addWidget(new QLabel(kOnLabel, configuration));
  colours->addWidget(m_messagebgcolor);
  colours->addStretch(1);
  configform->addRow(kIdLabelLabel, m_idlabel);
  configform->addRow(kMessageLabel, m_message);
  configform->addRow(kMessageColorLabel, colours);
  Body()->addWidget(configuration);

  auto* attributes = new QGroupBox(kTextAttributesGroup, this);
  auto* attributeform = new QFormLayout(attributes);
  m_fontsize = new QComboBox(attributes);
  FillFontSizeCombo(m_fontsize, fields.fontsize);
  m_fontcolor = new ColourSwatch(chooser, attributes);
  m_fontcolor->SetColour(fields.fontcolor);
  m_prefixwidth = new QComboBox(attributes);
  FillWidthCombo(m_prefixwidth, kTextWindowMaxWidth, fields.prefixwidth);
  m_suffixwidth = new QComboBox(attributes);
  FillWidthCombo(m_suffixwidth, kTextWindowMaxWidth, fields.suffixwidth);
  attributeform->addRow(kFontSizeLabel, m_fontsize);
  attributeform->addRow(kFontColorLabel, m_fontcolor);
  attributeform->addRow(kPrefixWidthLabel, m_prefixwidth);
  attributeform->addRow(kSuffixWidthLabel, m_suffixwidth);
  Body()->addWidget(attributes);
  Body()->addStretch(1);
}

TextWindowFields CTextWindowDlg::Fields() const {
  TextWindowFields fields;
  fields.prefix = m_prefix->Text();
  fields.suffix = m_suffix->Text();
  fields.idlabel = m_idlabel->Text();
  fields.message = m_message->Text();
  fields.messagecolor = m_messagecolor->Colour();
  fields.messagebgcolor = m_messagebgcolor->Colour();
  fields.fontsize = m_fontsize->currentIndex();
  fields.fontcolor = m_fontcolor->Colour();
  fields.prefixwidth = m_prefixwidth->currentIndex();
  fields.suffixwidth = m_suffixwidth->currentIndex();
  return fields;
}

void CTextWindowDlg::OnOK() {
  TextWindowFields fields = Fields();
  const OkCheck<TextWindowField> check = CheckTextWindowFields(fields, Messages());
  m_idlabel->SetText(fields.idlabel);
  if (check.Accepted())
    EndOk();
  else
    FocusField(FieldEdit(*check.focus), check.guard);
}

Latin1LineEdit* CTextWindowDlg::FieldEdit(TextWindowField field) const {
  switch (field) {
    case TextWindowField::Prefix: return m_prefix;
    case TextWindowField::Suffix: return m_suffix;
    case TextWindowField::IdLabel: return m_idlabel;
  }
  return m_idlabel;
}

}  // namespace korvix
