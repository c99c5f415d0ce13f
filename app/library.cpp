// The game library's list and its test mode.
#include "app/library.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

#include "app/command_line.h"
#include "core/string_list.h"
#include "core/text1252.h"
#include "core/translation.h"
#include "form/builtin_pictures.h"
#include "form/config.h"
#include "platform/qt_platform.h"
#include "qt/installed_files.h"
#include "shell/locate_game.h"
#include "shell/state_folder.h"

namespace lumora {
namespace {

constexpr int kThumbnailWidth = 160, kThumbnailHeight = 120;
const QString kAddedKey = QStringLiteral("library/games");
const QString kPlayedKey = QStringLiteral("library/lastPlayed");
// What was found in each added folder (its name, its opening picture and when
// its ".ini" last changed), so the list shows at once: only the ".ini" is
// looked at again at each start, and the folder read again when it changed.
const QString kFoundKey = QStringLiteral("library/found");

// The game in a folder (or named by its ".ini"): its folder and name, or false
// when none is there. A folder of ".ini" and saved files without scripts is a
// player's state folder, not a game.
bool Locate(const QString& path, LibraryGame& game, QString* error) {
  const GameLocation where = LocateGame(path.toStdString(), "");
  if (!where.error.empty()) {
    if (error) *error = QString::fromStdString(where.error);
    return false;
  }
  const QDir folder(QString::fromStdString(where.folder));
  if (folder.entryList({"*.scp", "*.SCP"}, QDir::Files).isEmpty()) {
    if (error) *error = translate("Library", "%1 holds no game's scripts (a folder of saved games?)").arg(path);
    return false;
  }
  game.folder = QDir::cleanPath(folder.absolutePath());
  game.name = QString::fromStdString(where.name);
  StringList config;
  if (LoadLines(folder.filePath(game.name + ".ini").toStdString(), config) && config.size() > kOpeningPicture) {
    const QString picture = QString::fromStdString(Utf8FromCp1252(config[kOpeningPicture])).trimmed();
    if (!picture.isEmpty()) game.picture = folder.filePath(picture);
  }
  return true;
}

// When the game's ".ini" last changed; "" when it is gone.
QString IniStamp(const QString& folder, const QString& name) {
  const QFileInfo ini(folder + "/" + name + ".ini");
  return ini.exists() ? QString::number(ini.lastModified().toMSecsSinceEpoch()) : QString();
}

QJsonObject Json(const LibraryGame& g) {
  return {{"folder", g.folder},         {"name", g.name},
          {"picture", !g.picture.isEmpty()}, {"lastPlayed", g.lastPlayed},
          {"installed", g.installed},   {"thumbnail", QFileInfo::exists(Library::ThumbnailFile(g))},
          {"slots", static_cast<int>(Library::Slots(g).size())}};
}

}  // namespace

Library::Library() : settings_(QStringLiteral("lumora"), QStringLiteral("lumora")) {}

std::vector<LibraryGame> Library::Games() const {
  std::vector<LibraryGame> games;
  const QVariantMap played = settings_.value(kPlayedKey).toMap();
  QVariantMap found = settings_.value(kFoundKey).toMap();
  const qsizetype foundBefore = found.size();
  auto take = [&](const QString& path, bool installed) {
    LibraryGame g;
    const QStringList known = found.value(path).toStringList();
    if (known.size() == 3 && IniStamp(path, known[0]) == known[2]) {
      g.folder = path;
      g.name = known[0];
      g.picture = known[1];
    } else if (!Locate(path, g, nullptr)) {
      return;
    } else if (!installed) {
      found[path] = QStringList{g.name, g.picture, IniStamp(g.folder, g.name)};
    }
    for (const LibraryGame& known : games)
      if (known.folder == g.folder) return;
    g.installed = installed;
    g.lastPlayed = played.value(g.folder).toLongLong();
    games.push_back(g);
  };
  take(InstalledDemoFolder(), true);
  for (const QString& folder : settings_.value(kAddedKey).toStringList()) take(folder, false);
  if (found.size() != foundBefore) settings_.setValue(kFoundKey, found);
  return games;
}

bool Library::Add(const QString& path, QString& error) {
  LibraryGame g;
  if (!Locate(QFileInfo(path).absoluteFilePath(), g, &error)) return false;
  QStringList added = settings_.value(kAddedKey).toStringList();
  if (!added.contains(g.folder)) added.append(g.folder);
  settings_.setValue(kAddedKey, added);
  QVariantMap found = settings_.value(kFoundKey).toMap();
  found[g.folder] = QStringList{g.name, g.picture, IniStamp(g.folder, g.name)};
  settings_.setValue(kFoundKey, found);
  return true;
}

bool Library::Remove(const QString& folder) {
  QStringList added = settings_.value(kAddedKey).toStringList();
  const bool removed = added.removeAll(QDir::cleanPath(QFileInfo(folder).absoluteFilePath())) > 0;
  settings_.setValue(kAddedKey, added);
  return removed;
}

void Library::Played(const QString& folder) {
  QVariantMap played = settings_.value(kPlayedKey).toMap();
  played[folder] = QDateTime::currentSecsSinceEpoch();
  settings_.setValue(kPlayedKey, played);
}

std::vector<SlotInfo> Library::Slots(const LibraryGame& game) {
  const std::string data = PlayerDataFolder();
  if (data.empty()) return {};
  const std::string name = Cp1252FromUtf8(game.name.toStdString());
  return ListSlotsIn(SlotsFolderOf(data + PlayerGameKey(name, game.folder.toStdString()) + "/"), nullptr);
}

QString Library::ThumbnailFile(const LibraryGame& game) {
  const QByteArray digest = QCryptographicHash::hash(game.folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
  return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/thumbnails/" + digest + ".png";
}

QImage Library::Thumbnail(const LibraryGame& game) {
  const QString cached = ThumbnailFile(game);
  const QFileInfo cache(cached), picture(game.picture);
  if (cache.exists() && (game.picture.isEmpty() || cache.lastModified() >= picture.lastModified())) {
    QImage image(cached);
    if (!image.isNull()) return image;
  }
  QImage image;
  if (!game.picture.isEmpty()) {
    QImageReader reader(game.picture);
    image = reader.read();
  }
  if (image.isNull()) image = BuiltinOpening();
  image = image.scaled(kThumbnailWidth, kThumbnailHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QDir().mkpath(cache.absolutePath());
  image.save(cached, "PNG");
  return image;
}

int RunLibraryCommand(const Options& o, const char* argv0) {
  Library library;
  const QString game = QString::fromStdString(o.game);
  QString error;
  int status = kExitDone;
  if (o.library == "add" && !library.Add(game, error)) {
    std::fprintf(stderr, "lumora: %s\n", error.toLocal8Bit().constData());
    return kExitUsage;
  }
  if (o.library == "remove" && !library.Remove(game)) {
    std::fprintf(stderr, "lumora: %s\n",
                 translate("Library", "%1 is not among the games you added").arg(game).toLocal8Bit().constData());
    return kExitUsage;
  }
  if (o.library == "play") {
    LibraryGame g;
    if (!Locate(game, g, &error)) {
      std::fprintf(stderr, "lumora: %s\n", error.toLocal8Bit().constData());
      return kExitUsage;
    }
    library.Played(g.folder);
    QStringList args{g.folder};
    if (!o.restore.empty()) args << "--restore" << QString::fromStdString(o.restore);
    if (!o.play.empty()) args << "--play" << QString::fromStdString(o.play);
    if (o.headless) args << "--headless";
    if (o.json) args << "--json";
    status = QProcess::execute(QString::fromLocal8Bit(argv0), args);
  }
  for (const LibraryGame& g : library.Games()) {
    if (o.library == "list") Library::Thumbnail(g);
    std::printf("%s\n", QJsonDocument(Json(g)).toJson(QJsonDocument::Compact).constData());
  }
  return status;
}

}  // namespace lumora
