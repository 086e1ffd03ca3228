#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QSlider>

#include "help_page_catcher.h"
#include "property_dialogs_fixture.h"
#include "ui/event_counter_dlg.h"
#include "ui/event_timer_dlg.h"
#include "ui/korvix_view.h"
#include "ui/latin1_edits.h"
#include "ui/main_frame.h"
#include "ui/pi_controller_dlg.h"
#include "ui/pivot_tracker_dlg.h"
#include "ui/rocker_switch_dlg.h"
#include "ui/signal_lamp_dlg.h"
#include "ui/slider_control_dlg.h"
#include "ui/view_subsystems.h"

namespace korvix {
namespace {

using ControlDialogsTest = PropertyDialogsTest;

void ClickRadio(QButtonGroup* group, int id) { group->button(id)->click(); }

TEST_F(ControlDialogsTest, RockerSwitchRefusesAPointInALimitAndStoresTheRepeatRateOnOk) {
  const ScreenObject rocker = PlaceSelected(ScreenObjectKind::RockerSwitch);
  doc.m_rockerswitches[rocker.index].repeatrate = 3;
  int shownrate = -1;
  bool focused = false;
  WhenShown<CRockerSwitchDlg>([&](CRockerSwitchDlg& dialog) {
    shownrate = dialog.m_repeatrate->value();
    dialog.m_uplimit->setText("1.5");
    dialog.OkButton()->click();
    focused = dialog.focusWidget() == dialog.m_uplimit;
    ASSERT_TRUE(dialog.isVisible());
    dialog.m_uplimit->setText("99");
    dialog.m_upprefix->setText(" U 1");
    ClickRadio(dialog.m_initmode, kNoValueUsed);
    ClickRadio(dialog.m_downstep, 0);
    dialog.m_repeatrate->setValue(7);
    dialog.OkButton()->click();
  });

  editors.EditRockerSwitchProperties(rocker.index);

  EXPECT_EQ(shownrate, 3);
  EXPECT_EQ(Shown(), std::vector<std::string>{"This field cannot contain a decimal point."});
  EXPECT_TRUE(focused);
  const RockerSwitchRecord& record = doc.m_rockerswitches[rocker.index];
  EXPECT_EQ(record.uplimit, "99");
  EXPECT_EQ(record.upprefix, "U1");
  EXPECT_EQ(record.initmode, kNoValueUsed);
  EXPECT_EQ(record.downstep, 0);
  EXPECT_EQ(record.repeatrate, 7);
}

TEST_F(ControlDialogsTest, TheInitializationAndResponseChoicesEnableOnlyTheFieldsTheyUse) {
  const ScreenObject rocker = PlaceSelected(ScreenObjectKind::RockerSwitch);
  const ScreenObject slider = PlaceOne(ScreenObjectKind::SliderControl);
  struct Enabled {
    bool startvalue, getcommand, valuetype, responseto;
    bool operator==(const Enabled&) const = default;
  };
  std::vector<Enabled> rockerstates;
  WhenShown<CRockerSwitchDlg>([&](CRockerSwitchDlg& dialog) {
    const auto note = [&] {
      rockerstates.push_back({dialog.m_startvalue->isEnabled(), dialog.m_getcommand->isEnabled(),
                              dialog.m_valuetype->isEnabled(), dialog.m_responseto->isEnabled()});
    };
    note();
    for (int mode : {kGetValueFromModule, kNoValueUsed, kStartWithValue}) {
      ClickRadio(dialog.m_initmode, mode);
      note();
    }
    dialog.m_responseexpected->click();
    note();
  });
  editors.EditRockerSwitchProperties(rocker.index);
  EXPECT_EQ(rockerstates, (std::vector<Enabled>{{true, false, true, false},
                                                {false, true, true, false},
                                                {false, false, false, false},
                                                {true, false, true, false},
                                                {true, false, true, true}}));

  doc.m_slidercontrols[slider.index].initmode = kGetValueFromModule;
  doc.m_slidercontrols[slider.index].responseexpected = 1;
  std::vector<Enabled> sliderstates;
  WhenShown<CSliderControlDlg>([&](CSliderControlDlg& dialog) {
    const auto note = [&] {
      sliderstates.push_back({dialog.m_startvalue->isEnabled(), dialog.m_getcommand->isEnabled(),
                              dialog.m_valuetype->isEnabled(), dialog.m_responseto->isEnabled()});
    };
    note();
    ClickRadio(dialog.m_initmode, kStartWithValue);
    dialog.m_responseexpected->click();
    note();
  });
  editors.EditSliderControlProperties(slider.index);
  EXPECT_EQ(sliderstates, (std::vector<Enabled>{{false, true, true, true}, {true, false, true, false}}));
}

TEST_F(ControlDialogsTest, SliderRefusesEndsThatAreOneNumberAndMovesItsValueToTheBottomOnOk) {
  const ScreenObject slider = PlaceSelected(ScreenObjectKind::SliderControl);
  doc.m_slidercontrols[slider.index].valuetext = "42";
  std::string shownbottom;
  WhenShown<CSliderControlDlg>([&](CSliderControlDlg& dialog) {
    dialog.m_valuetype->setCurrentIndex(1);
    dialog.m_topvalue->setText("ff");
    dialog.m_bottomvalue->setText("0FF");
    dialog.OkButton()->click();
    shownbottom = dialog.m_bottomvalue->Text();
    dialog.m_bottomvalue->setText("1a");
    dialog.m_tickmarks->setCurrentIndex(0);
    dialog.OkButton()->click();
  });

  editors.EditSliderControlProperties(slider.index);

  EXPECT_EQ(Shown(), std::vector<std::string>{"Top Value cannot equal Bottom Value."});
  EXPECT_EQ(shownbottom, "0FF");
  const SliderControlRecord& record = doc.m_slidercontrols[slider.index];
  EXPECT_EQ(record.topvalue, "FF");
  EXPECT_EQ(record.bottomvalue, "1A");
  EXPECT_EQ(record.valuetext, "1A");
  EXPECT_EQ(record.tickmarks, 1);
}

TEST_F(ControlDialogsTest, SignalLampConfirmedWithResetValueOnIsOnWithItsFlashingRate) {
  const ScreenObject lamp = PlaceSelected(ScreenObjectKind::SignalLamp);
  doc.m_signallamps[lamp.index].idlabel = "Lamp1";
  doc.m_signallamps[lamp.index].flashrate = 2;
  int shownrate = -1;
  WhenShown<CSignalLampDlg>([&](CSignalLampDlg& dialog) {
    shownrate = dialog.m_flashrate->value();
    ClickRadio(dialog.m_resetstate, 1);
    dialog.m_lampcolor->setCurrentIndex(4);
    dialog.m_flashrate->setValue(5);
    dialog.m_ontext->setText("  LAMP ON ");
    dialog.OkButton()->click();
  });

  editors.EditSignalLampProperties(lamp.index);

  EXPECT_EQ(shownrate, 2);
  const SignalLampRecord& record = doc.m_signallamps[lamp.index];
  EXPECT_EQ(record.valuetext, "On");
  EXPECT_EQ(record.state, 1);
  EXPECT_EQ(record.lampcolor, 4);
  EXPECT_EQ(record.flashrate, 5);
  EXPECT_EQ(record.ontext, "LAMP ON");
}

TEST_F(ControlDialogsTest, EventCounterRefusesAPointThenShowsItsResetValueWithNarrowButtons) {
  const ScreenObject counter = PlaceSelected(ScreenObjectKind::EventCounter);
  doc.m_eventcounters[counter.index].idlabel = "Count1";
  bool focused = false;
  WhenShown<CEventCounterDlg>([&](CEventCounterDlg& dialog) {
    dialog.m_resetvalue->setText("1.5");
    dialog.OkButton()->click();
    focused = dialog.focusWidget() == dialog.m_resetvalue;
    dialog.m_resetvalue->setText("-7");
    dialog.m_manualbuttons->setChecked(false);
    dialog.OkButton()->click();
  });

  editors.EditEventCounterProperties(counter.index);

  EXPECT_EQ(Shown(), std::vector<std::string>{"This field cannot contain a decimal point."});
  EXPECT_TRUE(focused);
  const EventCounterRecord& record = doc.m_eventcounters[counter.index];
  EXPECT_EQ(record.valuetext, "-7");
  EXPECT_EQ(record.buttonwidth, 1);
}

TEST_F(ControlDialogsTest, EventTimerNotesTheCountdownOnceAndRewritesTheResetValueForANewFormat) {
  const ScreenObject timer = PlaceSelected(ScreenObjectKind::EventTimer);
  doc.m_eventtimers[timer.index].idlabel = "Timer1";
  doc.m_eventtimers[timer.index].timeformat = 1;
  doc.m_eventtimers[timer.index].resetms = 90000;
  std::string shown;
  std::string rewritten;
  WhenShown<CEventTimerDlg>([&](CEventTimerDlg& dialog) {
    shown = dialog.m_resetvalue->Text();
    for (int visit = 0; visit < 2; ++visit) {
      dialog.m_idlabel->setFocus(Qt::TabFocusReason);
      dialog.m_resetvalue->setFocus(Qt::TabFocusReason);
      QApplication::processEvents();
    }
    dialog.m_timeformat->setCurrentIndex(5);
    rewritten = dialog.m_resetvalue->Text();
    dialog.OkButton()->click();
  });

  editors.EditEventTimerProperties(timer.index);

  EXPECT_EQ(shown, "0:01:30");
  EXPECT_EQ(rewritten, "90.0");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Important Note");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(messages.shown[0].text,
            "If the Reset Value is non zero, the Timer will \rstart from this value and count down to zero.");
  const EventTimerRecord& record = doc.m_eventtimers[timer.index];
  EXPECT_EQ(record.timeformat, 5);
  EXPECT_EQ(record.resetms, 90000);
  EXPECT_EQ(record.valuetext, "90.0");
}

// The next widget that Tab would move to, as Qt walks the focus chain.
QWidget* NextTabStop(QWidget* from) {
  QWidget* next = from->nextInFocusChain();
  while (next != from && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
  return next;
}

TEST_F(ControlDialogsTest, EventTimerTabsFromTheIdLabelThroughTheTimeFormatToTheResetValue) {
  const ScreenObject timer = PlaceSelected(ScreenObjectKind::EventTimer);
  std::vector<QWidget*> stops;
  std::vector<QWidget*> expected;
  WhenShown<CEventTimerDlg>([&](CEventTimerDlg& dialog) {
    expected = {dialog.m_timeformat, dialog.m_resetvalue, dialog.m_resetonrun, dialog.m_manualbuttons};
    QWidget* stop = dialog.m_idlabel;
    for (std::size_t i = 0; i < expected.size(); ++i) stops.push_back(stop = NextTabStop(stop));
  });

  editors.EditEventTimerProperties(timer.index);

  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(stops, expected);
}

TEST_F(ControlDialogsTest, PivotTrackerChecksItsLimitsFirstAndHasNoSubMarksWithoutTickMarks) {
  HelpPageCatcher help("index.html");
  const ScreenObject tracker = PlaceSelected(ScreenObjectKind::PivotTracker);
  doc.m_pivottrackers[tracker.index].tickmarks = 8;
  doc.m_pivottrackers[tracker.index].submarks = 3;
  bool subenabled = false;
  bool cwfocused = false;
  WhenShown<CPivotTrackerDlg>([&](CPivotTrackerDlg& dialog) {
    subenabled = dialog.m_submarks->isEnabled();
    Type(dialog.m_idlabel, Qt::Key_F1);
    dialog.m_idlabel->setText("Pivot");
    dialog.m_cwlimit->setText("361");
    dialog.OkButton()->click();
    cwfocused = dialog.focusWidget() == dialog.m_cwlimit;
    dialog.m_cwlimit->setText("270");
    dialog.OkButton()->click();
    dialog.m_idlabel->setText("Pivot0");
    dialog.m_tickmarks->setCurrentIndex(0);
    dialog.OkButton()->click();
  });

  editors.EditPivotTrackerProperties(tracker.index);

  EXPECT_TRUE(subenabled);
  EXPECT_TRUE(help.m_opened.isEmpty());
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Please enter an integer between 0 and 360.",
                                               "ID label must end with a number between 1 and 99."}));
  EXPECT_TRUE(cwfocused);
  const PivotTrackerRecord& record = doc.m_pivottrackers[tracker.index];
  EXPECT_EQ(record.idlabel, "Pivot0");
  EXPECT_EQ(record.cwlimit, 270);
  EXPECT_EQ(record.tickmarks, 0);
  EXPECT_EQ(record.submarks, 0);
}

