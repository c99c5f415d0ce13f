// The keyword table: one row per keyword, in dispatch order. Each command family
// adds its rows here as it is built; keywords on one row group are synonyms when
// they name the same handler.
#include "script/keyword_table.h"

#include "script/param.h"

namespace lumora {
namespace {

constexpr KeywordRow kTable[] = {
    // 5: link parameters
    {"param=", CmdParam},
};

}  // namespace

std::span<const KeywordRow> KeywordTable() { return kTable; }

}  // namespace lumora
