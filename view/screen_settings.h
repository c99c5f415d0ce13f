// Screen settings: the screen buffer's font and colours, focus and stacking,
// the skin, the bar above the model-0 text, configuration lines, the
// vocabulary, the model-3 page height, the typing speed, clearing everything.
#pragma once
#include "command/handler.h"

namespace lumora {

void CmdTelaCorFnd(TForm3& t);    // "telacorfnd="
void CmdTelaCorTxt(TForm3& t);    // "telacortxt="
void CmdTelaFntNome(TForm3& t);   // "telafntnome="
void CmdTelaFntAlt(TForm3& t);    // "telafntalt="
void CmdSetFoco(TForm3& t);       // "setfoco="
void CmdLoadPainel(TForm3& t);    // "loadpainel"
void CmdBarraTop(TForm3& t);      // "barratop"
void CmdDefini(TForm3& t);        // "defini="
void CmdDefCom(TForm3& t);        // "defcom="
void CmdAltura(TForm3& t);        // "altura="
void CmdVelTec(TForm3& t);        // "veltec="
void CmdClearTotal(TForm3& t);    // "cleartotal"

struct TForm1;
struct Control;
// Puts the control above its siblings.
void RaiseControl(TForm1& f, Control& c);

}  // namespace lumora
