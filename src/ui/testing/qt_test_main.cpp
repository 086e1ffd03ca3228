#include <QApplication>
#include <gtest/gtest.h>

// Widget tests run without a display: the offscreen platform is forced
// before the application object exists, so even test discovery needs none.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
