// The keyword table: one row per keyword, in dispatch order. Each command family
// adds its rows under its place in the order; keywords that share a handler are
// synonyms. Commands that jump hand over to "goto", which stands last.
#include "script/keyword_table.h"

#include "script/param.h"

namespace lumora {
namespace {

constexpr KeywordRow kTable[] = {
    // 1-3: end, script, pause
    // 4: messages
    // 5: link parameters
    {"param=", CmdParam},
    // 6: special scripts
    // 7: message settings
    // 8: subroutines, saving and resetting the state
    // 9: music and sound
    // 10: display model
    // 11: objects
    // 12: text and display
    // 12a-12c: object display, line feed, pictures
    // 13: object questions
    // 14: Hud
    // 15-16: picture click script, exits cleared
    // 17: map
    // 18: exits and links
    // 19: screen buffer settings
    // 20: registers
    // 21: exits as conditions
    // 22: conditions
    // 23: screen settings and effects
    // 24: objects by register
    // 25: clearing everything
    // 26: download page
    // 27: place conditions
    // 28: goto
};

}  // namespace

std::span<const KeywordRow> KeywordTable() { return kTable; }

}  // namespace lumora
