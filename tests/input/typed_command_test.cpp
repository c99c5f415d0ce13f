// Typed commands: normalisation, the vocabulary's look-up and suggestions, the
// answers per display model, function and arrow keys, an unreadable vocabulary
// and the vocabulary cache.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "form/config.h"
#include "core/script_error.h"
#include "shell/guarded.h"
#include "input/typed_command.h"
#include "input/vocabulary.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

TEST(NormaliseCommand, UpperCasesAsciiAndTheFourteenAccentedLetters) {
  const std::pair<std::string, std::string> cases[] = {
      {"norte", "NORTE"},
      {"Pega a L\xE2mpada", "PEGA A L\xC2MPADA"},
      {"\xE7\xE1\xE9\xED\xF3\xFA\xE3\xF5\xE2\xEA\xF4\xE0\xFC\xF1",
       "\xC7\xC1\xC9\xCD\xD3\xDA\xC3\xD5\xC2\xCA\xD4\xC0\xDC\xD1"},
      // Other accented letters, digits and signs stay as they are.
      {"\xE8\xEC\xF2\xF9\xFF\xDF\xE4\xF6 12 ,.?", "\xE8\xEC\xF2\xF9\xFF\xDF\xE4\xF6 12 ,.?"},
      {"J\xC1 \xC9", "J\xC1 \xC9"},
  };
  for (const auto& [in, want] : cases) EXPECT_EQ(NormaliseCommand(in), want) << in;
}

TEST(SplitWords, CutsAtSingleBlanks) {
  const struct {
    const char* command;
    const char* first;
    const char* second;
  } cases[] = {
      {"PEGA", "PEGA", ""},
      {"PEGA LAMPADA", "PEGA", "LAMPADA"},
      {"PEGA A LAMPADA", "PEGA", "A"},
      {"PEGA  LAMPADA", "PEGA", ""},  // two blanks give an empty word 2
      {"", "", ""},
  };
  for (const auto& c : cases) {
    const TypedWords w = SplitWords(c.command);
    EXPECT_EQ(w.first, c.first) << c.command;
    EXPECT_EQ(w.second, c.second) << c.command;
  }
}

TEST(Vocabulary, TheFirstLineWhoseTrimmedPhraseMatchesWins) {
  const Vocabulary v = ParseVocabulary(
      "NORTE E SUL|ambos\r\n"
      "  NORTE  |  corredor  \r\n"
      "NORTE|segundo\n"
      "norte|minusculo\r"
      "sem barra\r\n"
      "ABRE|porta|x\r\n"
      "OUTRA sem barra\r\n"
      "VAZIO|\r\n");
  const std::pair<const char*, const char*> cases[] = {
      {"NORTE", "corredor"},     // trimmed on both sides; the later NORTE is never reached
      {"norte", "minusculo"},    // exact case
      {"NORTE E", ""},           // no partial match
      {"ABRE", "porta|x"},       // the script is everything after the first bar
      {"", "sem barra"},         // a line without a bar has an empty phrase
      {"VAZIO", ""},
      {"SUL", ""},
  };
  for (const auto& [command, script] : cases) EXPECT_EQ(v.LookUp(command), script) << command;
  ASSERT_EQ(v.lines.size(), 8u);
  EXPECT_EQ(v.lines[1].phrase, "  NORTE  ");  // kept untrimmed for the suggestions
}

TEST(Vocabulary, SuggestsAtMostTwelvePhrasesHoldingTheWords) {
  StringList lines = {"/PEGA LIVRO|x", "PEGA LIVRO|a", " LIVRO PEGA |b", "PEGA|c", "LIVRO|d", "pega livro|e",
                      "|f", "sem barra PEGA"};
  const Vocabulary v = ParseVocabulary(JoinLines(lines));
  EXPECT_EQ(v.Suggest("PEGA", "LIVRO"), "PEGA LIVRO\r\n LIVRO PEGA \r\n");
  EXPECT_EQ(v.Suggest("PEGA", ""), "PEGA LIVRO\r\n LIVRO PEGA \r\nPEGA\r\n");
  EXPECT_EQ(v.Suggest("LIVRO", "PEGA"), "PEGA LIVRO\r\n LIVRO PEGA \r\n");
  EXPECT_EQ(v.Suggest("MESA", ""), "");
  EXPECT_EQ(v.Suggest("", ""), "");

  StringList many;
  for (int i = 0; i < 20; ++i) many.push_back("OLHA " + std::to_string(i) + "|s" + std::to_string(i));
  const std::string twelve = ParseVocabulary(JoinLines(many)).Suggest("OLHA", "");
  EXPECT_EQ(std::count(twelve.begin(), twelve.end(), '\n'), 12);
  EXPECT_TRUE(twelve.ends_with("OLHA 11\r\n"));
}

