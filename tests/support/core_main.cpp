// Test program over tavorin-core: no windows, but a GUI application on the offscreen
// platform, since the prints measure and draw texts with fonts.
#include "platform/FontSubstitutions.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QGuiApplication app(argc, argv);
  platform::installFontSubstitutions();  // as the program does at start
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
