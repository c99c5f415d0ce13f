// A game in a folder the player cannot write: its state goes to the player's
// own folder, and the game's folder is never touched.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <map>

#include "core/paths.h"
#include "form/config.h"
#include "form/script_ref.h"
#include "script/run_script.h"
#include "shell/lifecycle.h"
#include "shell/state_folder.h"
#include "state/object_table.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The checksum of every file below a folder, by its path there.
std::map<std::string, QByteArray> Checksums(const std::string& folder) {
  std::map<std::string, QByteArray> sums;
  for (const auto& e : fs::recursive_directory_iterator(folder)) {
    std::string bytes;
    if (e.is_regular_file()) ReadFileBytes(e.path().string(), bytes);
    sums[fs::relative(e.path(), folder).string()] =
        QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256);
  }
  return sums;
}

StringList LinesOf(const std::string& path) {
  StringList lines;
  LoadLines(path, lines);
  return lines;
}

std::vector<std::string> FileNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Takes every write permission off a folder and its files while it lives. The
// tests may run as root, whom permissions do not stop: the platform is told
// the folder cannot be written as well, and the checksums show any write.
class ReadOnly {
 public:
  explicit ReadOnly(std::string folder) : folder_(std::move(folder)) { Set(fs::perm_options::remove); }
  ~ReadOnly() { Set(fs::perm_options::add); }

 private:
  void Set(fs::perm_options how) {
    const auto write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    for (const auto& e : fs::recursive_directory_iterator(folder_)) fs::permissions(e.path(), write, how);
    fs::permissions(folder_, write, how);
  }
  std::string folder_;
};

// A form on the game as the program makes it, on a platform that says the
// game's folder cannot be written and names dataFolder as the player's.
struct Player {
  Player(const testing::TempGame& game, const std::string& dataFolder) : f(platform), t(f) {
    platform.readOnlyFolders = {game.folder()};
    platform.userDataFolder = dataFolder;
    f.interp = &t;
    FormCreate(f, game.folder(), game.name());
    GameLoader(f, game.name());
  }
  NullPlatform platform;
  TForm1 f;
  TForm3 t;
};

TEST(ChooseStateFolder, TheGameFolderWhenWritableElseThePlayersElseASessionsOwn) {
  testing::TempGame game;
  const struct {
    const char* what;
    bool gameWritable;
    bool dataNamed;
    bool dataWritable;
    const char* chosen;  // "game", "data" or "session"
    bool oldFolder = false;  // an older version kept the state under the game's name alone
  } cases[] = {
      {"writable game", true, true, true, "game"},
      {"read-only game", false, true, true, "data"},
      {"no data folder named", false, false, true, "session"},
      {"data folder not writable", false, true, false, "session"},
      {"read-only game, its state kept under its name alone", false, true, true, "data", true},
      {"writable game beside a same-named game's old state", true, true, true, "game", true},
  };
  for (const auto& c : cases) {
    QTemporaryDir data;
    const std::string dataFolder = data.path().toStdString() + "/lumora/";
    const std::string own = dataFolder + PlayerGameKey("aventura", game.folder()) + "/";
    const std::string old = dataFolder + "aventura/";
    if (c.oldFolder) {
      fs::create_directories(old);
      ASSERT_TRUE(SaveLinesAtomic(old + "aventura.rgs", {"antigo"}));
    }
    NullPlatform platform;
    if (!c.gameWritable) platform.readOnlyFolders.push_back(game.folder());
    if (!c.dataWritable) platform.readOnlyFolders.push_back(own);
    if (c.dataNamed) platform.userDataFolder = dataFolder;
    TForm1 f(platform);
    f.programFolder = game.folder();
    f.gameName = "aventura";
    ChooseStateFolder(f);
    const std::string chosen = c.chosen;
    if (chosen != "session") {
      EXPECT_EQ(f.stateFolder, chosen == "game" ? game.folder() : own) << c.what;
    }
    EXPECT_EQ(f.stateFolderTemporary, chosen == "session") << c.what;
    // A writable game never makes the player's folder, nor takes an old one.
    EXPECT_EQ(fs::exists(own), chosen == "data" || (chosen == "session" && c.dataNamed)) << c.what;
    if (c.oldFolder) {
      EXPECT_EQ(fs::exists(old), chosen == "game") << c.what;
      if (chosen == "data") {
        EXPECT_EQ(LinesOf(own + "aventura.rgs"), StringList{"antigo"}) << c.what;
      }
    }
    // Only a session's own folder needs telling, and once.
    ASSERT_EQ(platform.errors.size(), chosen == "session" ? 1u : 0u) << c.what;
    if (chosen != "session") continue;
    EXPECT_TRUE(Has(platform.errors[0], game.folder())) << platform.errors[0];
    EXPECT_TRUE(Has(platform.errors[0], "nothing of this session is kept")) << platform.errors[0];
    EXPECT_TRUE(FolderWritable(f.stateFolder)) << c.what;
    RemoveSessionStateFolder(f);
    EXPECT_FALSE(fs::exists(f.stateFolder)) << c.what;
  }
}