// A game with a vocabulary and scripts, its session on a chosen display model.
class TypedCommandTest : public ::testing::Test {
 protected:
  void Play(const std::string& model) {
    game.SetConfig(kDisplayModel, model);
    game.SetConfig(kSuggestionHeading, "Tente:");
    game.SetConfig(kUnknownScriptModel2, "naosei");
    game.SetConfig(kF1Command, "olha");  // F1 enters it as typed: normalised when run
    game.SetConfig(kF2Command, "INVENTARIO");
    game.SetConfig(kF4Command, "");
    game.WriteLines("vocab.scp", {"OLHA|sala", "INVENTARIO|inv", "PEGA LIVRO|pegalivro", "/PEGA TUDO|tudo",
                                  "PEGA LAMPADA|@norte", "  |vazio"});
    for (const char* name : {"sala", "inv", "pegalivro", "naosei", "corredor", "vazio", "lugar"})
      game.WriteScript(name, {"/ " + std::string(name)});
    s = std::make_unique<testing::Session>(game);
    s->trace.clear();
  }
  // The scripts RunScript loaded, in order.
  std::vector<std::string> Ran() const {
    std::vector<std::string> out;
    for (const auto& line : s->TraceStartingWith("Executando script: ")) out.push_back(line.substr(19));
    return out;
  }
  void Type(const std::string& text, InputKey key = InputKey::Enter) {
    s->f.Input.text = text;
    InputKeyUp(s->f, key);
  }

  testing::TempGame game;
  std::unique_ptr<testing::Session> s;
};

TEST_F(TypedCommandTest, AKnownCommandRunsItsScriptInEveryModel) {
  for (const char* model : {"0", "1", "2", "3"}) {
    Play(model);
    s->f.MsgMd0.text = "antes";
    Type("  inventario ");
    EXPECT_EQ(Ran(), std::vector<std::string>{"inv.scp"}) << model;
    EXPECT_EQ(s->f.lastCommand, "INVENTARIO");
    EXPECT_EQ(s->f.Input.text, "");
    if (std::string(model) == "0") {
      EXPECT_EQ(s->f.MsgMd0.text, "");
    }
  }
}

TEST_F(TypedCommandTest, AScriptReferenceMayBeSymbolic) {
  Play("1");
  s->f.exits.norte = "corredor";
  Type("PEGA LAMPADA");
  EXPECT_EQ(Ran(), std::vector<std::string>{"corredor.scp"});
}

TEST_F(TypedCommandTest, ModelZeroTypesTheSuggestionsOrTheUnknownAnswer) {
  Play("0");
  s->f.MsgMd0.text = "antes";
  Type("pega");
  EXPECT_EQ(s->f.MsgMd0.text, "Tente:\r\n\r\nPEGA LIVRO\r\nPEGA LAMPADA\r\n");
  EXPECT_GT(s->platform.repaintCount, 10);  // typed letter by letter
  Type("PEGA LAMPADA AZUL");                // words 1 and 2 are both in one phrase
  EXPECT_EQ(s->f.MsgMd0.text, "Tente:\r\n\r\nPEGA LAMPADA\r\n");
  Type("DORME");
  EXPECT_EQ(s->f.MsgMd0.text, "N\xE3o entendi.");
  EXPECT_TRUE(Ran().empty());
  EXPECT_EQ(s->f.lastCommand, "DORME");
}

TEST_F(TypedCommandTest, OtherModelsAnswerAnUnknownCommandTheirWay) {
  Play("1");
  Type("DORME");
  EXPECT_EQ(s->f.Msg.text, "N\xE3o entendi.");
  EXPECT_TRUE(Ran().empty());

  Play("2");
  Type("DORME");
  EXPECT_EQ(Ran(), std::vector<std::string>{"naosei.scp"});

  Play("3");
  const std::string msg = s->f.Msg.text, memo = s->f.MsgMd0.text, script = s->f.Script;
  Type("DORME");
  EXPECT_TRUE(Ran().empty());
  EXPECT_EQ(s->f.Msg.text, msg);
  EXPECT_EQ(s->f.MsgMd0.text, memo);
  EXPECT_EQ(s->f.Script, script);
  EXPECT_EQ(s->f.Input.text, "");
}

