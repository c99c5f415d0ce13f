// The keyword table: one row per keyword, in dispatch order. Each command family
// adds its rows under its place in the order; keywords that share a handler are
// synonyms. A third column says when a keyword takes its arguments otherwise
// than split at commas. Commands that jump hand over to "goto", which stands last.
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
    {"script", CmdScript},
    {"pausa=", CmdPausa},
    // messages
    {"msg+", CmdMsgAdd, Arguments::WholeText},
    {"msg=", CmdMsgSet, Arguments::WholeText},
    {"clearmsg", CmdClearMsg},
    {"fonte=", CmdFonte},
    // the parameters of the link that started the run
    {"param=", CmdParam},
    // special scripts
    {"retscp=", CmdRetScp},
    {"setpos=", CmdSetPos},
    {"getvar=", CmdGetVar},
    // message font and colours
    {"corfnd=", CmdCorFnd},
    {"fntsize=", CmdFntSize},
    {"fntface=", CmdFntFace},
    {"fntsty=", CmdFntSty},
    {"corlnk=", CmdCorLnk},
    {"corvzk=", CmdCorVzk},
    {"cortxt=", CmdCorTxt},
    // subroutines, saving and resetting the state
    {"gosub", CmdGosub},
    {"return", CmdReturn},
    {"ret", CmdReturn},
    {"recall=", CmdRecall},
    {"saveregs", CmdSaveRegs},
    {"saveobjs", CmdSaveObjs},
    {"reset", CmdReset},
    // music and sound
    {"playmusic", CmdPlayMusic},
    {"play", CmdPlayMusic},
    {"volume=", CmdVolume},
    {"playsnd", CmdPlaySnd},
    // display model
    {"modo=", CmdSetMode},
    {"setmode=", CmdSetMode},
    // objects: properties, places, listing
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
    {"display", CmdDisplay},
    {"display=", CmdDisplay},
    {"showobj=", CmdShowObj},
    // questions about objects
    {"tem?", CmdTem},
    {"objeto=", CmdObjeto},
    {"getultobj=", CmdGetUltObj},
    // the Hud
    {"hud=", CmdHud},
    // the picture's click script, exits cleared
    {"telpos=", CmdTelPos},
    {"cleardir", CmdClearDir},
    // the map
    {"loadmap=", CmdLoadMap},
    {"defpicmap=", CmdDefPicMap},
    {"picmap=", CmdPicMap},
    {"showmap", CmdShowMap},
    {"showmap=", CmdShowMap},
    {"posmap=", CmdPosMap},
    {"addmap=", CmdAddMap},
    // exits and links
    {"linksoff", CmdLinksOff},
    {"norte=", CmdNorte},
    {"sul=", CmdSul},
    {"leste=", CmdLeste},
    {"oeste=", CmdOeste},
    {"entrar=", CmdEntrar},
    {"sair=", CmdSair},
    {"subir=", CmdSubir},
    {"descer=", CmdDescer},
    {"linktel=", CmdLinkTel},
    {"lnktel=", CmdLinkTel},
    {"ifdir=", CmdIfDir},
    {"linkfunc=", CmdLinkFunc},
    {"lnkfnc=", CmdLinkFunc},
    {"linkpainel=", CmdLinkPainel},
    {"lnkpan=", CmdLinkPainel},
    // the screen buffer's font and colours
    {"telacorfnd=", CmdTelaCorFnd},
    {"telacortxt=", CmdTelaCorTxt},
    {"telafntnome=", CmdTelaFntNome},
    {"telafntalt=", CmdTelaFntAlt},
    // registers
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
    // exits as conditions
    {"getdir", CmdGetDir},
    {"ifnor", CmdIfNorth},
    {"ifsul", CmdIfSouth},
    {"ifles", CmdIfEast},
    {"ifoes", CmdIfWest},
    // conditions
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
    // screen settings and effects
    {"setfoco=", CmdSetFoco},
    {"loadpainel", CmdLoadPainel},
    {"barratop", CmdBarraTop},
    {"defini=", CmdDefini},
    {"defcom=", CmdDefCom},
    {"cinza=", CmdCinza},
    {"chuva=", CmdChuva},
    {"altura=", CmdAltura},
    {"veltec=", CmdVelTec},
    // objects by register
    {"poeobj=", CmdPoeObj},
    {"temos?", CmdTemos},
    // clearing everything at once
    {"cleartotal", CmdClearTotal},
    // the update page
    {"download", CmdDownload},
    // place conditions
    {"ifloc=", CmdIfPlace},
    {"ifpos=", CmdIfPlace},
    {"ifloc#", CmdIfNotPlace},
    // jumps: the commands above that jump hand over to it
    {"goto", CmdGoto},
};

}  // namespace

std::span<const KeywordRow> KeywordTable() { return kTable; }

}  // namespace lumora