TEST_F(ControlDialogsTest, PivotTrackerSubMarksFollowTheTickMarkChoice) {
  const ScreenObject tracker = PlaceSelected(ScreenObjectKind::PivotTracker);
  doc.m_pivottrackers[tracker.index].tickmarks = 1;
  doc.m_pivottrackers[tracker.index].submarks = 4;
  std::vector<std::pair<bool, int>> states;
  WhenShown<CPivotTrackerDlg>([&](CPivotTrackerDlg& dialog) {
    states.emplace_back(dialog.m_submarks->isEnabled(), dialog.m_submarks->currentIndex());
    dialog.m_tickmarks->setCurrentIndex(3);
    states.emplace_back(dialog.m_submarks->isEnabled(), dialog.m_submarks->currentIndex());
  });
  editors.EditPivotTrackerProperties(tracker.index);
  EXPECT_EQ(states, (std::vector<std::pair<bool, int>>{{false, 0}, {true, 0}}));
}

TEST_F(ControlDialogsTest, PIControllerRefusesItselfAsTargetWithoutOfferingTheSelectorAndResetsKpKi) {
  const ScreenObject pi = PlaceSelected(ScreenObjectKind::PIController);
  PIControllerRecord& stored = doc.m_picontrollers[pi.index];
  stored.idlabel = "PI1";
  stored.kpkiformat = 0;
  stored.kptext = "4";
  bool focused = false;
  bool guarded = false;
  WhenShown<CPIControllerDlg>([&](CPIControllerDlg& dialog) {
    dialog.m_sensorto->setText(" p i 1");
    dialog.OkButton()->click();
    focused = dialog.focusWidget() == dialog.m_sensorto;
    guarded = dialog.m_selectorctl == dialog.m_sensorto;
    QApplication::processEvents();
    dialog.m_sensorto->setText("");
    dialog.m_kpkiformat->setCurrentIndex(2);
    dialog.m_posprefix->setText("P");
    dialog.m_posmax->setText("10");
    dialog.OkButton()->click();
  });

  editors.EditPIControllerProperties(pi.index);

  EXPECT_EQ(Shown(), std::vector<std::string>{"Can not send output value to itself."});
  EXPECT_TRUE(focused);
  EXPECT_TRUE(guarded);
  const PIControllerRecord& record = doc.m_picontrollers[pi.index];
  EXPECT_EQ(record.kpkiformat, 2);
  EXPECT_EQ(record.kptext, "0.01");
  EXPECT_EQ(record.kitext, "0.01");
  EXPECT_EQ(record.posmax, "10");
}

