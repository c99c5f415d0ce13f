// The object commands: reading and changing object records, moving objects,
// testing where they are, listing them and selecting the current object.
#pragma once

#include "command/handler.h"

namespace lumora {

// The first line of key's record; when there is none, " <--- objeto não existe"
// goes to the trace line and the result is -1.
int ObjectRecordOrTrace(TForm3& t, std::string_view key);

// Reading and changing properties (object_commands.cpp).
void CmdGetObj(TForm3& t);
void CmdGetNomObj(TForm3& t);
void CmdGetDscObj(TForm3& t);
void CmdGetLocObj(TForm3& t);
void CmdGetShpObj(TForm3& t);
void CmdGetTagObj(TForm3& t);
void CmdSetObj(TForm3& t);
void CmdSetNomObj(TForm3& t);
void CmdSetDscObj(TForm3& t);
void CmdSetLocObj(TForm3& t);
void CmdSetShpObj(TForm3& t);
void CmdSetTagObj(TForm3& t);

// Moving objects and selecting the current one (object_commands.cpp).
void CmdTiraTudo(TForm3& t);  // also "poetudo"
void CmdPegaObj(TForm3& t);
void CmdSoltaObj(TForm3& t);
void CmdObjeto(TForm3& t);
void CmdGetUltObj(TForm3& t);

// Questions that jump to a label (object_questions.cpp).
void CmdIfObjEqual(TForm3& t);     // "ifobj="
void CmdIfObjNotEqual(TForm3& t);  // "ifobj#"
void CmdTem(TForm3& t);            // "tem?"

// Counting and listing (object_listing.cpp).
void CmdConta(TForm3& t);
void CmdLstObj(TForm3& t);
void CmdLstObjLnk(TForm3& t);
void CmdListaObjetos(TForm3& t);

}  // namespace lumora
