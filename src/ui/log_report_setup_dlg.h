#pragma once

#include <QDialog>

#include "platform/message_sink.h"
#include "properties/log_report_setup.h"

class QCheckBox;
class QComboBox;

namespace korvix {

class Latin1TextEdit;

// "Data Log Report Setup": page margins, the three font sizes, what goes on
// which pages, gridlines, shading, row spacing and the header's lines.
class CLogReportSetupDlg final : public QDialog {
  Q_OBJECT

public:
  CLogReportSetupDlg(QWidget* parent, const LogReportFields& fields, MessageSink& messages);

  // What OK accepted.
  const LogReportFields& Fields() const { return m_fields; }

  void accept() override;

  QComboBox* m_margins[4];
  QComboBox* m_headerfont;
  QComboBox* m_bodyfont;
  QComboBox* m_pagefont;
  QComboBox* m_headeron;
  QComboBox* m_titleson;
  QComboBox* m_pagepos;
  QCheckBox* m_grid;
  QCheckBox* m_shading;
  QComboBox* m_spacing;
  Latin1TextEdit* m_title;

private:
  MessageSink& m_messages;
  LogReportFields m_fields;
};

}  // namespace korvix
