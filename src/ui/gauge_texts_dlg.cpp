#include "ui/gauge_texts_dlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/latin1_edits.h"

namespace korvix {

GaugeTextsDlg::GaugeTextsDlg(QWidget* parent, MessageSink& messages, const char* caption, const char* helptopic,
                             const ColourChooser& chooser, const GaugeTextFields& texts, std::string namelist)
    : PropertyDialog(parent, messages, caption, helptopic), m_namelist(std::move(namelist)), m_left(new QVBoxLayout) {
  m_left->addWidget(AddGaugeScreenTextGroup(this, chooser, texts, m_texts));
  m_left->addWidget(AddGaugeCommunicationsGroup(this, texts, m_texts));
  m_left->addStretch(1);
  AddLabelSelector(m_texts.outputlabel, m_namelist);
}

QVBoxLayout* GaugeTextsDlg::NewConversionColumn(const ConversionFields& fields, ConversionControls& controls) {
  auto* middle = new QVBoxLayout;
  middle->addWidget(AddConversionGroup(this, fields, controls));
  middle->addStretch(1);
  AddFormulaSelector(controls.formula, m_texts.idlabel, m_namelist);
  return middle;
}

void GaugeTextsDlg::LayOut(QVBoxLayout* middle, QGroupBox* configuration, const ValueFieldEdits& edits) {
  auto* right = new QVBoxLayout;
  right->addWidget(configuration);
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(m_left);
  if (middle) columns->addLayout(middle);
  columns->addLayout(right);
  Body()->addLayout(columns);

  m_edits = {{ValueField::Title, m_texts.title},
             {ValueField::IdLabel, m_texts.idlabel},
             {ValueField::PollCommand, m_texts.pollcommand},
             {ValueField::OutputLabel, m_texts.outputlabel}};
  m_edits.insert(edits.begin(), edits.end());
}

void GaugeTextsDlg::EndOrRefocus(const OkCheck<ValueField>& check) {
  if (check.Accepted())
    EndOk();
  else
    FocusField(m_edits.at(*check.focus), check.guard);
}

ValueFieldEdits ConversionEdits(const ConversionControls& conversion) {
  return {{ValueField::Multiplier, conversion.multiplier},
          {ValueField::Offset, conversion.offset},
          {ValueField::LookupTable, conversion.lookuptable},
          {ValueField::Formula, conversion.formula}};
}

}  // namespace korvix