// Two games of one name keep apart; one game reached through a link is itself.
TEST(PlayerGameKey, TheNameAndTheGamesRealFolder) {
  testing::TempGame a, b;
  QTemporaryDir links;
  const std::string link = links.path().toStdString() + "/atalho";
  fs::create_directory_symlink(a.folder(), link);
  const std::string key = PlayerGameKey("aventura", a.folder());
  EXPECT_EQ(key.rfind("aventura-", 0), 0u) << key;
  EXPECT_NE(key, PlayerGameKey("aventura", b.folder()));
  EXPECT_EQ(key, PlayerGameKey("aventura", link + "/"));
}

StringList Lamp(const std::string& place) { return {"lamp", "L\xE2mpada", "uma l\xE2mpada", place, "lamp.png", "t", "", ""}; }

QRgb MapPixel(const TForm1& f) { return f.MapJog.picture.pixel(6, 6) & 0xFFFFFF; }

TEST(ReadOnlyGame, PlayQuitPlayAgainContinuesFromThePlayersFolder) {
  testing::TempGame game;
  game.WriteLines("aventura.obz", {"lamp"});
  game.WriteLines("aventura.obx", Lamp("sala"));
  game.WriteLines("lamp.obj", Lamp("sala"));
  QImage base(40, 30, QImage::Format_RGB32), piece(4, 4, QImage::Format_RGB32);
  base.fill(Qt::white);
  piece.fill(Qt::red);
  piece.setPixel(0, 3, qRgb(0, 0, 255));  // the bottom-left colour is not drawn
  ASSERT_TRUE(base.save(QString::fromStdString(game.folder() + "base.bmp")));
  ASSERT_TRUE(piece.save(QString::fromStdString(game.folder() + "peca.bmp")));
  game.WriteScript("start", {"reg= 3,visitou", "setlocobj= lamp,bolso", "loadmap= base.bmp,mapa.bmp",
                             "addmap= 5,5,peca.bmp,mapa.bmp", "setmode= 2", "msg= <img src=foto.bmp>"});
  game.WriteScript("volta", {"loadmap= base.bmp,mapa.bmp"});
  game.WriteScript("limpa", {"reset objs", "reset mapa,mapa.bmp", "loadmap= base.bmp,mapa.bmp"});
  QTemporaryDir data;
  const std::string own = data.path().toStdString() + "/lumora/" + PlayerGameKey("aventura", game.folder()) + "/";
  const auto before = Checksums(game.folder());
  ReadOnly readOnly(game.folder());

  {
    Player p(game, data.path().toStdString() + "/lumora/");
    ASSERT_EQ(p.f.stateFolder, own);
    RunScript(p.f, "start");
    EXPECT_EQ(MapPixel(p.f), 0xFF0000u);
    p.f.windowLeft = 77;
    FormDestroy(p.f);
    EXPECT_EQ(p.platform.errors, std::vector<std::string>{});
    // The page is shown from where it was written, its links still reaching the game's files.
    ASSERT_FALSE(p.platform.navigations.empty());
    EXPECT_EQ(p.platform.navigations.back(), own + "tmp.htm");
    // What the page may read: the game's files and itself, not the rest of the player's folder.
    EXPECT_EQ(p.platform.webConfines, (std::vector<std::pair<std::string, std::string>>{{game.folder(), own + "tmp.htm"}}));
  }
  EXPECT_EQ(Checksums(game.folder()), before);
  // Every state file, and no temporary file or commit record left behind.
  EXPECT_EQ(FileNames(own), (std::vector<std::string>{"aventura.ini", "aventura.obx", "aventura.obz", "aventura.rgs",
                                                       "mapa.bmp", "tmp.htm"}));
  std::string page;
  ReadFileBytes(own + "tmp.htm", page);
  EXPECT_TRUE(Has(page, "<head>\r\n<base href=\"" + GameFolderUrl(game.folder()) + "\">\r\n")) << page;

  // A save cut short after its record was whole: the next start finishes it
  // in the player's folder.
  StringList registers = LinesOf(own + "aventura.rgs");
  registers[3] = "salvo";
  ASSERT_TRUE(SaveLinesAtomic(own + "aventura.rgs.tmp~", registers));
  ASSERT_TRUE(SaveLinesAtomic(own + "aventura.commit~", {"aventura.rgs", "end"}));

  {
    Player p(game, data.path().toStdString() + "/lumora/");
    EXPECT_EQ(p.f.state.registers[3], "salvo");
    EXPECT_EQ(p.f.state.objectTable[kLoc], "bolso");
    EXPECT_EQ(ConfigLine(p.f, kWindowLeft), "77");
    RunScript(p.f, "volta");
    EXPECT_EQ(MapPixel(p.f), 0xFF0000u);
    // Resetting goes back to the game's originals: its object files, its map.
    RunScript(p.f, "limpa");
    EXPECT_EQ(p.f.state.objectTable[kLoc], "sala");
    EXPECT_EQ(MapPixel(p.f), 0xFFFFFFu);
    FormDestroy(p.f);
    EXPECT_EQ(p.platform.errors, std::vector<std::string>{});
  }
  EXPECT_EQ(Checksums(game.folder()), before);
  EXPECT_FALSE(fs::exists(own + "mapa.bmp"));
  EXPECT_EQ(LinesOf(own + "aventura.obx"), Lamp("sala"));
}

}  // namespace
}  // namespace lumora
