#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "ui/main_window.h"

namespace {

constexpr int kShotDelayMs = 3000;

// "--shot FILE": save a picture of the screen after a few seconds and exit,
// for machines where nobody watches the display.
QString ShotPath(const QStringList& arguments) {
  const qsizetype at = arguments.indexOf(QStringLiteral("--shot"));
  return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  korvix::MainWindow window;
  window.show();

  const QString shot = ShotPath(app.arguments());
  if (!shot.isEmpty()) {
    QTimer::singleShot(kShotDelayMs, &app, [&window, shot] {
      const bool saved = window.screen()->grabWindow(0).save(shot);
      QCoreApplication::exit(saved ? 0 : 1);
    });
  }
  return app.exec();
}
