#include "ui/property_editors_ui.h"

#include "properties/chart_recorder_properties.h"
#include "properties/name_list.h"
#include "render/font_cell.h"
#include "ui/chart_recorder_dlg.h"
#include "ui/text_box_dlg.h"
#include "ui/text_window_dlg.h"

namespace korvix {

CPropertyEditors::CPropertyEditors(QWidget* parent, PropertyFrame frame, MessageSink& messages, ColourChooser chooser,
                                   EditorLoop& editors, ChartPlotAccess plots)
    : m_parent(parent),
      m_frame(frame),
      m_messages(messages),
      m_chooser(std::move(chooser)),
      m_editors(editors),
      m_plots(std::move(plots)) {}

void CPropertyEditors::EditTextBoxProperties(int index) {
  EditProperties<ScreenObjectKind::TextBox>(m_frame, index, [this](TextBoxFields& fields) {
    CTextBoxDlg dialog(m_parent, m_messages, m_chooser, fields);
    return RunPropertyDialog(dialog, fields);
  });
}

void CPropertyEditors::EditTextWindowProperties(int index) {
  EditProperties<ScreenObjectKind::TextWindow>(m_frame, index, [this](TextWindowFields& fields) {
    CTextWindowDlg dialog(m_parent, m_messages, m_chooser, fields);
    return RunPropertyDialog(dialog, fields);
  });
}

// The data fields change the document at once, the settings only with
// "Close"; either way the recorder grows to hold a legend card per field.
void CPropertyEditors::EditChartRecorderProperties(int index) {
  CKorvixDoc& doc = m_frame.doc;
  ChartRecorderRecord& r = doc.m_chartrecorders[index];
  CChartRecorderDlg dialog(m_parent, m_messages, m_chooser, LoadChartRecorderSettings(r));
  dialog.ShowEditor();
  const auto refill = [&](int select) {
    dialog.FillNameControl(ChartRecorderNameOffers(doc, index));
    dialog.FillChartFieldList(ChartFieldLines(r), select);
  };
  const auto fieldschanged = [&] {
    refill(-1);
    m_frame.chartmemories.EmptyChartMemory(index);
    doc.SetModifiedFlag();
  };
  const auto move = [&](int direction) {
    const int line = dialog.CurrentLine();
    if (!MoveChartField(r, line, direction)) return;
    dialog.FillChartFieldList(ChartFieldLines(r), line + direction);
    doc.SetModifiedFlag();
  };
  refill(-1);
  ChartPlotRequests plotfile(m_parent, m_editors, m_messages, m_clock);
  const auto plotpath = [&] { return m_plots.expandlabels(dialog.TrimmedPlotFile()); };

  int remembered = -1;
  EditorPass pass;
  pass.requests = {
      {&dialog.m_add,
       [&] {
         if (r.fields.Count() >= kMaxChartRecorderFields) {
           m_editors.ShowMessage(kEntryErrorCaption, kTooManyChartFieldsMessage, MessageIcon::Exclamation);
           return;
         }
         if (dialog.AvailableLine() >= 0 && AddChartField(r, dialog.AvailableLabel())) fieldschanged();
       }},
      {&dialog.m_remove,
       [&] {
         if (RemoveChartField(r, dialog.CurrentLine())) fieldschanged();
       }},
      {&dialog.m_moveup, [&] { move(-1); }},
      {&dialog.m_movedown, [&] { move(1); }},
      {&dialog.m_save, [&] { plotfile.Save(plotpath(), m_plots.memory(index), r); }},
      {&dialog.m_recall,
       [&] {
         if (!plotfile.Recall(plotpath(), m_plots.memory(index), r)) return;
         dialog.ClearAutostart();
         refill(-1);
         doc.SetModifiedFlag();
         m_frame.window.InvalidateRect(ObjectRects(doc, m_frame.view).Of<ScreenObjectKind::ChartRecorder>(index), true);
       }},
  };
  // The colour follows the selection after the requests rather than before
  // them: a request that changes the selection is then shown in the same
  // pass, and a colour is only ever picked between passes.
  pass.enables = [&] {
    int colour = dialog.m_colour->Colour();
    if (FollowChartFieldColour(r, dialog.CurrentLine(), remembered, colour)) doc.SetModifiedFlag();
    if (colour != dialog.m_colour->Colour()) dialog.m_colour->SetColour(colour);
    dialog.EnableControls();
  };
  pass.writeback = [&] {
    if (dialog.m_accepted) {
      StoreChartRecorderSettings(dialog.Settings(), r);
      doc.SetModifiedFlag();
    }
    ObjectRects rects(doc, m_frame.view);
    const int cellheight = FontCellSize(r.sizecode).cy * m_frame.view.m_fontfactor;
    const double heightfactor = ChartRecorderHeightFactor(r, Height(rects.Of<ScreenObjectKind::ChartRecorder>(index)),
                                                          cellheight);
    if (heightfactor != r.heightfactor) {
      r.heightfactor = heightfactor;
      doc.SetModifiedFlag();
    }
    m_frame.window.InvalidateRect(m_frame.page.m_tracker.m_rect, true);
    const Rect rect = rects.Of<ScreenObjectKind::ChartRecorder>(index);
    m_frame.window.InvalidateRect(rect, false);
    m_frame.page.m_tracker.m_rect = rect;
  };
  m_editors.Run(dialog, pass);
}

}  // namespace korvix
