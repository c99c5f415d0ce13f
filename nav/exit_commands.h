// The exits of the current place and the picture screen's click script: the
// eight exit commands, "cleardir", "telpos=", "linksoff" and "ifdir=".
#pragma once
#include "command/handler.h"

namespace lumora {

void CmdNorte(TForm3& t);     // "norte="
void CmdSul(TForm3& t);       // "sul="
void CmdLeste(TForm3& t);     // "leste="
void CmdOeste(TForm3& t);     // "oeste="
void CmdEntrar(TForm3& t);    // "entrar="
void CmdSair(TForm3& t);      // "sair="
void CmdSubir(TForm3& t);     // "subir="
void CmdDescer(TForm3& t);    // "descer="
void CmdClearDir(TForm3& t);  // "cleardir"
void CmdTelPos(TForm3& t);    // "telpos="
void CmdLinksOff(TForm3& t);  // "linksoff"
void CmdIfDir(TForm3& t);     // "ifdir="

}  // namespace lumora
