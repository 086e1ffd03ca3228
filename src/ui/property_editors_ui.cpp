#include "ui/property_editors_ui.h"

#include "properties/button_array_configuration.h"
#include "properties/chart_recorder_properties.h"
#include "properties/name_list.h"
#include "render/font_cell.h"
#include "ui/button_array_dlg.h"
#include "ui/button_properties_dlg.h"
#include "ui/chart_recorder_dlg.h"
#include "ui/input_window_dlg.h"
#include "ui/push_button_dlg.h"
#include "ui/text_box_dlg.h"
#include "ui/text_window_dlg.h"

namespace korvix {

CPropertyEditors::CPropertyEditors(QWidget* parent, PropertyFrame frame, MessageSink& messages, ColourChooser chooser,
                                   EditorLoop& editors, EmailReporter& reports)
    : m_parent(parent),
      m_frame(frame),
      m_messages(messages),
      m_chooser(std::move(chooser)),
      m_editors(editors),
      m_reports(reports) {}

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

void CPropertyEditors::EditInputWindowProperties(int index) {
  EditProperties<ScreenObjectKind::InputWindow>(m_frame, index, [this](InputWindowFields& fields) {
    CInputWindowDlg dialog(m_parent, m_chooser, fields,
                           {m_messages, m_frame.doc, m_reports, BuildNameList(m_frame.doc)});
    return RunPropertyDialog(dialog, fields);
  });
}

void CPropertyEditors::EditPushButtonProperties(int index) {
  EditProperties<ScreenObjectKind::PushButton>(m_frame, index, [this](PushButtonFields& fields) {
    CPushButtonDlg dialog(m_parent, m_chooser, fields, {m_messages, m_frame.doc, m_reports, BuildNameList(m_frame.doc)});
    return RunPropertyDialog(dialog, fields);
  });
}

// Sub-button changes are in the project as soon as each request is served;
// the array's own settings wait for "Close". The old and the new place are
// redrawn either way, since the pushed-down button changes too.
void CPropertyEditors::ConfigureButtonArray(int index) {
  CKorvixDoc& doc = m_frame.doc;
  CButtonArrayDlg dialog(m_parent, m_messages, LoadButtonArraySettings(doc.m_buttonarrays[index]));
  ButtonArrayConfiguration config(
      doc, index,
      [this](const std::string& caption, const std::string& text) {
        m_editors.ShowMessage(caption, text, MessageIcon::Exclamation);
      },
      [&](ArrayButtonFields& fields) {
        CButtonPropertiesDlg buttondialog(&dialog, m_chooser, fields,
                                          {m_messages, doc, m_reports, BuildNameList(doc)});
        return RunPropertyDialog(buttondialog, fields);
      });
  dialog.ShowEditor();
  dialog.FillButtonList(config.Titles(), -1);
  const auto serve = [&](std::optional<int> select) {
    if (select) dialog.FillButtonList(config.Titles(), *select);
  };

  EditorPass pass;
  pass.requests = {
      {&dialog.m_add, [&] { serve(config.Add()); }},
      {&dialog.m_edit, [&] { serve(config.Edit(dialog.CurrentLine())); }},
      {&dialog.m_delete, [&] { serve(config.Delete(dialog.CurrentLine())); }},
      {&dialog.m_moveup, [&] { serve(config.MoveUp(dialog.CurrentLine())); }},
      {&dialog.m_movedown, [&] { serve(config.MoveDown(dialog.CurrentLine())); }},
  };
  pass.enables = [&] { dialog.EnableControls(); };
  pass.writeback = [&] {
    config.Finish(dialog.m_apply ? std::optional<ButtonArraySettings>(dialog.Settings()) : std::nullopt);
    m_frame.window.InvalidateRect(m_frame.page.m_tracker.m_rect, true);
    const Rect rect = ObjectRects(doc, m_frame.view).Of<ScreenObjectKind::ButtonArray>(index);
    m_frame.window.InvalidateRect(rect, false);
    m_frame.page.m_tracker.m_rect = rect;
  };
  m_editors.Run(dialog, pass);
}

}  // namespace korvix
