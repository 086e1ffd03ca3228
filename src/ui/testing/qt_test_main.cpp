#include <gtest/gtest.h>
#include <QApplication>
#include <QTimer>

namespace {

// A test that ends the program with QCoreApplication::exit outside the
// application's event loop leaves every later modal loop returning at once;
// one turn of the application's own loop clears that before each test.
class FreshEventLoop final : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
  }
};

}  // namespace

// Widget tests run without a display: the offscreen platform is forced
// before the application object exists, so even test discovery needs none.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshEventLoop);
  return RUN_ALL_TESTS();
}
