#include <QImage>
#include <gtest/gtest.h>

#include "ui/main_window.h"

namespace korvix {
namespace {

TEST(MainWindow, ShowsOffscreenWithItsCaption) {
  MainWindow window;
  window.show();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Korvix"));
  const QImage picture = window.grab().toImage();
  EXPECT_EQ(picture.size(), window.size());
}

}  // namespace
}  // namespace korvix
