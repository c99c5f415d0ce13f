// Running the player on a test game.
#include "walk/walk_support.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <unistd.h>

namespace lumora::testing {
namespace {

std::vector<std::unique_ptr<QTemporaryDir>>& Folders() {
  static std::vector<std::unique_ptr<QTemporaryDir>> folders;
  return folders;
}

}  // namespace

void CopyFolder(const QString& from, const QString& to) {
  QDir source(from);
  for (const QString& name : source.entryList(QDir::Files)) QFile::copy(source.filePath(name), to + "/" + name);
}

QJsonObject WalkResult::Step(int n) const {
  for (const auto& s : steps)
    if (s["step"].toInt() == n) return s;
  return {};
}

QByteArray WalkResult::File(const QString& name) const {
  QFile file(folder + "/" + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

WalkResult PlayAgain(const QString& folder, const QString& walkthrough, const QStringList& extra,
                     const QString& program) {
  WalkResult r;
  r.folder = folder;
  // Beside the game, not in it: a test may have made the game's folder read-only.
  auto walkDir = std::make_unique<QTemporaryDir>();
  const QString walkPath = walkDir->filePath("test.walk.txt");
  Folders().push_back(std::move(walkDir));
  QFile walk(walkPath);
  walk.open(QIODevice::WriteOnly);
  walk.write(walkthrough.toUtf8());
  walk.close();
  QProcess p;
  if (extra.contains("--web")) {
    // Under AddressSanitizer: QtWebEngine frees some of its own objects with a
    // delete of the wrong size (new-delete-type-mismatch), inside Chromium's
    // code and not ours; that one check is off for the real web view.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":new_delete_type_mismatch=0");
    p.setProcessEnvironment(env);
  }
  QStringList args = {"--headless", "--json", "--play", walkPath};
  args << extra;
  if (program.isEmpty()) args << folder;
  p.start(program.isEmpty() ? QStringLiteral(LUMORA_BIN) : program, args);
  p.waitForFinished(120000);
  r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.stderrText = QString::fromUtf8(p.readAllStandardError());
  for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
    if (!line.trimmed().isEmpty()) r.steps.push_back(QJsonDocument::fromJson(line).object());
  return r;
}

QString GameWalkthrough(const QString& game) {
  QFile file(QStringLiteral(LUMORA_GAMES) + "/" + game + "/" + game + ".walk");
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

WalkResult PlayWalk(const QString& game, const QString& walkthrough, const QStringList& extra) {
  auto dir = std::make_unique<QTemporaryDir>();
  const QString folder = dir->path();
  CopyFolder(QDir::isAbsolutePath(game) ? game : QStringLiteral(LUMORA_GAMES) + "/" + game, folder);
  Folders().push_back(std::move(dir));
  return PlayAgain(folder, walkthrough, extra);
}

HeadlessScreen::HeadlessScreen(int width, int height) : before_(qgetenv("QT_QPA_PLATFORM")) {
  auto dir = std::make_unique<QTemporaryDir>();
  file_ = dir->filePath("screens.json");
  Folders().push_back(std::move(dir));
  QFile json(file_);
  json.open(QIODevice::WriteOnly);
  json.write(QStringLiteral(R"({"screens":[{"name":"test","x":0,"y":0,"width":%1,"height":%2,)"
                            R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})")
                 .arg(width)
                 .arg(height)
                 .toUtf8());
  json.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(file_));
}

HeadlessScreen::~HeadlessScreen() { qputenv("QT_QPA_PLATFORM", before_); }

ReadOnlyFolder::ReadOnlyFolder(const QString& folder) : folder_(folder) {
  if (geteuid() == 0) immutable_ = QProcess::execute("chattr", {"+i", folder_}) == 0;
  else QFile::setPermissions(folder_, QFile::ReadOwner | QFile::ExeOwner);
}

ReadOnlyFolder::~ReadOnlyFolder() {
  if (immutable_) QProcess::execute("chattr", {"-i", folder_});
  QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool ReadOnlyFolder::Ready() const { return ::access(QFile::encodeName(folder_).constData(), W_OK) != 0; }

}  // namespace lumora::testing
