// The keyword table: one row per keyword, in dispatch order, all of them here
// (the families only define the handlers the rows name); keywords that share a
// handler are synonyms. A third column, when there is one, says what each argument names
// (for the script checker) or that the keyword takes its whole text as one
// argument. Commands that jump hand over to "goto", which stands last.
#include "script/keyword_table.h"

#include "media/music_commands.h"
#include "script/conditions.h"
#include "script/flow.h"
#include "script/param.h"
#include "nav/exit_commands.h"
#include "nav/link_commands.h"
#include "nav/map_commands.h"
#include "state/object_commands.h"
#include "state/register_commands.h"
#include "state/state_commands.h"
#include "view/canvas_commands.h"
#include "view/display_commands.h"
#include "view/display_picture_commands.h"
#include "view/grey_filter.h"
#include "view/message_commands.h"
#include "view/object_grid.h"
#include "view/rain.h"
#include "view/screen_settings.h"

namespace lumora {
namespace {

constexpr KeywordRow kTable[] = {
    // ending, continuing in another script, pausing
    {"fim", CmdFim},
    {"end", CmdFim},
    {"script", CmdScript, "s"},
    {"pausa=", CmdPausa},
    // messages
    {"msg+", CmdMsgAdd, Arguments::WholeText},
    {"msg=", CmdMsgSet, Arguments::WholeText},
    {"clearmsg", CmdClearMsg},
    {"fonte=", CmdFonte},
    // the parameters of the link that started the run
    {"param=", CmdParam, "r"},
    // special scripts
    {"retscp=", CmdRetScp, "s"},
    {"setpos=", CmdSetPos, "s"},
    {"getvar=", CmdGetVar, "r"},
    // message font and colours
    {"corfnd=", CmdCorFnd},
    {"fntsize=", CmdFntSize},
    {"fntface=", CmdFntFace},
    {"fntsty=", CmdFntSty},
    {"corlnk=", CmdCorLnk},
    {"corvzk=", CmdCorVzk},
    {"cortxt=", CmdCorTxt},
    // subroutines, saving and resetting the state
    {"gosub", CmdGosub, "g"},
    {"return", CmdReturn},
    {"ret", CmdReturn},
    {"recall=", CmdRecall},
    {"saveregs", CmdSaveRegs},
    {"saveobjs", CmdSaveObjs},
    {"reset", CmdReset},
    // music and sound
    {"playmusic", CmdPlayMusic, "m"},
    {"play", CmdPlayMusic, "m"},
    {"volume=", CmdVolume},
    {"playsnd", CmdPlaySnd, "w"},
    // display model
    {"modo=", CmdSetMode},
    {"setmode=", CmdSetMode},
    // objects: properties, places, listing
    {"getobj=", CmdGetObj, "ro"},
    {"getshpobj=", CmdGetShpObj, "ro"},
    {"getdscobj=", CmdGetDscObj, "ro"},
    {"getnomobj=", CmdGetNomObj, "ro"},
    {"gettagobj=", CmdGetTagObj, "ro"},
    {"getlocobj=", CmdGetLocObj, "ro"},
    {"setobj=", CmdSetObj, "o"},
    {"setshpobj=", CmdSetShpObj, "o"},
    {"setdscobj=", CmdSetDscObj, "o"},
    {"setnomobj=", CmdSetNomObj, "o"},
    {"settagobj=", CmdSetTagObj, "o"},
    {"setlocobj=", CmdSetLocObj, "o"},
    {"tiratudo", CmdTiraTudo},
    {"poetudo", CmdTiraTudo},
    {"pegaobj=", CmdPegaObj, "o"},
    {"pegaobj", CmdPegaObj, "o"},
    {"soltaobj=", CmdSoltaObj, "o"},
    {"soltaobj", CmdSoltaObj, "o"},
    {"ifobj=", CmdIfObjEqual, "o.l"},
    {"ifobj#", CmdIfObjNotEqual, "o.l"},
    {"conta", CmdConta, ".r"},
    {"lstobj=", CmdLstObj, "r"},
    {"lstobjlnk=", CmdLstObjLnk, "r"},
    {"listaobjetos", CmdListaObjetos},
    // clearing and placing text
    {"cleartxt", CmdClearTxt},
    {"clear$", CmdClearTxt},
    {"cleartela", CmdClearTela},
    {"clearfunc", CmdClearFunc},
    {"postxt=", CmdPosTxt},
    {"postxt", CmdPosTxt},
    {"lnfeed=", CmdLnFeed},
    {"btxt=", CmdBoxTexto},
    {"boxtexto=", CmdBoxTexto},
    // the object grid
    {"dispobj=", CmdDispObj},
    {"displayobjetos=", CmdDispObj},
    // line feed
    {"linefeed", CmdLineFeed},
    // pictures and objects on a surface
    {"display", CmdDisplay, "p"},
    {"display=", CmdDisplay, "p"},
    {"showobj=", CmdShowObj, "o"},
    // questions about objects
    {"tem?", CmdTem, "ol"},
    {"objeto=", CmdObjeto, "o"},
    {"getultobj=", CmdGetUltObj, "r"},
    // the Hud
    {"hud=", CmdHud, "p"},
    // the picture's click script, exits cleared
    {"telpos=", CmdTelPos, "ps"},
    {"cleardir", CmdClearDir},
    // the map
    {"loadmap=", CmdLoadMap, "p"},
    {"defpicmap=", CmdDefPicMap},
    {"picmap=", CmdPicMap},
    {"showmap", CmdShowMap},
    {"showmap=", CmdShowMap},
    {"posmap=", CmdPosMap},
    {"addmap=", CmdAddMap, "..p"},
    // exits and links
    {"linksoff", CmdLinksOff},
    {"norte=", CmdNorte, "s"},
    {"sul=", CmdSul, "s"},
    {"leste=", CmdLeste, "s"},
    {"oeste=", CmdOeste, "s"},
    {"entrar=", CmdEntrar, "s"},
    {"sair=", CmdSair, "s"},
    {"subir=", CmdSubir, "s"},
    {"descer=", CmdDescer, "s"},
    {"linktel=", CmdLinkTel, "ps.....pw"},
    {"lnktel=", CmdLinkTel, "ps.....pw"},
    {"ifdir=", CmdIfDir, ".p.....pw"},
    {"linkfunc=", CmdLinkFunc, "ps.....pw"},
    {"lnkfnc=", CmdLinkFunc, "ps.....pw"},
    {"linkpainel=", CmdLinkPainel, "ps.....pw"},
    {"lnkpan=", CmdLinkPainel, "ps.....pw"},
    // the screen buffer's font and colours
    {"telacorfnd=", CmdTelaCorFnd},
    {"telacortxt=", CmdTelaCorTxt},
    {"telafntnome=", CmdTelaFntNome},
    {"telafntalt=", CmdTelaFntAlt},
    // registers
    {"reg=", CmdRegSet, "r"},
    {"reg$", CmdRegAppend, "r"},
    {"trim", CmdRegTrim, "r"},
    {"regtxt=", CmdRegText, "rt"},
    {"regtxt+", CmdRegText, "rt"},
    {"reg-", CmdRegSub, "r"},
    {"reg+", CmdRegAdd, "r"},
    {"reg*", CmdRegMul, "r"},
    {"reg/", CmdRegDivReal, "r"},
    {"reg:", CmdRegDiv, "r"},
    {"reg?", CmdRegRandom, "r"},
    {"ifreg=", CmdIfRegEqual, "r.l"},
    {"ifreg#", CmdIfRegDiffer, "r.l"},
    {"ifreg>", CmdIfRegAbove, "r.l"},
    {"ifreg<", CmdIfRegBelow, "r.l"},
    // exits as conditions
    {"getdir", CmdGetDir, "r"},
    {"ifnor", CmdIfNorth, "c"},
    {"ifsul", CmdIfSouth, "c"},
    {"ifles", CmdIfEast, "c"},
    {"ifoes", CmdIfWest, "c"},
    // conditions
    {"ifmod0", CmdIfModel0, "c"},
    {"ifmod1", CmdIfModel1, "c"},
    {"ifmod2", CmdIfModel2, "c"},
    {"ifmod3", CmdIfModel3, "c"},
    {"if=", CmdIfEqual, "r.c"},
    {"if#", CmdIfDiffers, "r.c"},
    {"if>", CmdIfGreater, "r.c"},
    {"if<", CmdIfLess, "r.c"},
    {"if~", CmdIfBetween, "r..c"},
    {"scriptcmd=", CmdScriptCmd, "v"},
    // screen settings and effects
    {"setfoco=", CmdSetFoco},
    {"loadpainel", CmdLoadPainel, "p"},
    {"barratop", CmdBarraTop},
    {"defini=", CmdDefini},
    {"defcom=", CmdDefCom, "v"},
    {"cinza=", CmdCinza},
    {"chuva=", CmdChuva, "pp"},
    {"altura=", CmdAltura},
    {"veltec=", CmdVelTec},
    // objects by register
    {"poeobj=", CmdPoeObj, "o"},
    {"temos?", CmdTemos, "ol"},
    // clearing everything at once
    {"cleartotal", CmdClearTotal},
    // the update page
    {"download", CmdDownload},
    // place conditions
    {"ifloc=", CmdIfPlace, "sl"},
    {"ifpos=", CmdIfPlace, "sl"},
    {"ifloc#", CmdIfNotPlace, ".l"},
    // jumps: the commands above that jump hand over to it
    {"goto", CmdGoto, "l"},
};

}  // namespace

std::span<const KeywordRow> KeywordTable() { return kTable; }

}  // namespace lumora
