// The keyword table: one row per keyword, in dispatch order, all of them here
// (the families only define the handlers the rows name); keywords that share a
// handler are synonyms. The third column says what each argument names (for
// the script checker and the keyword reference) and whether the keyword takes
// its whole text as one argument; the fourth what the command does, in English,
// marked for the translators. Commands that jump hand over to "goto", which
// stands last.
#include "script/keyword_table.h"

#include "core/translation.h"

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
    {"fim", CmdFim, {}, QT_TRANSLATE_NOOP("Keyword", "Ends the running script; the game then waits for the player.")},
    {"end", CmdFim, {}, QT_TRANSLATE_NOOP("Keyword", "Ends the running script; the game then waits for the player.")},
    {"script", CmdScript, "s", QT_TRANSLATE_NOOP("Keyword", "Goes on in another script, from its second line.")},
    {"pausa=", CmdPausa, "n",
     QT_TRANSLATE_NOOP("Keyword", "Waits so many tenths of a second (1 when empty) while the window keeps answering.")},
    // messages
    {"msg+", CmdMsgAdd, {Arguments::WholeText, "."},
     QT_TRANSLATE_NOOP("Keyword", "Adds the text to the message; commas belong to the text, and #n alone stands for register n.")},
    {"msg=", CmdMsgSet, {Arguments::WholeText, "."},
     QT_TRANSLATE_NOOP("Keyword", "Replaces the message with the text (models 0 and 2 add it; model 3 draws it at the text position).")},
    {"clearmsg", CmdClearMsg, {},
     QT_TRANSLATE_NOOP("Keyword", "Clears the message of the display model (model 2 starts a new page).")},
    {"fonte=", CmdFonte, ".nk...",
     QT_TRANSLATE_NOOP("Keyword", "Sets the message font: name, size, colour, and bold, italic, underline when those are not empty.")},
    // the parameters of the link that started the run
    {"param=", CmdParam, "r.",
     QT_TRANSLATE_NOOP("Keyword", "Puts the link parameter prm, prx or pry of this run into the register.")},
    // special scripts
    {"retscp=", CmdRetScp, "s", QT_TRANSLATE_NOOP("Keyword", "Sets the return script.")},
    {"setpos=", CmdSetPos, "s", QT_TRANSLATE_NOOP("Keyword", "Sets the current place (the position script).")},
    {"getvar=", CmdGetVar, "r.",
     QT_TRANSLATE_NOOP("Keyword", "Puts an engine variable (Modelo, Script, IniScp, RetScp, Posic, Objeto) into the register.")},
    // message font and colours
    {"corfnd=", CmdCorFnd, "k",
     QT_TRANSLATE_NOOP("Keyword", "Sets the background colour (configuration line 18 when empty).")},
    {"fntsize=", CmdFntSize, "n",
     QT_TRANSLATE_NOOP("Keyword", "Sets the message font size (configuration line 16 when empty).")},
    {"fntface=", CmdFntFace, ".",
     QT_TRANSLATE_NOOP("Keyword", "Sets the message font name (configuration line 15 when empty).")},
    {"fntsty=", CmdFntSty, ".",
     QT_TRANSLATE_NOOP("Keyword", "Sets the message style: B, I, U in positions 1 to 3 for bold, italic, underline.")},
    {"corlnk=", CmdCorLnk, "k",
     QT_TRANSLATE_NOOP("Keyword", "Sets the link colour (configuration line 20 when empty).")},
    {"corvzk=", CmdCorVzk, "k",
     QT_TRANSLATE_NOOP("Keyword", "Sets the visited-link colour (configuration line 21 when empty).")},
    {"cortxt=", CmdCorTxt, "k",
     QT_TRANSLATE_NOOP("Keyword", "Sets the text colour (configuration line 19 when empty).")},
    // subroutines, saving and resetting the state
    {"gosub", CmdGosub, "g",
     QT_TRANSLATE_NOOP("Keyword", "Calls a script, or a :label of this script, as a subroutine (one level only).")},
    {"return", CmdReturn, {}, QT_TRANSLATE_NOOP("Keyword", "Returns from the subroutine to the line after its gosub.")},
    {"ret", CmdReturn, {}, QT_TRANSLATE_NOOP("Keyword", "Returns from the subroutine to the line after its gosub.")},
    {"recall=", CmdRecall, ".", QT_TRANSLATE_NOOP("Keyword", "Accepted and ignored.")},
    {"saveregs", CmdSaveRegs, {}, QT_TRANSLATE_NOOP("Keyword", "Writes the registers to the game's .rgs file now.")},
    {"saveobjs", CmdSaveObjs, {}, QT_TRANSLATE_NOOP("Keyword", "Writes the objects to the game's .obx file now.")},
    {"reset", CmdReset, "..",
     QT_TRANSLATE_NOOP("Keyword", "objs [object or todos] reloads objects from their .obj files; regs empties every register but the last; mapa FILE deletes a saved map.")},
    // music and sound
    {"playmusic", CmdPlayMusic, "m", QT_TRANSLATE_NOOP("Keyword", "Plays a music file of the game once.")},
    {"play", CmdPlayMusic, "m", QT_TRANSLATE_NOOP("Keyword", "Plays a music file of the game once.")},
    {"volume=", CmdVolume, "n", QT_TRANSLATE_NOOP("Keyword", "Sets the music's volume.")},
    {"playsnd", CmdPlaySnd, "w.",
     QT_TRANSLATE_NOOP("Keyword", "Plays a sound; with on the script waits for its end; playsnd off stops it.")},
    // display model
    {"modo=", CmdSetMode, "n",
     QT_TRANSLATE_NOOP("Keyword", "Switches the display model: 0 typed text, 1 pictures and a message line, 2 a web page, 3 a page of text and pictures.")},
    {"setmode=", CmdSetMode, "n",
     QT_TRANSLATE_NOOP("Keyword", "Switches the display model: 0 typed text, 1 pictures and a message line, 2 a web page, 3 a page of text and pictures.")},
    // objects: properties, places, listing
    {"getobj=", CmdGetObj, "ro.",
     QT_TRANSLATE_NOOP("Keyword", "Puts a property of the object (nom, dsc, loc, shp, tag) into the register.")},
    {"getshpobj=", CmdGetShpObj, "ro", QT_TRANSLATE_NOOP("Keyword", "Puts the object's picture into the register.")},
    {"getdscobj=", CmdGetDscObj, "ro",
     QT_TRANSLATE_NOOP("Keyword", "Puts the object's description into the register.")},
    {"getnomobj=", CmdGetNomObj, "ro", QT_TRANSLATE_NOOP("Keyword", "Puts the object's name into the register.")},
    {"gettagobj=", CmdGetTagObj, "ro", QT_TRANSLATE_NOOP("Keyword", "Puts the object's tag into the register.")},
    {"getlocobj=", CmdGetLocObj, "ro", QT_TRANSLATE_NOOP("Keyword", "Puts the object's place into the register.")},
    {"setobj=", CmdSetObj, "o..",
     QT_TRANSLATE_NOOP("Keyword", "Sets a property of the object (nom, dsc, loc, shp, tag); loc as the value is the current place.")},
    {"setshpobj=", CmdSetShpObj, "o.", QT_TRANSLATE_NOOP("Keyword", "Sets the object's picture.")},
    {"setdscobj=", CmdSetDscObj, "o.", QT_TRANSLATE_NOOP("Keyword", "Sets the object's description.")},
    {"setnomobj=", CmdSetNomObj, "o.", QT_TRANSLATE_NOOP("Keyword", "Sets the object's name.")},
    {"settagobj=", CmdSetTagObj, "o.", QT_TRANSLATE_NOOP("Keyword", "Sets the object's tag.")},
    {"setlocobj=", CmdSetLocObj, "oa", QT_TRANSLATE_NOOP("Keyword", "Puts the object at the place.")},
    {"tiratudo", CmdTiraTudo, "aa",
     QT_TRANSLATE_NOOP("Keyword", "Moves every object at the first place to the second.")},
    {"poetudo", CmdTiraTudo, "aa",
     QT_TRANSLATE_NOOP("Keyword", "Moves every object at the first place to the second.")},
    {"pegaobj=", CmdPegaObj, "o", QT_TRANSLATE_NOOP("Keyword", "The player takes the object (its place becomes jog).")},
    {"pegaobj", CmdPegaObj, "o", QT_TRANSLATE_NOOP("Keyword", "The player takes the object (its place becomes jog).")},
    {"soltaobj=", CmdSoltaObj, "o", QT_TRANSLATE_NOOP("Keyword", "The player drops the object at the current place.")},
    {"soltaobj", CmdSoltaObj, "o", QT_TRANSLATE_NOOP("Keyword", "The player drops the object at the current place.")},
    {"ifobj=", CmdIfObjEqual, "oal",
     QT_TRANSLATE_NOOP("Keyword", "Jumps to the label when the object is at the place.")},
    {"ifobj#", CmdIfObjNotEqual, "oal",
     QT_TRANSLATE_NOOP("Keyword", "Jumps to the label when the object is not at the place.")},
    {"conta", CmdConta, "ar",
     QT_TRANSLATE_NOOP("Keyword", "Puts the number of objects at the place into the register.")},
    {"lstobj=", CmdLstObj, "ra",
     QT_TRANSLATE_NOOP("Keyword", "Puts the descriptions of the objects at the place into the register, as a list ending in \"e\".")},
    {"lstobjlnk=", CmdLstObjLnk, "ra",
     QT_TRANSLATE_NOOP("Keyword", "As lstobj=, each description a link to its object's script.")},
    {"listaobjetos", CmdListaObjetos, "a", QT_TRANSLATE_NOOP("Keyword", "Accepted with loc or jog; shows nothing.")},
    // clearing and placing text
    {"cleartxt", CmdClearTxt, {}, QT_TRANSLATE_NOOP("Keyword", "Empties the text buffer of model 3.")},
    {"clear$", CmdClearTxt, {}, QT_TRANSLATE_NOOP("Keyword", "Empties the text buffer of model 3.")},
    {"cleartela", CmdClearTela, "k",
     QT_TRANSLATE_NOOP("Keyword", "Fills the screen and the model-3 page with the colour (the background colour when empty).")},
    {"clearfunc", CmdClearFunc, "k",
     QT_TRANSLATE_NOOP("Keyword", "Fills the command panel with the colour (the background colour when empty).")},
    {"postxt=", CmdPosTxt, "nn",
     QT_TRANSLATE_NOOP("Keyword", "Model 3: moves the text position to x, y ($ or empty keeps that one).")},
    {"postxt", CmdPosTxt, "nn",
     QT_TRANSLATE_NOOP("Keyword", "Model 3: moves the text position to x, y ($ or empty keeps that one).")},
    {"lnfeed=", CmdLnFeed, "n",
     QT_TRANSLATE_NOOP("Keyword", "Model 3 only: moves the text position down so many pixels (10 when empty).")},
    {"btxt=", CmdBoxTexto, ".nnnnk.kn",
     QT_TRANSLATE_NOOP("Keyword", "Draws the text in a box on the model-3 page: x, y, width, height, colour, style, background, size ($ is the text buffer).")},
    {"boxtexto=", CmdBoxTexto, ".nnnnk.kn",
     QT_TRANSLATE_NOOP("Keyword", "Draws the text in a box on the model-3 page: x, y, width, height, colour, style, background, size ($ is the text buffer).")},
    // the object grid
    {"dispobj=", CmdDispObj, "a.nnnnn",
     QT_TRANSLATE_NOOP("Keyword", "Shows the pictures of the objects at the place (jog when empty) as clickable cells: surface, left, top, width, height, columns.")},
    {"displayobjetos=", CmdDispObj, "a.nnnnn",
     QT_TRANSLATE_NOOP("Keyword", "Shows the pictures of the objects at the place (jog when empty) as clickable cells: surface, left, top, width, height, columns.")},
    // line feed
    {"linefeed", CmdLineFeed, {}, QT_TRANSLATE_NOOP("Keyword", "Starts a new line of the message.")},
    // pictures and objects on a surface
    {"display", CmdDisplay, "p.nnnn...",
     QT_TRANSLATE_NOOP("Keyword", "Draws a picture or a text on a surface (tel, fnc, pan) at x, y: a picture's width, height and alignment, or a text's size, colour and style.")},
    {"display=", CmdDisplay, "p.nnnn...",
     QT_TRANSLATE_NOOP("Keyword", "Draws a picture or a text on a surface (tel, fnc, pan) at x, y: a picture's width, height and alignment, or a text's size, colour and style.")},
    {"showobj=", CmdShowObj, "o..nnnnnk",
     QT_TRANSLATE_NOOP("Keyword", "Shows the object's name (tit), description (dsc) or picture (shp) in msg, tel, fnc or pan, at x, y, width, height, with a size change and colour.")},
    // questions about objects
    {"tem?", CmdTem, "ol", QT_TRANSLATE_NOOP("Keyword", "Jumps to the label when the player carries the object.")},
    {"objeto=", CmdObjeto, "o", QT_TRANSLATE_NOOP("Keyword", "Makes the object the current object.")},
    {"getultobj=", CmdGetUltObj, "r", QT_TRANSLATE_NOOP("Keyword", "Puts the current object's key into the register.")},
    // the Hud
    {"hud=", CmdHud, "pn",
     QT_TRANSLATE_NOOP("Keyword", "The picture over the screen in model 1: a .bmp loads it, on shows it, off hides it, x, y move it.")},
    // the picture's click script, exits cleared
    {"telpos=", CmdTelPos, "ps",
     QT_TRANSLATE_NOOP("Keyword", "Shows the picture on the screen; a click on it runs the script.")},
    {"cleardir", CmdClearDir, {}, QT_TRANSLATE_NOOP("Keyword", "Clears the eight exits.")},
    // the map
    {"loadmap=", CmdLoadMap, "p.",
     QT_TRANSLATE_NOOP("Keyword", "Loads the map's picture, or the saved map when that file exists.")},
    {"defpicmap=", CmdDefPicMap, ".nnnn",
     QT_TRANSLATE_NOOP("Keyword", "Defines the map window: surface (tel, fnc, pan), left, top, width, height.")},
    {"picmap=", CmdPicMap, "nn",
     QT_TRANSLATE_NOOP("Keyword", "Draws the map window from the map's point x, y; a click on it opens the map.")},
    {"showmap", CmdShowMap, ".", QT_TRANSLATE_NOOP("Keyword", "on opens the map page, off closes it.")},
    {"showmap=", CmdShowMap, ".", QT_TRANSLATE_NOOP("Keyword", "on opens the map page, off closes it.")},
    {"posmap=", CmdPosMap, "nnnn",
     QT_TRANSLATE_NOOP("Keyword", "Sets the player's marker on the map (x, y) and the map's scroll position.")},
    {"addmap=", CmdAddMap, "nnp.",
     QT_TRANSLATE_NOOP("Keyword", "Pastes a picture onto the map at x, y and saves the map in the file.")},
    // exits and links
    {"linksoff", CmdLinksOff, ".",
     QT_TRANSLATE_NOOP("Keyword", "Removes the clickable areas: all of them, or those of tel, fnc, pan or md3.")},
    {"norte=", CmdNorte, "s", QT_TRANSLATE_NOOP("Keyword", "Sets the north exit (empty: none).")},
    {"sul=", CmdSul, "s", QT_TRANSLATE_NOOP("Keyword", "Sets the south exit (empty: none).")},
    {"leste=", CmdLeste, "s", QT_TRANSLATE_NOOP("Keyword", "Sets the east exit (empty: none).")},
    {"oeste=", CmdOeste, "s", QT_TRANSLATE_NOOP("Keyword", "Sets the west exit (empty: none).")},
    {"entrar=", CmdEntrar, "s", QT_TRANSLATE_NOOP("Keyword", "Sets the way in (empty: none).")},
    {"sair=", CmdSair, "s", QT_TRANSLATE_NOOP("Keyword", "Sets the way out (empty: none).")},
    {"subir=", CmdSubir, "s", QT_TRANSLATE_NOOP("Keyword", "Sets the way up (empty: none).")},
    {"descer=", CmdDescer, "s", QT_TRANSLATE_NOOP("Keyword", "Sets the way down (empty: none).")},
    {"linktel=", CmdLinkTel, "psnnnnnpw",
     QT_TRANSLATE_NOOP("Keyword", "Makes a clickable area on the screen: picture or text, script, left, top, width, height, cursor, pressed picture, press sound.")},
    {"lnktel=", CmdLinkTel, "psnnnnnpw",
     QT_TRANSLATE_NOOP("Keyword", "Makes a clickable area on the screen: picture or text, script, left, top, width, height, cursor, pressed picture, press sound.")},
    {"ifdir=", CmdIfDir, ".pnnnnnpw",
     QT_TRANSLATE_NOOP("Keyword", "Makes a clickable area on the command panel leading through the exit of the direction (norte, sul...), when there is one.")},
    {"linkfunc=", CmdLinkFunc, "psnnnnnpw",
     QT_TRANSLATE_NOOP("Keyword", "Makes a clickable area on the command panel, with the arguments of linktel=.")},
    {"lnkfnc=", CmdLinkFunc, "psnnnnnpw",
     QT_TRANSLATE_NOOP("Keyword", "Makes a clickable area on the command panel, with the arguments of linktel=.")},
    {"linkpainel=", CmdLinkPainel, "psnnnnnpw",
     QT_TRANSLATE_NOOP("Keyword", "Makes a clickable area on the window's skin picture, with the arguments of linktel=.")},
    {"lnkpan=", CmdLinkPainel, "psnnnnnpw",
     QT_TRANSLATE_NOOP("Keyword", "Makes a clickable area on the window's skin picture, with the arguments of linktel=.")},
    // the screen buffer's font and colours
    {"telacorfnd=", CmdTelaCorFnd, "k",
     QT_TRANSLATE_NOOP("Keyword", "Sets the background colour of drawing on the screen.")},
    {"telacortxt=", CmdTelaCorTxt, "k", QT_TRANSLATE_NOOP("Keyword", "Sets the text colour of drawing on the screen.")},
    {"telafntnome=", CmdTelaFntNome, ".", QT_TRANSLATE_NOOP("Keyword", "Sets the font name of drawing on the screen.")},
    {"telafntalt=", CmdTelaFntAlt, "n", QT_TRANSLATE_NOOP("Keyword", "Sets the font size of drawing on the screen.")},
    // registers
    {"reg=", CmdRegSet, "r.", QT_TRANSLATE_NOOP("Keyword", "Sets the register to the text.")},
    {"reg$", CmdRegAppend, "r.",
     QT_TRANSLATE_NOOP("Keyword", "Appends the text to the register (text codes applied).")},
    {"trim", CmdRegTrim, "r", QT_TRANSLATE_NOOP("Keyword", "Removes the blanks at both ends of the register.")},
    {"regtxt=", CmdRegText, "rt",
     QT_TRANSLATE_NOOP("Keyword", "Sets the register to a text that goes on over the following lines up to an apostrophe.")},
    {"regtxt+", CmdRegText, "rt",
     QT_TRANSLATE_NOOP("Keyword", "Appends to the register a text that goes on over the following lines up to an apostrophe.")},
    {"reg-", CmdRegSub, "rn", QT_TRANSLATE_NOOP("Keyword", "Subtracts the number from the register.")},
    {"reg+", CmdRegAdd, "rn", QT_TRANSLATE_NOOP("Keyword", "Adds the number to the register.")},
    {"reg*", CmdRegMul, "rn", QT_TRANSLATE_NOOP("Keyword", "Multiplies the register by the number.")},
    {"reg/", CmdRegDivReal, "rn",
     QT_TRANSLATE_NOOP("Keyword", "Divides the register by the number, keeping the fraction.")},
    {"reg:", CmdRegDiv, "rn", QT_TRANSLATE_NOOP("Keyword", "Divides the register by the number, as a whole number.")},
    {"reg?", CmdRegRandom, "rn",
     QT_TRANSLATE_NOOP("Keyword", "Adds a random number from 0 to the number to the register.")},
    {"ifreg=", CmdIfRegEqual, "r.l",
     QT_TRANSLATE_NOOP("Keyword", "Jumps to the label when the register holds the text.")},
    {"ifreg#", CmdIfRegDiffer, "r.l",
     QT_TRANSLATE_NOOP("Keyword", "Jumps to the label when the register does not hold the text.")},
    {"ifreg>", CmdIfRegAbove, "rnl",
     QT_TRANSLATE_NOOP("Keyword", "Jumps to the label when the first argument is above the number (write #n to compare register n).")},
    {"ifreg<", CmdIfRegBelow, "rnl",
     QT_TRANSLATE_NOOP("Keyword", "Jumps to the label when the first argument is below the number (write #n to compare register n).")},
    // exits as conditions
    {"getdir", CmdGetDir, "r.",
     QT_TRANSLATE_NOOP("Keyword", "Puts the exit of a direction (norte, sul, leste, oeste, entrar, sair, subir, descer) into the register.")},
    {"ifnor", CmdIfNorth, "c",
     QT_TRANSLATE_NOOP("Keyword", "Runs the command that follows when there is a north exit.")},
    {"ifsul", CmdIfSouth, "c",
     QT_TRANSLATE_NOOP("Keyword", "Runs the command that follows when there is a south exit.")},
    {"ifles", CmdIfEast, "c",
     QT_TRANSLATE_NOOP("Keyword", "Runs the command that follows when there is an east exit.")},
    {"ifoes", CmdIfWest, "c", QT_TRANSLATE_NOOP("Keyword", "Runs the command that follows when there is a west exit.")},
    // conditions
    {"ifmod0", CmdIfModel0, "c", QT_TRANSLATE_NOOP("Keyword", "Runs the command that follows in display model 0.")},
    {"ifmod1", CmdIfModel1, "c", QT_TRANSLATE_NOOP("Keyword", "Runs the command that follows in display model 1.")},
    {"ifmod2", CmdIfModel2, "c", QT_TRANSLATE_NOOP("Keyword", "Runs the command that follows in display model 2.")},
    {"ifmod3", CmdIfModel3, "c", QT_TRANSLATE_NOOP("Keyword", "Runs the command that follows in display model 3.")},
    {"if=", CmdIfEqual, "r.c",
     QT_TRANSLATE_NOOP("Keyword", "Runs the command that follows when the register holds the text.")},
    {"if#", CmdIfDiffers, "r.c",
     QT_TRANSLATE_NOOP("Keyword", "Runs the command that follows when the register does not hold the text.")},
    {"if>", CmdIfGreater, "rnc",
     QT_TRANSLATE_NOOP("Keyword", "Runs the command that follows when the register, read as a number, is above the number.")},
    {"if<", CmdIfLess, "rnc",
     QT_TRANSLATE_NOOP("Keyword", "Runs the command that follows when the register, read as a number, is below the number.")},
    {"if~", CmdIfBetween, "r..c",
     QT_TRANSLATE_NOOP("Keyword", "Runs the command that follows when the register lies between the two texts, compared letter by letter.")},
    {"scriptcmd=", CmdScriptCmd, "v",
     QT_TRANSLATE_NOOP("Keyword", "Sets the vocabulary of typed commands, when that script exists.")},
    // screen settings and effects
    {"setfoco=", CmdSetFoco, ".",
     QT_TRANSLATE_NOOP("Keyword", "Gives the keyboard focus to web, inp, fnc, vsr or msg.")},
    {"loadpainel", CmdLoadPainel, "p",
     QT_TRANSLATE_NOOP("Keyword", "Loads the window's skin picture; the window takes its size and outline.")},
    {"barratop", CmdBarraTop, ".",
     QT_TRANSLATE_NOOP("Keyword", "Shows (on, when empty) or hides (off) the bar above the model-0 text.")},
    {"defini=", CmdDefini, "n.",
     QT_TRANSLATE_NOOP("Keyword", "Sets a configuration line, by its number, to the text.")},
    {"defcom=", CmdDefCom, "v",
     QT_TRANSLATE_NOOP("Keyword", "Sets the vocabulary of typed commands, even when that script is missing.")},
    {"cinza=", CmdCinza, ".knnnnn",
     QT_TRANSLATE_NOOP("Keyword", "Greys or tints a rectangle of tel, fnc or pan: colour, amount, left, top, width, height.")},
    {"chuva=", CmdChuva, "pp",
     QT_TRANSLATE_NOOP("Keyword", "Rain in model 1: a .bmp is the rain picture; mask, int, wgotas set its mask, interval and step; on starts it, off stops it.")},
    {"altura=", CmdAltura, "n", QT_TRANSLATE_NOOP("Keyword", "Sets the height of the model-3 page.")},
    {"veltec=", CmdVelTec, "n",
     QT_TRANSLATE_NOOP("Keyword", "Sets the delay between typed letters in model 0, in milliseconds.")},
    // objects by register
    {"poeobj=", CmdPoeObj, "oa", QT_TRANSLATE_NOOP("Keyword", "Puts the object at the place.")},
    {"temos?", CmdTemos, "ol",
     QT_TRANSLATE_NOOP("Keyword", "Jumps to the label when the player carries the object (the current object when empty).")},
    // clearing everything at once
    {"cleartotal", CmdClearTotal, {},
     QT_TRANSLATE_NOOP("Keyword", "Empties every text and fills every surface with the background colour.")},
    // the update page
    {"download", CmdDownload, {}, QT_TRANSLATE_NOOP("Keyword", "Shows the update page.")},
    // place conditions
    {"ifloc=", CmdIfPlace, "sl",
     QT_TRANSLATE_NOOP("Keyword", "Jumps to the label when the current place is that script (whose file must exist).")},
    {"ifpos=", CmdIfPlace, "sl",
     QT_TRANSLATE_NOOP("Keyword", "Jumps to the label when the current place is that script (whose file must exist).")},
    {"ifloc#", CmdIfNotPlace, "al",
     QT_TRANSLATE_NOOP("Keyword", "Jumps to the label when the current place is not the place.")},
    // jumps: the commands above that jump hand over to it
    {"goto", CmdGoto, "l", QT_TRANSLATE_NOOP("Keyword", "Jumps to the label.")},
};

}  // namespace

std::span<const KeywordRow> KeywordTable() { return kTable; }

}  // namespace lumora
