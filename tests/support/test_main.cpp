// The test program: a GUI application on the offscreen platform, since the form
// model draws its built-in pictures with fonts; a widget application for the
// front end's tests.
#include <gtest/gtest.h>

#ifdef LUMORA_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The player's own texts in English, as the tests expect them, also when the
  // program is run by hand in another locale (CTest sets it as well); a test
  // of another language sets its own.
  qputenv("LANGUAGE", "C");
  TestApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
