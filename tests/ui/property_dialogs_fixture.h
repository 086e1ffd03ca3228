#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "comms/com_link.h"
#include "editor_fixture.h"
#include "fake_com_link_host.h"
#include "platform/profile.h"
#include "platform/testing/fake_clocks.h"
#include "texts/number_texts.h"
#include "ui/editor_pass_wait.h"
#include "ui/property_editors_ui.h"

namespace korvix {

// Acts on the modal dialog of type Dialog once it shows.
template <class Dialog>
void WhenShown(std::function<void(Dialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    act(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
}

inline void PressLeft(QWidget* widget) {
  const QPointF at(widget->width() / 2, widget->height() / 2);
  QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
  QApplication::sendEvent(widget, &press);
}

inline void Type(QWidget* widget, int key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
}

// The editors as the program opens them, over a page with real records and
// a colour picker that answers from a queue.
class PropertyDialogsTest : public EditorTest {
protected:
  PropertyFrame frame{doc, view, page, window, chartmemories};
  // Only the Chart Recorder's editor runs in the loop, and it is tested in
  // the program.
  testing::FakeComLinkHost host;
  FakeMillisecondClock clock;
  MemoryProfile profile;
  NumberTexts numbers;
  ComLink link{PeersOf(host), host.run, messages, clock, profile, numbers};
  QtPassWait passwait{link};
  EditorLoop loop{link, passwait, messages};
  std::vector<int> pickerpresets;
  std::optional<int> pickeranswer;
  struct : EmailReporter {
    void SendEmailReport(const std::string&, const std::string&) override {}
    int SendsInFlight() const override { return 0; }
  } reports;
  CPropertyEditors editors{nullptr,
                           frame,
                           messages,
                           [this](QWidget*, int colour) {
                             pickerpresets.push_back(colour);
                             return pickeranswer;
                           },
                           loop,
                           reports,
                           ChartPlotAccess{}};

  ScreenObject PlaceSelected(ScreenObjectKind kind) {
    const ScreenObject object = PlaceOne(kind);
    editor.SelectOnly(object);
    page.m_tracker.m_rect = editor.ObjectRect(object);
    return object;
  }

  std::vector<std::string> Shown() const {
    std::vector<std::string> texts;
    for (const auto& shown : messages.shown) texts.push_back(shown.text);
    return texts;
  }
};

}  // namespace korvix
