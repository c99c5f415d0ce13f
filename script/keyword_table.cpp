// The keyword table: one row per keyword, in dispatch order. Each command family
// adds its rows under its place in the order; keywords that share a handler are
// synonyms. Commands that jump hand over to "goto", which stands last.
#include "script/keyword_table.h"

#include "script/conditions.h"
#include "script/flow.h"
#include "script/param.h"
#include "state/object_commands.h"
#include "state/register_commands.h"
#include "state/state_commands.h"
#include "view/display_commands.h"
#include "view/message_commands.h"

namespace lumora {
namespace {

constexpr KeywordRow kTable[] = {
    // 1-3: end, script, pause
    {"fim", CmdFim},
    {"end", CmdFim},
    {"script", CmdScript},
    {"pausa=", CmdPausa},
    // 4: messages
    {"msg+", CmdMsgAdd},
    {"msg=", CmdMsgSet},
    {"clearmsg", CmdClearMsg},
    {"fonte=", CmdFonte},
    // 5: link parameters
    {"param=", CmdParam},
    // 6: special scripts
    {"retscp=", CmdRetScp},
    {"setpos=", CmdSetPos},
    {"getvar=", CmdGetVar},
    // 7: message settings
    {"corfnd=", CmdCorFnd},
    {"fntsize=", CmdFntSize},
    {"fntface=", CmdFntFace},
    {"fntsty=", CmdFntSty},
    {"corlnk=", CmdCorLnk},
    {"corvzk=", CmdCorVzk},
    {"cortxt=", CmdCorTxt},
    // 8: subroutines, saving and resetting the state
    {"gosub", CmdGosub},
    {"return", CmdReturn},
    {"ret", CmdReturn},
    {"recall=", CmdRecall},
    {"saveregs", CmdSaveRegs},
    {"saveobjs", CmdSaveObjs},
    {"reset", CmdReset},
    // 9: music and sound
    // 10: display model
    {"modo=", CmdSetMode},
    {"setmode=", CmdSetMode},
    // 11: objects
    {"getobj=", CmdGetObj},
    {"getshpobj=", CmdGetShpObj},
    {"getdscobj=", CmdGetDscObj},
    {"getnomobj=", CmdGetNomObj},
    {"gettagobj=", CmdGetTagObj},
    {"getlocobj=", CmdGetLocObj},
    {"setobj=", CmdSetObj},
    {"setshpobj=", CmdSetShpObj},
    {"setdscobj=", CmdSetDscObj},
    {"setnomobj=", CmdSetNomObj},
    {"settagobj=", CmdSetTagObj},
    {"setlocobj=", CmdSetLocObj},
    {"tiratudo", CmdTiraTudo},
    {"poetudo", CmdTiraTudo},
    {"pegaobj=", CmdPegaObj},
    {"pegaobj", CmdPegaObj},
    {"soltaobj=", CmdSoltaObj},
    {"soltaobj", CmdSoltaObj},
    {"ifobj=", CmdIfObjEqual},
    {"ifobj#", CmdIfObjNotEqual},
    {"conta", CmdConta},
    {"lstobj=", CmdLstObj},
    {"lstobjlnk=", CmdLstObjLnk},
    {"listaobjetos", CmdListaObjetos},
    // 12: text and display
    {"cleartxt", CmdClearTxt},
    {"clear$", CmdClearTxt},
    {"cleartela", CmdClearTela},
    {"clearfunc", CmdClearFunc},
    {"postxt=", CmdPosTxt},
    {"postxt", CmdPosTxt},
    {"lnfeed=", CmdLnFeed},
    // 12a-12c: object display, line feed, pictures
    {"linefeed", CmdLineFeed},
    // 13: object questions
    {"tem?", CmdTem},
    {"objeto=", CmdObjeto},
    {"getultobj=", CmdGetUltObj},
    // 14: Hud
    // 15-16: picture click script, exits cleared
    // 17: map
    // 18: exits and links
    // 19: screen buffer settings
    // 20: registers
    {"reg=", CmdRegSet},
    {"reg$", CmdRegAppend},
    {"trim", CmdRegTrim},
    {"regtxt=", CmdRegText},
    {"regtxt+", CmdRegText},
    {"reg-", CmdRegSub},
    {"reg+", CmdRegAdd},
    {"reg*", CmdRegMul},
    {"reg/", CmdRegDivReal},
    {"reg:", CmdRegDiv},
    {"reg?", CmdRegRandom},
    {"ifreg=", CmdIfRegEqual},
    {"ifreg#", CmdIfRegDiffer},
    {"ifreg>", CmdIfRegAbove},
    {"ifreg<", CmdIfRegBelow},
    // 21: exits as conditions
    {"getdir", CmdGetDir},
    {"ifnor", CmdIfNorth},
    {"ifsul", CmdIfSouth},
    {"ifles", CmdIfEast},
    {"ifoes", CmdIfWest},
    // 22: conditions
    {"ifmod0", CmdIfModel0},
    {"ifmod1", CmdIfModel1},
    {"ifmod2", CmdIfModel2},
    {"ifmod3", CmdIfModel3},
    {"if=", CmdIfEqual},
    {"if#", CmdIfDiffers},
    {"if>", CmdIfGreater},
    {"if<", CmdIfLess},
    {"if~", CmdIfBetween},
    {"scriptcmd=", CmdScriptCmd},
    // 23: screen settings and effects
    // 24: objects by register
    {"poeobj=", CmdPoeObj},
    {"temos?", CmdTemos},
    // 25: clearing everything
    // 26: download page
    {"download", CmdDownload},
    // 27: place conditions
    {"ifloc=", CmdIfPlace},
    {"ifpos=", CmdIfPlace},
    {"ifloc#", CmdIfNotPlace},
    // 28: goto
    {"goto", CmdGoto},
};

}  // namespace

std::span<const KeywordRow> KeywordTable() { return kTable; }

}  // namespace lumora
