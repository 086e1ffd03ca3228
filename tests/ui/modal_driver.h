#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace korvix::testing {

// Serves every modal dialog of type `Dialog` that opens while it lives, from
// the dialog's own event loop, and counts them.
template <class Dialog>
class ModalDriver {
public:
  explicit ModalDriver(std::function<void(Dialog&)> serve) : m_serve(std::move(serve)) {
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr || dialog->property(kServed).toBool()) return;
      dialog->setProperty(kServed, true);
      ++served;
      m_serve(*dialog);
    });
    m_timer.start(0);
  }

  int served = 0;

private:
  static constexpr const char* kServed = "servedbytest";
  std::function<void(Dialog&)> m_serve;
  QTimer m_timer;
};

}  // namespace korvix::testing
