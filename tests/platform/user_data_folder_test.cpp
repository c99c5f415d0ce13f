// Where the player's own files go: under XDG_DATA_HOME, in "lumora".
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "platform/qt_platform.h"

namespace lumora {
namespace {

// Started through a link named after a game, the application bears the game's
// name; the player's folder stays the program's own.
TEST(UserDataFolder, LumoraUnderXdgDataHomeWhateverTheProgramWasCalled) {
  QTemporaryDir home;
  const QByteArray saved = qgetenv("XDG_DATA_HOME");
  const QString savedName = QCoreApplication::applicationName();
  qputenv("XDG_DATA_HOME", home.path().toUtf8());
  QCoreApplication::setApplicationName(QStringLiteral("aventura"));
  QtPlatform platform;
  const std::string folder = platform.UserDataFolder();
  QCoreApplication::setApplicationName(savedName);
  if (saved.isNull()) qunsetenv("XDG_DATA_HOME");
  else qputenv("XDG_DATA_HOME", saved);
  EXPECT_EQ(folder, home.path().toStdString() + "/lumora/");
}

}  // namespace
}  // namespace lumora
