#include "ui/property_editors_ui.h"

#include <array>
#include <cstddef>

#include "document/kind_traits.h"
#include "properties/button_array_configuration.h"
#include "properties/chart_recorder_properties.h"
#include "properties/name_list.h"
#include "qtdraw/bitmap_file.h"
#include "render/font_cell.h"
#include "ui/button_array_dlg.h"
#include "ui/button_properties_dlg.h"
#include "ui/chart_recorder_dlg.h"
#include "ui/data_window_dlg.h"
#include "ui/dual_hand_gauge_dlg.h"
#include "ui/event_counter_dlg.h"
#include "ui/event_timer_dlg.h"
#include "ui/gauge_dlg.h"
#include "ui/image_box_dlg.h"
#include "ui/input_window_dlg.h"
#include "ui/pi_controller_dlg.h"
#include "ui/pivot_tracker_dlg.h"
#include "ui/push_button_dlg.h"
#include "ui/rocker_switch_dlg.h"
#include "ui/signal_lamp_dlg.h"
#include "ui/slider_control_dlg.h"
#include "ui/text_box_dlg.h"
#include "ui/text_window_dlg.h"
#include "ui/wind_vane_dlg.h"

namespace korvix {

namespace {

struct KindEditor {
  ScreenObjectKind kind;
  void (CPropertyEditors::*edit)(int index);
};

// The one place that gives a kind its editor, in kind order.
constexpr std::array<KindEditor, kObjectKindCount> kKindEditors{{
    {ScreenObjectKind::TextBox, &CPropertyEditors::EditTextBoxProperties},
    {ScreenObjectKind::ImageBox, &CPropertyEditors::EditImageBoxProperties},
    {ScreenObjectKind::DataWindow, &CPropertyEditors::EditDataWindowProperties},
    {ScreenObjectKind::TextWindow, &CPropertyEditors::EditTextWindowProperties},
    {ScreenObjectKind::InputWindow, &CPropertyEditors::EditInputWindowProperties},
    {ScreenObjectKind::LevelGauge, &CPropertyEditors::EditLevelGaugeProperties},
    {ScreenObjectKind::DialGauge, &CPropertyEditors::EditDialGaugeProperties},
    {ScreenObjectKind::MeterGauge, &CPropertyEditors::EditMeterGaugeProperties},
    {ScreenObjectKind::VerticalGauge, &CPropertyEditors::EditVerticalGaugeProperties},
    {ScreenObjectKind::HorizontalGauge, &CPropertyEditors::EditHorizontalGaugeProperties},
    {ScreenObjectKind::DualHandGauge, &CPropertyEditors::EditDualHandGaugeProperties},
    {ScreenObjectKind::WindVane, &CPropertyEditors::EditWindVaneProperties},
    {ScreenObjectKind::PivotTracker, &CPropertyEditors::EditPivotTrackerProperties},
    {ScreenObjectKind::SignalLamp, &CPropertyEditors::EditSignalLampProperties},
    {ScreenObjectKind::EventCounter, &CPropertyEditors::EditEventCounterProperties},
    {ScreenObjectKind::EventTimer, &CPropertyEditors::EditEventTimerProperties},
    {ScreenObjectKind::PushButton, &CPropertyEditors::EditPushButtonProperties},
    {ScreenObjectKind::ButtonArray, &CPropertyEditors::ConfigureButtonArray},
    {ScreenObjectKind::RockerSwitch, &CPropertyEditors::EditRockerSwitchProperties},
    {ScreenObjectKind::SliderControl, &CPropertyEditors::EditSliderControlProperties},
    {ScreenObjectKind::PIController, &CPropertyEditors::EditPIControllerProperties},
    {ScreenObjectKind::ChartRecorder, &CPropertyEditors::EditChartRecorderProperties},
}};

// A short table leaves entries of the first kind at the end, which this
// finds too; a member pointer is no constant to test under the sanitizers.
static_assert(
    [] {
      for (std::size_t k = 0; k < kKindEditors.size(); ++k) {
        if (KindIndex(kKindEditors[k].kind) != static_cast<int>(k)) return false;
      }
      return true;
    }(),
    "every kind has its editor, at its kind's place");

}  // namespace

CPropertyEditors::CPropertyEditors(QWidget* parent, PropertyFrame frame, MessageSink& messages, ColourChooser chooser,
                                   EditorLoop& editors, EmailReporter& reports, ChartPlotAccess plots)
    : m_parent(parent),
      m_frame(frame),
      m_messages(messages),
      m_chooser(std::move(chooser)),
      m_editors(editors),
      m_reports(reports),
      m_plots(std::move(plots)) {}

void CPropertyEditors::OpenPropertyEditor(ScreenObjectKind kind, int index) {
  (this->*kKindEditors[static_cast<std::size_t>(KindIndex(kind))].edit)(index);
}

void CPropertyEditors::EditTextBoxProperties(int index) {
  EditProperties<ScreenObjectKind::TextBox>(m_frame, index, [this](TextBoxFields& fields) {
    CTextBoxDlg dialog(m_parent, m_messages, m_chooser, fields);
    return RunPropertyDialog(dialog, fields);
  });
}

void CPropertyEditors::EditImageBoxProperties(int index) {
  EditImageBox(
      m_frame, index,
      [this](ImageBoxFields& fields) {
        CImageBoxDlg dialog(m_parent, m_messages, m_chooser, fields);
        return RunPropertyDialog(dialog, fields);
      },
      &ReadBitmapFile, m_messages);
}

template <ScreenObjectKind K, class Dialog>
void CPropertyEditors::EditWithNames(int index) {
  EditProperties<K>(m_frame, index, [this](typename PropertyKind<K>::Fields& fields) {
    Dialog dialog(m_parent, m_messages, m_chooser, fields, BuildNameList(m_frame.doc));
    return RunPropertyDialog(dialog, fields);
  });
}

void CPropertyEditors::EditDataWindowProperties(int index) {
  EditWithNames<ScreenObjectKind::DataWindow, CDataWindowDlg>(index);
}

void CPropertyEditors::EditLevelGaugeProperties(int index) {
  EditWithNames<ScreenObjectKind::LevelGauge, CLevelGaugeDlg>(index);
}

void CPropertyEditors::EditDialGaugeProperties(int index) {
  EditWithNames<ScreenObjectKind::DialGauge, CDialGaugeDlg>(index);
}

void CPropertyEditors::EditMeterGaugeProperties(int index) {
  EditWithNames<ScreenObjectKind::MeterGauge, CMeterGaugeDlg>(index);
}

void CPropertyEditors::EditVerticalGaugeProperties(int index) {
  EditWithNames<ScreenObjectKind::VerticalGauge, CVertGaugeDlg>(index);
}

void CPropertyEditors::EditHorizontalGaugeProperties(int index) {
  EditWithNames<ScreenObjectKind::HorizontalGauge, CHorzGaugeDlg>(index);
}

void CPropertyEditors::EditDualHandGaugeProperties(int index) {
  EditWithNames<ScreenObjectKind::DualHandGauge, CDualHandGaugeDlg>(index);
}

void CPropertyEditors::EditWindVaneProperties(int index) {
  EditWithNames<ScreenObjectKind::WindVane, CWindVaneDlg>(index);
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
  ChartMemoryBooks& books = m_frame.page.m_runstates.ChartRecorders()[index];

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
      {&dialog.m_save, [&] { plotfile.Save(plotpath(), m_plots.memory(index), books, r); }},
      {&dialog.m_recall,
       [&] {
         if (!plotfile.Recall(plotpath(), m_plots.memory(index), books, r)) return;
         dialog.ClearAutostart();
         refill(-1);
         doc.SetModifiedFlag();
         m_frame.window.InvalidateRect(
             ObjectRects(doc, m_frame.view, m_frame.page.m_runstates).Of(ScreenObjectKind::ChartRecorder, index), true);
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
    ObjectRects rects(doc, m_frame.view, m_frame.page.m_runstates);
    const int cellheight = FontCellSize(r.sizecode).cy * m_frame.view.m_fontfactor;
    const double heightfactor =
        ChartRecorderHeightFactor(r, Height(rects.Of(ScreenObjectKind::ChartRecorder, index)), cellheight);
    if (heightfactor != r.heightfactor) {
      r.heightfactor = heightfactor;
      doc.SetModifiedFlag();
    }
    m_frame.window.InvalidateRect(m_frame.page.m_tracker.m_rect, true);
    const Rect rect = rects.Of(ScreenObjectKind::ChartRecorder, index);
    m_frame.window.InvalidateRect(rect, false);
    m_frame.page.m_tracker.m_rect = rect;
  };
  m_editors.Run(dialog, pass);
}

void CPropertyEditors::EditRockerSwitchProperties(int index) {
  EditProperties<ScreenObjectKind::RockerSwitch>(m_frame, index, [this](RockerSwitchFields& fields) {
    CRockerSwitchDlg dialog(m_parent, m_messages, m_chooser, BuildNameList(m_frame.doc), fields);
    return RunPropertyDialog(dialog, fields);
  });
}

void CPropertyEditors::EditSliderControlProperties(int index) {
  EditProperties<ScreenObjectKind::SliderControl>(m_frame, index, [this](SliderControlFields& fields) {
    CSliderControlDlg dialog(m_parent, m_messages, m_chooser, BuildNameList(m_frame.doc), fields);
    return RunPropertyDialog(dialog, fields);
  });
}

void CPropertyEditors::EditSignalLampProperties(int index) {
  EditProperties<ScreenObjectKind::SignalLamp>(m_frame, index, [this](SignalLampFields& fields) {
    CSignalLampDlg dialog(m_parent, m_messages, m_chooser, fields);
    return RunPropertyDialog(dialog, fields);
  });
}

void CPropertyEditors::EditEventCounterProperties(int index) {
  EditProperties<ScreenObjectKind::EventCounter>(m_frame, index, [this](EventCounterFields& fields) {
    CEventCounterDlg dialog(m_parent, m_messages, m_chooser, fields);
    return RunPropertyDialog(dialog, fields);
  });
}

void CPropertyEditors::EditEventTimerProperties(int index) {
  EditProperties<ScreenObjectKind::EventTimer>(m_frame, index, [this](EventTimerFields& fields) {
    CEventTimerDlg dialog(m_parent, m_messages, m_chooser, fields);
    return RunPropertyDialog(dialog, fields);
  });
}

void CPropertyEditors::EditPivotTrackerProperties(int index) {
  EditProperties<ScreenObjectKind::PivotTracker>(m_frame, index, [this](PivotTrackerFields& fields) {
    CPivotTrackerDlg dialog(m_parent, m_messages, m_chooser, BuildNameList(m_frame.doc), fields);
    return RunPropertyDialog(dialog, fields);
  });
}

void CPropertyEditors::EditPIControllerProperties(int index) {
  EditProperties<ScreenObjectKind::PIController>(m_frame, index, [this](PIControllerFields& fields) {
    CPIControllerDlg dialog(m_parent, m_messages, m_chooser, BuildNameList(m_frame.doc), fields);
    return RunPropertyDialog(dialog, fields);
  });
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
    CPushButtonDlg dialog(m_parent, m_chooser, fields,
                          {m_messages, m_frame.doc, m_reports, BuildNameList(m_frame.doc)});
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
        CButtonPropertiesDlg buttondialog(&dialog, m_chooser, fields, {m_messages, doc, m_reports, BuildNameList(doc)});
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
    const Rect rect = ObjectRects(doc, m_frame.view, m_frame.page.m_runstates).Of(ScreenObjectKind::ButtonArray, index);
    m_frame.window.InvalidateRect(rect, false);
    m_frame.page.m_tracker.m_rect = rect;
  };
  m_editors.Run(dialog, pass);
}

}  // namespace korvix
