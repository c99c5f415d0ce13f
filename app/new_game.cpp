// lumora --new: a small game made from the demo's configuration, with scripts
// and pictures of its own.
#include "app/new_game.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "app/command_line.h"
#include "core/string_list.h"
#include "core/strings.h"
#include "core/text1252.h"
#include "core/translation.h"
#include "form/config.h"

namespace lumora {
namespace {

// The game's scripts, Windows-1252 as every script; "\n" becomes CR LF.
struct Script {
  const char* name;
  const char* text;
};
const Script kScripts[] = {
    {"start",
     "/ O primeiro clique na abertura roda este script: o jogo vai para a sala.\n"
     "script sala\n"},
    {"sala",
     "/ A sala: uma figura, uma sa\xED""da ao norte e uma \xE1rea que leva at\xE9 l\xE1\n"
     "setmode= 1\n"
     "setpos= sala\n"
     "cleardir\n"
     "norte= jardim\n"
     "telpos= sala.png\n"
     "lnktel= Ir ao jardim,jardim,40,40\n"
     "msg= Voc\xEA est\xE1 na sala. Ao norte fica o jardim: digite NORTE ou clique em Ir ao jardim.\n"},
    {"jardim",
     "/ O jardim: a sa\xED""da ao sul volta \xE0 sala\n"
     "setmode= 1\n"
     "setpos= jardim\n"
     "cleardir\n"
     "sul= sala\n"
     "telpos= jardim.png\n"
     "lnktel= Voltar \xE0 sala,sala,40,40\n"
     "msg= Voc\xEA est\xE1 no jardim. Ao sul fica a sala: digite SUL ou clique em Voltar \xE0 sala.\n"},
    {"vocab",
     "NORTE|@norte\n"
     "SUL|@sul\n"
     "OLHAR|@pos\n"},
};

bool WriteText(const QString& path, const std::string& text) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(text.data(), static_cast<qint64>(text.size())) ==
                                                static_cast<qint64>(text.size());
}

// A picture of one colour with a caption, size of the game's screen or button.
QImage Drawn(int width, int height, QColor colour, const QString& caption) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(colour);
  QPainter p(&picture);
  p.setPen(Qt::white);
  p.drawText(picture.rect(), Qt::AlignCenter, caption);
  return picture;
}

// The demo's configuration with the new game's names, pictures and places:
// every line there, so the reference explains each.
bool Configuration(const std::string& name, StringList& lines) {
  QFile demo(QStringLiteral(":/new/demo.ini"));
  if (!demo.open(QIODevice::ReadOnly)) return false;
  lines = SplitLines(demo.readAll().toStdString());
  if (lines.size() < static_cast<size_t>(kConfigLineCount)) return false;
  auto set = [&](int n, std::string value) { lines[static_cast<size_t>(n)] = std::move(value); };
  set(kWindowLeft, "60");
  set(kWindowTop, "40");
  set(kGameNameLine, name);
  set(kIniScpLine, "start");
  set(kScriptLine, "sala");
  set(kRetScpLine, "start");
  set(kObjetoLine, "");
  set(kPosicLine, "sala");
  set(kOpeningPicture, "abertura.png");
  set(kSkinPicture, "");  // the built-in skin
  set(kVocabularyLine, "vocab");
  set(kQuitButtonPicture, "botao.png");
  set(kUnknownScriptModel2, "sala");
  set(kF1Command, "OLHAR");
  set(kF2Command, "NORTE");
  set(kF4Command, "SUL");
  return true;
}

int Fail(const QString& message) {
  std::fprintf(stderr, "lumora: %s\n", message.toLocal8Bit().constData());
  return kExitUsage;
}

}  // namespace

int RunNewGame(const std::string& path) {
  const QString folder = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
  const QDir dir(folder);
  if (dir.exists() && !dir.isEmpty())
    return Fail(translate("NewGame", "%1 holds files already: a new game needs a folder of its own").arg(folder));
  const std::string name = Cp1252FromUtf8(dir.dirName().toStdString());
  StringList config;
  if (name.empty() || !QDir().mkpath(folder) || !Configuration(name, config))
    return Fail(translate("NewGame", "cannot make a game in %1").arg(folder));
  const int width = IntOr(config[kGameWidth], 900), height = IntOr(config[kGameHeight], 420);
  bool ok = WriteText(dir.filePath(QString::fromStdString(Utf8FromCp1252(name)) + ".ini"), JoinLines(config));
  // Empty state files: the game starts with empty registers and no objects.
  for (const char* ext : {".rgs", ".obz", ".obx"})
    ok = WriteText(dir.filePath(QString::fromStdString(Utf8FromCp1252(name)) + ext), "") && ok;
  for (const Script& s : kScripts) ok = WriteText(dir.filePath(QString(s.name) + ".scp"), JoinLines(SplitLines(s.text))) && ok;
  // The picture screen of the demo's layout.
  constexpr int screenWidth = 596, screenHeight = 245;
  ok = Drawn(width, height, QColor(40, 30, 70), QString::fromStdString(Utf8FromCp1252(name))).save(dir.filePath("abertura.png")) && ok;
  ok = Drawn(screenWidth, screenHeight, QColor(110, 70, 40), "sala").save(dir.filePath("sala.png")) && ok;
  ok = Drawn(screenWidth, screenHeight, QColor(40, 100, 50), "jardim").save(dir.filePath("jardim.png")) && ok;
  ok = Drawn(40, 24, QColor(160, 40, 30), "").save(dir.filePath("U-botao.png")) && ok;
  ok = Drawn(40, 24, QColor(100, 20, 15), "").save(dir.filePath("D-botao.png")) && ok;
  if (!ok) return Fail(translate("NewGame", "cannot write the new game's files in %1").arg(folder));
  std::printf("%s\n", translate("NewGame", "A new game in %1: play it with lumora %1, check it with lumora --check %1")
                          .arg(folder)
                          .toLocal8Bit()
                          .constData());
  return kExitDone;
}

}  // namespace lumora
