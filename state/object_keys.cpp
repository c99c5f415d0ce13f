// The list-box order of the object keys.
//
// Games were saved by a sorted Windows list box, and the single-object rebuild
// replaces the record at the key's position in that list, so the keys must stand
// where the list box put them. It compares words the way a dictionary does, in
// levels, a later level deciding only when every earlier one ties:
//   1. the letters without case and without accents ("\xC7" and "\xE7" as "c",
//      "\xE3" as "a", every accented letter of Windows-1252 as its base letter;
//      "\xE6" as "ae", "\x9C" as "oe", "\xDF" as "ss"), hyphens and apostrophes
//      left out; other signs before digits, digits before letters;
//   2. the accents, letter by letter: the plain letter first;
//   3. the hyphens and apostrophes: the word without them first.
// So "chaveiro" comes before "chave-mestra" ("chavei" before "chavem"),
// "ma\xE7\xE3" before "mapa" and "lampi\xE3o" before "Lanterna". Case never
// decides: keys that tie on every level keep the order in which they were added.
#include "state/object_keys.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace lumora {
namespace {

enum Accent : uint8_t { kPlain, kAcute, kGrave, kCircumflex, kTilde, kDiaeresis, kRing, kCedilla, kCaron, kStroke, kJoined, kHook };

// How one byte sorts: up to two base letters (a joined letter counts as two), or
// a sign or digit of its own, or a hyphen or apostrophe that only level 3 sees.
struct Letter {
  char base = 0, second = 0;
  Accent accent = kPlain;
};

// The letters of bytes C0-DF; E0-FF are the same letters in lower case, except
// F7 (a sign, as D7) and FF (y with diaeresis, where DF is the sharp s).
constexpr Letter kLatin[32] = {
    {'a', 0, kGrave},  {'a', 0, kAcute},     {'a', 0, kCircumflex}, {'a', 0, kTilde},     {'a', 0, kDiaeresis},
    {'a', 0, kRing},   {'a', 'e', kJoined},  {'c', 0, kCedilla},    {'e', 0, kGrave},     {'e', 0, kAcute},
    {'e', 0, kCircumflex}, {'e', 0, kDiaeresis}, {'i', 0, kGrave},  {'i', 0, kAcute},     {'i', 0, kCircumflex},
    {'i', 0, kDiaeresis},  {'d', 0, kStroke},    {'n', 0, kTilde},  {'o', 0, kGrave},     {'o', 0, kAcute},
    {'o', 0, kCircumflex}, {'o', 0, kTilde},     {'o', 0, kDiaeresis}, {0, 0, kPlain},    {'o', 0, kStroke},
    {'u', 0, kGrave},  {'u', 0, kAcute},     {'u', 0, kCircumflex}, {'u', 0, kDiaeresis}, {'y', 0, kAcute},
    {'z' + 1, 0, kPlain},  // thorn, after z
    {'s', 's', kJoined},
};

Letter LetterOf(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return {static_cast<char>(c - 'A' + 'a'), 0, kPlain};
  if (c >= 'a' && c <= 'z') return {static_cast<char>(c), 0, kPlain};
  switch (c) {
    case 0x83: return {'f', 0, kHook};
    case 0x8A: case 0x9A: return {'s', 0, kCaron};
    case 0x8C: case 0x9C: return {'o', 'e', kJoined};
    case 0x8E: case 0x9E: return {'z', 0, kCaron};
    case 0x9F: case 0xFF: return {'y', 0, kDiaeresis};
    default: break;
  }
  if (c >= 0xC0) return kLatin[c & 0x1F];  // F7 maps to D7's empty entry: a sign
  return {};
}

struct SortKey {
  std::vector<uint16_t> weights;                       // level 1
  std::vector<uint8_t> accents;                        // level 2, one per weight
  std::vector<std::pair<size_t, uint8_t>> leftOut;     // level 3: where and which
};

constexpr uint16_t kSigns = 0x100, kDigits = 0x300, kLetters = 0x400;

SortKey KeyOf(std::string_view word) {
  SortKey key;
  for (const char ch : word) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '-' || c == '\'') {
      key.leftOut.emplace_back(key.weights.size(), c);
      continue;
    }
    const Letter l = LetterOf(c);
    if (l.base) {
      key.weights.push_back(static_cast<uint16_t>(kLetters + (l.base - 'a')));
      key.accents.push_back(l.accent);
      if (l.second) {
        key.weights.push_back(static_cast<uint16_t>(kLetters + (l.second - 'a')));
        key.accents.push_back(kPlain);
      }
    } else {
      key.weights.push_back(static_cast<uint16_t>(c >= '0' && c <= '9' ? kDigits + (c - '0') : kSigns + c));
      key.accents.push_back(kPlain);
    }
  }
  return key;
}

template <typename T>
int CompareLevel(const std::vector<T>& a, const std::vector<T>& b) {
  if (a < b) return -1;
  return b < a ? 1 : 0;
}

}  // namespace

int CompareObjectKeys(std::string_view a, std::string_view b) {
  const SortKey ka = KeyOf(a), kb = KeyOf(b);
  if (int c = CompareLevel(ka.weights, kb.weights)) return c;
  if (int c = CompareLevel(ka.accents, kb.accents)) return c;
  return CompareLevel(ka.leftOut, kb.leftOut);
}

void SortObjectKeys(StringList& keys) {
  std::stable_sort(keys.begin(), keys.end(),
                   [](const std::string& a, const std::string& b) { return CompareObjectKeys(a, b) < 0; });
}

}  // namespace lumora
