// The list-box order of the object keys, and the loader putting .obz in it.
#include <gtest/gtest.h>

#include <algorithm>

#include "state/object_keys.h"
#include "state/state_files.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(ObjectKeys, ComparesLikeTheListBox) {
  const struct {
    const char* a;
    const char* b;
    int order;  // -1: a first, 0: the list box sees them as equal
  } cases[] = {
      // hyphens and apostrophes are left out: "chavei" comes before "chavem"
      {"chaveiro", "chave-mestra", -1},
      {"coa", "co-z", -1},
      {"dagua", "d'\xE1gua", -1},  // the plain letter decides before the apostrophe
      // the same letters: the word without hyphens or apostrophes first
      {"coop", "co-op", -1},
      {"camisa", "ca'misa", -1},
      // accents and cedilla fold to the base letter
      {"ma\xE7\xE3", "mapa", -1},
      {"lampi\xE3o", "Lanterna", -1},
      {"\xC1gua", "anel", -1},
      {"\xE9poca", "escada", -1},
      {"\xF3leo", "onda", -1},
      {"\xDAltimo", "uva", -1},
      {"\xD1", "o", -1},
      {"\x8A" "apo", "saco", 1},  // S with caron is an s
      {"\x9E" "ebra", "zebu", -1},
      // on equal letters the plain one first
      {"lampiao", "lampi\xE3o", -1},
      {"cao", "c\xE3o", -1},
      // joined letters count as two
      {"\xE6on", "afim", -1},
      {"stra\xDF" "e", "strasse", 1},
      {"stra\xDF" "e", "strasz", -1},
      {"\x9C" "dipo", "of", -1},
      // thorn sorts after z
      {"zz", "\xFE", -1},
      // signs before digits before letters
      {"chave 2", "chave1", -1},
      {"chave9", "chavea", -1},
      {"_x", "0x", -1},
      {"", "a", -1},
      // case never decides
      {"Chave", "chave", 0},
      {"\xC7" "a", "\xE7" "A", 0},
      {"MA\xC7\xC3", "ma\xE7\xE3", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Sign(CompareObjectKeys(c.a, c.b)), c.order) << c.a << " / " << c.b;
    EXPECT_EQ(Sign(CompareObjectKeys(c.b, c.a)), -c.order) << c.b << " / " << c.a;
  }
}

TEST(ObjectKeys, SortingKeepsTheOrderOfKeysSeenAsEqual) {
  StringList keys = {"mapa", "Lanterna", "chave-mestra", "chave", "ma\xE7\xE3", "lampi\xE3o",
                     "Chave", "chaveiro", "CHAVE", "\xE2ncora", "3a chave", "vela"};
  SortObjectKeys(keys);
  const StringList want = {"3a chave", "\xE2ncora", "chave", "Chave", "CHAVE", "chaveiro",
                           "chave-mestra", "lampi\xE3o", "Lanterna", "ma\xE7\xE3", "mapa", "vela"};
  EXPECT_EQ(keys, want);
  for (size_t i = 0; i + 1 < keys.size(); ++i) EXPECT_LE(CompareObjectKeys(keys[i], keys[i + 1]), 0) << keys[i];
}

TEST(ObjectKeys, TheLoaderPutsTheKeysInListBoxOrder) {
  testing::TempGame game;
  game.WriteLines("aventura.obz", {"mapa", "chave-mestra", "ma\xE7\xE3", "chaveiro", "Lanterna", "lampi\xE3o"});
  GameState st;
  LoadGameState(st, game.folder(), game.folder(), "aventura");
  EXPECT_EQ(st.objs, (StringList{"chaveiro", "chave-mestra", "lampi\xE3o", "Lanterna", "ma\xE7\xE3", "mapa"}));
  // A file saved in that order comes back unchanged, also where keys tie.
  game.WriteLines("aventura.obz", {"Chave", "chave", "chaveiro"});
  LoadGameState(st, game.folder(), game.folder(), "aventura");
  EXPECT_EQ(st.objs, (StringList{"Chave", "chave", "chaveiro"}));
}

}  // namespace
}  // namespace lumora