// Every kind of these dialogs opens from a right click in the program, and
// from Edit > Properties once selected.
TEST(ControlPropertyEditorsInTheProgram, ARightClickAndEditPropertiesOpenEachKindsDialog) {
  MemoryProfile profile;
  CKorvixDoc doc;
  RecordingMessageSink messages;
  CMainFrame frame{profile};
  auto* subsystems = new CViewSubsystems(frame, doc, profile, messages, {});
  frame.show();
  QStringList opened;
  QTimer closer;
  closer.setInterval(0);
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* dialog = qobject_cast<PropertyDialog*>(QApplication::activeModalWidget())) {
      opened << dialog->windowTitle();
      dialog->reject();
    }
  });
  closer.start();
  QWidget* viewport = frame.View()->viewport();
  const std::pair<ScreenObjectKind, const char*> kinds[] = {
      {ScreenObjectKind::RockerSwitch, "Rocker Switch Properties"},
      {ScreenObjectKind::SliderControl, "Slider Control Properties"},
      {ScreenObjectKind::SignalLamp, "Signal Lamp Properties"},
      {ScreenObjectKind::EventCounter, "Event Counter Properties"},
      {ScreenObjectKind::EventTimer, "Event Timer Properties"},
      {ScreenObjectKind::PivotTracker, "Pivot Tracker Properties"},
      {ScreenObjectKind::PIController, "PI Controller Properties"}};
  for (const auto& [kind, caption] : kinds) {
    // The Pivot Tracker has no Place-Object entry of its own.
    subsystems->PageEditor().Editor().Place(kind);
    const Rect rect = subsystems->PageEditor().Editor().ObjectRect({kind, 0});
    const QPointF inside((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    QMouseEvent press(QEvent::MouseButtonPress, inside, viewport->mapToGlobal(inside), Qt::RightButton, Qt::RightButton,
                      {});
    QApplication::sendEvent(viewport, &press);
    frame.CommandAction(ID_EDIT_PROPERTIES)->trigger();
    EXPECT_EQ(opened, (QStringList{caption, caption}));
    opened.clear();
  }
}

}  // namespace
}  // namespace korvix