TEST_F(TypedCommandTest, EmptyEnterShowsThePlaceAgain) {
  Play("0");
  s->f.Posic = "lugar";
  s->f.MsgMd0.text = "texto";
  Type("");
  EXPECT_EQ(Ran(), std::vector<std::string>{"lugar.scp"});
  EXPECT_EQ(s->f.MsgMd0.text, "");

  s->trace.clear();
  s->f.Posic.clear();
  s->f.MsgMd0.text = "texto";
  Type("");
  EXPECT_TRUE(Ran().empty());
  EXPECT_EQ(s->f.MsgMd0.text, "");
  EXPECT_EQ(s->f.lastCommand, "");  // an empty Enter is no command
}

// A command key acts on its release only when it went down in the input line:
// the Enter that started the game, or clicked an area in the ring, comes up
// there only because the keyboard moved meanwhile.
TEST_F(TypedCommandTest, AKeyActsOnlyWhenItWentDownInTheInputLine) {
  Play("1");
  const struct {
    const char* what;
    bool down;
    int releases;
    std::vector<std::string> ran;
  } cases[] = {{"pressed here", true, 1, {"inv.scp"}},
               {"pressed elsewhere", false, 1, {}},
               {"released twice", true, 2, {"inv.scp"}}};
  for (const auto& c : cases) {
    s->trace.clear();
    if (c.down) InputKeyDown(s->f, InputKey::Enter);
    for (int i = 0; i < c.releases; ++i) {
      s->f.Input.text = "inventario";
      InputKeyReleased(s->f, InputKey::Enter);
    }
    EXPECT_EQ(Ran(), c.ran) << c.what;
  }
}

TEST_F(TypedCommandTest, BlanksOnlyMatchTheFirstLineWithAnEmptyPhrase) {
  Play("1");
  Type("   ");
  EXPECT_EQ(Ran(), std::vector<std::string>{"vazio.scp"});
  EXPECT_EQ(s->f.lastCommand, "");
}

TEST_F(TypedCommandTest, FunctionKeysEnterOrRecallCommands) {
  Play("1");
  s->f.Posic = "lugar";
  const struct {
    InputKey key;
    const char* ran;
  } cases[] = {{InputKey::F1, "sala.scp"}, {InputKey::F2, "inv.scp"}, {InputKey::F4, "lugar.scp"}};
  for (const auto& c : cases) {
    s->trace.clear();
    Type("ignorado", c.key);  // the configured command replaces the field
    EXPECT_EQ(Ran(), std::vector<std::string>{c.ran});
  }
  EXPECT_EQ(s->f.lastCommand, "INVENTARIO");  // F4's empty line is an empty Enter

  s->trace.clear();
  Type("algo", InputKey::F3);
  EXPECT_EQ(s->f.Input.text, "INVENTARIO");  // recalled, not run
  EXPECT_TRUE(Ran().empty());
  InputKeyUp(s->f, InputKey::Enter);
  EXPECT_EQ(Ran(), std::vector<std::string>{"inv.scp"});
}

TEST_F(TypedCommandTest, F3WithoutACommandAndOtherKeysDoNothing) {
  Play("1");
  for (InputKey key : {InputKey::F3, InputKey::Other}) {
    Type("META", key);
    EXPECT_EQ(s->f.Input.text, "META");
  }
  EXPECT_TRUE(Ran().empty());
}

TEST_F(TypedCommandTest, ArrowsWalkThroughTheCompassExits) {
  Play("1");
  const struct {
    InputKey key;
    std::string Exits::*exit;
  } arrows[] = {{InputKey::Up, &Exits::norte},
                {InputKey::Down, &Exits::sul},
                {InputKey::Right, &Exits::leste},
                {InputKey::Left, &Exits::oeste}};
  for (const auto& a : arrows) {
    s->f.exits.Clear();
    s->trace.clear();
    Type("CAMPO", a.key);  // no exit: the field stays, nothing runs
    EXPECT_EQ(s->f.Input.text, "CAMPO");
    EXPECT_TRUE(Ran().empty());

    s->f.exits.*a.exit = "corredor";
    Type("CAMPO", a.key);
    EXPECT_EQ(s->f.Input.text, "");
    EXPECT_EQ(Ran(), std::vector<std::string>{"corredor.scp"});
  }
}

