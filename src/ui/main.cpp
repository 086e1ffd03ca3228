#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <malloc.h>

#include "platform/profile.h"
#include "platform/wall_clock.h"
#include "ui/korvix_app.h"
#include "ui/latin1.h"
#include "ui/main_frame.h"
#include "ui/qt_message_sink.h"
#include "ui/shell_dialogs.h"

namespace {

constexpr int kShotDelayMs = 3000;
// Allocations from this size up (window-sized images, made afresh for every
// full repaint) get pages of their own, given back when freed. Left to the
// allocator's own rule they soon land in the heap and keep it at its
// largest for the rest of the run.
constexpr int kOwnPagesFrom = 1 << 20;
constexpr char kShotOption[] = "--shot";

// "--shot FILE": save a picture of the screen after a few seconds and exit,
// for machines where nobody watches the display. Taken out of the arguments
// before the program sees them.
QString TakeShotPath(QStringList& arguments) {
  const qsizetype at = arguments.indexOf(QString::fromLatin1(kShotOption));
  if (at < 0 || at + 1 >= arguments.size()) return {};
  const QString path = arguments.at(at + 1);
  arguments.remove(at, 2);
  return path;
}

}  // namespace

int main(int argc, char* argv[]) {
  mallopt(M_MMAP_THRESHOLD, kOwnPagesFrom);
  QApplication app(argc, argv);
  QStringList arguments = app.arguments().mid(1);
  const QString shot = TakeShotPath(arguments);
  std::vector<std::string> words;
  for (const QString& argument : arguments) words.push_back(argument.toLocal8Bit().toStdString());

  korvix::IniProfile profile(korvix::DefaultProfilePath());
  korvix::QtMessageSink messages;
  korvix::SystemWallClock clock;
  korvix::QtShellDialogs dialogs;
  // Run where it was built, the program takes its help and samples from
  // the source tree.
  const korvix::BuildTree built{KORVIX_BUILD_PROGRAM_FOLDER, KORVIX_SOURCE_FOLDER};
  korvix::CKorvixApp korvixapp(profile, messages, clock, dialogs, korvix::ShellEnvironment::FromSystem(built));
  // Armed before start-up so that a start-up dialog is in the picture too.
  bool shotdone = false;
  int shotresult = 0;
  if (!shot.isEmpty()) {
    QTimer::singleShot(kShotDelayMs, &app, [&shotdone, &shotresult, shot] {
      shotdone = true;
      shotresult = QGuiApplication::primaryScreen()->grabWindow(0).save(shot) ? 0 : 1;
      QCoreApplication::exit(shotresult);
    });
  }

  korvixapp.InitApplication();
  if (!korvixapp.InitInstance(words)) {
    korvixapp.ExitInstance();
    return korvixapp.ExitCode();
  }
  messages.SetOwner(korvixapp.MainFrame());
  // A shot taken while start-up still waited in a dialog has ended the
  // program already.
  const int result = shotdone ? shotresult : app.exec();
  const int exitresult = korvixapp.ExitInstance();
  return result != 0 ? result : exitresult;
}