TEST_F(TypedCommandTest, AnUnreadableVocabularyAbandonsTheCommand) {
  for (bool folder : {false, true}) {
    Play("0");
    game.Remove("vocab.scp");
    if (folder) std::filesystem::create_directory(game.folder() + "vocab.scp");
    s->f.MsgMd0.text = "antes";
    s->f.Input.text = "olha";
    EXPECT_FALSE(Guarded(s->f, [&] { InputKeyUp(s->f, InputKey::Enter); }));
    ASSERT_EQ(s->platform.errors.size(), 1u);
    EXPECT_TRUE(s->platform.errors[0].starts_with("Cannot open file \"" + game.folder() + "vocab.scp\""))
        << s->platform.errors[0];
    EXPECT_EQ(s->f.Input.text, "olha");  // the field keeps its text
    EXPECT_EQ(s->f.lastCommand, "OLHA");
    EXPECT_EQ(s->f.MsgMd0.text, "antes");
    EXPECT_TRUE(Ran().empty());
    std::filesystem::remove(game.folder() + "vocab.scp");
  }
}

TEST_F(TypedCommandTest, EachCommandSeesTheVocabularyAsTheFileHoldsItNow) {
  Play("1");
  Type("OLHA");
  // Rewritten at once with the same size: the modification time may not move.
  game.WriteLines("vocab.scp", {"OLHA|inv ", "INVENTARIO|inv", "PEGA LIVRO|pegalivro", "/PEGA TUDO|tudo",
                                "PEGA LAMPADA|@norte", "  |vazio"});
  Type("OLHA");
  game.SetConfig(kVocabularyLine, "outro");
  game.WriteLines("outro.scp", {"OLHA|pegalivro"});
  s->f.vocabulary = "outro";  // as "defcom=" names another file
  Type("OLHA");
  EXPECT_EQ(Ran(), (std::vector<std::string>{"sala.scp", "inv.scp", "pegalivro.scp"}));
}

// The cache on a file of its own.
class VocabularyCacheTest : public ::testing::Test {
 protected:
  std::string Path() const { return game.folder() + "v.scp"; }
  void Write(const StringList& lines) { game.WriteLines("v.scp", lines); }
  void SetAge(std::chrono::seconds age) {
    std::filesystem::last_write_time(Path(), std::filesystem::file_time_type::clock::now() - age);
  }
  std::string LookUp(const std::string& command) { return cache.Read(Path())->LookUp(command); }

  testing::TempGame game;
  VocabularyCache cache;
};

TEST_F(VocabularyCacheTest, AnOldUnchangedFileIsServedWithoutReadingIt) {
  Write({"A|um"});
  SetAge(std::chrono::hours(1));
  EXPECT_EQ(LookUp("A"), "um");
  EXPECT_EQ(LookUp("A"), "um");
  EXPECT_EQ(cache.fileReadCount(), 1);
  EXPECT_EQ(cache.parseCount(), 1);
}

TEST_F(VocabularyCacheTest, AChangeOfSizeOrTimeIsReadAgain) {
  Write({"A|um"});
  SetAge(std::chrono::hours(1));
  EXPECT_EQ(LookUp("A"), "um");
  Write({"A|dois"});  // another size
  SetAge(std::chrono::hours(1));
  EXPECT_EQ(LookUp("A"), "dois");
  Write({"A|tres"});  // the same size, another time
  SetAge(std::chrono::minutes(30));
  EXPECT_EQ(LookUp("A"), "tres");
  EXPECT_EQ(cache.parseCount(), 3);
}

TEST_F(VocabularyCacheTest, ARecentFileIsComparedByItsBytes) {
  Write({"A|um"});
  EXPECT_EQ(LookUp("A"), "um");
  EXPECT_EQ(LookUp("A"), "um");  // read again, but not parsed again
  EXPECT_EQ(cache.fileReadCount(), 2);
  EXPECT_EQ(cache.parseCount(), 1);
  const auto time = std::filesystem::last_write_time(Path());
  Write({"A|xy"});  // same size, and the time put back
  std::filesystem::last_write_time(Path(), time);
  EXPECT_EQ(LookUp("A"), "xy");
}

TEST_F(VocabularyCacheTest, AFileThatDisappearsRaisesTheError) {
  Write({"A|um"});
  SetAge(std::chrono::hours(1));
  EXPECT_EQ(LookUp("A"), "um");
  game.Remove("v.scp");
  EXPECT_THROW(LookUp("A"), ScriptError);
}

}  // namespace
}  // namespace lumora
