// TForm1: the main window's model. It owns every component, list and bitmap of
// the game, composed of one part per subsystem.
#pragma once
#include <QImage>
#include <QRegion>
#include <functional>
#include <string>

#include "core/platform.h"
#include "core/state_writer.h"
#include "core/string_list.h"
#include "form/audio_log.h"
#include "form/components.h"
#include "form/display_model.h"
#include "form/exits.h"
#include "form/game_state.h"
#include "form/link_table.h"
#include "form/rain.h"
#include "form/map_state.h"
#include "form/moment.h"
#include "form/random.h"
#include "form/script_ref.h"

namespace lumora {

struct TForm3;

// The settings of messages: font and colours (colour texts as configured).
struct MessageSettings {
  std::string fontName = "Arial";
  int fontSize = 12;
  bool bold = false, italic = false, underline = false;
  std::string background = "FFFFFF", text = "000000", link = "0000FF", visited = "800080";
};

// Where "dispobj=" lays out its grid of object pictures.
struct ObjectGridSettings {
  int left = 0, top = 0, width = 0, height = 0, columns = 0;
};

// The running script: its lines, the line index, one level of subroutine.
struct ScriptRun {
  StringList lines;
  // Bumped wherever lines is replaced, so the label index knows to rebuild.
  uint64_t linesGeneration = 0;
  int lineIndex = 0;
  int gosubLine = -1;
  std::string gosubScript;
};

// The HTML page of display model 2 while a run composes it.
struct Page {
  StringList lines;
  std::string closingTags;
  StringList lastWritten;  // the page last saved to tmp.htm, for the automation
  bool written = false;
};

// Abok0's pages: the game's, and the opening screen's until the game starts.
constexpr int kGamePage = 0, kOpeningPage = 2;

struct TForm1 {
  explicit TForm1(Platform& platform);

  Platform& platform;
  TForm3* interp = nullptr;  // the interpreter form, created after this one

  // Names and folders. Folders are native paths ending with "/"; the game name
  // is Windows-1252 like every script text.
  std::string gameName, programFolder, gameFolder, gameFolderUrl;
  // Where the game's state is written (see StateReadFolder): the game folder
  // when it can be written, else the player's data folder for the game. Chosen
  // once at creation. Temporary: nowhere lasting could be written, so this
  // session's state goes to a temporary folder removed at shutdown.
  std::string stateFolder;
  bool stateFolderTemporary = false;
  // A state folder given from outside (native, ending with "/"): a replay's
  // own copy, so the game's folder is only read. The save slots live in it too.
  std::string stateFolderGiven;

  StringList config;       // the configuration lines
  std::string configName;  // the file they came from, for error messages
  // The configuration file as it was read (its path and lines): shutdown
  // never writes over a file the author changed on disk since.
  struct ConfigAsRead {
    std::string path;
    StringList lines;
  } configAsRead;
  bool configLoaded = false;   // FormCreate read the whole file
  bool loaderFinished = false; // the game loader applied every line

  // The window: its position on the screen; its client size is that of Abok0.
  int windowLeft = 0, windowTop = 0;
  // How many screen pixels a design pixel takes, as the front end shows the
  // window. Everything else stays in design pixels; only the window drag,
  // which moves a screen object, multiplies by it.
  int zoom = 1;
  bool shaped = false;
  QRegion shape;  // the window's outline once shaped, in window pixels
  Focus focus = Focus::None;

  // The components, with their short Portuguese names. Abok0 is the game
  // area (the window's client area); its pages are "Default" (0), "Imagens"
  // (1) and "Abertura" (2).
  Notebook Abok0;
  Notebook Abok1;  // the display area: one page per display model, and the map
  Notebook Abok2;  // the command panel: the picture panel and the update page
  ImageBox Imp;     // the skin: the window's whole picture, also its drag handle
  ImageBox btFim;   // the quit button
  ImageBox TelCmd;  // the command panel's picture, with its clickable areas
  Label lbFim;      // the quit button's caption, "Encerrar"
  Edit Input;       // the input line, where the player types commands
  // The display area's pages.
  Panel PanTel;     // model 1: the frame of the picture screen
  Panel BarraTop;   // model 0: the thin bar above the typed text
  ImageBox Tela;    // model 1: the picture screen, with its clickable areas
  ImageBox Tela3;   // model 3: the canvas text as shown (a copy of TelMod3)
  ImageBox MapJog;  // the map picture
  ImageBox Voce;    // the player's marker on the map
  Memo Msg;         // the message area under the display
  Memo MsgMd0;      // model 0: the typed text
  WebView WebB;     // model 2: the web page
  ScrollBox Sbc1;   // the map's scroll box
  ScrollBox Sbox2;  // model 3: the canvas text's scroll box
  Label Label2;     // the update page's one label
  // Page "Imagens" (1): work surfaces, never shown.
  ImageBox TelMod3;  // model 3: the canvas that scripts write text on
  ImageBox BufShp;   // the picture loader's buffer
  ImageBox GrpTmp;   // the map commands' picture buffer
  ImageBox Hud;      // the head-up display drawn over the picture screen ("hud=")
  ImageBox BkTel;    // the rain's background: the screen without the drops
  Memo Memo1;        // a hidden memo whose font the page texts name
  Memo Memo3;        // the box texts' lines, without word wrap
  // Page "Abertura" (2).
  ImageBox TelAber;  // the opening picture
  Timer Chuva;       // the rain's timer

  // Interpreter-visible fields.
  std::string Modelo = "1";
  std::string Script = "start", IniScp = "start", RetScp = "start", Objeto, Posic;
  std::string vocabulary;
  std::string lastCommand;  // the last non-empty typed command, normalised; F3 recalls it
  int typingDelay = 7;
  int hudX = 0, hudY = 0;
  std::string rainPicture, rainMask;
  RainLayers rain;
  ObjectGridSettings grid;
  int textX = 0, textY = 0;  // the model-3 text position
  bool dragging = false;

  MessageSettings message;
  ScriptRun run;
  LinkParams params;
  GameState state;
  // Every write of the saved game's files goes through it, in order.
  StateWriter writer;
  RandomGenerator random;  // "reg?" draws; seed 0 at every program start
  Exits exits;
  LinkTable links;
  std::string pictureClickScript;
  Page page;
  AudioLog audio;  // the audio requests since the last walkthrough step
  MapState map;
  // The clickable area under the pointer at its last movement, press or
  // release, -1 for none.
  int hoveredArea = -1;
  int pressX = 0, pressY = 0;  // where a window drag was grabbed (Imp, TelAber)
  // The clickable area in the keyboard's focus ring (Tab), -1 for none.
  int keyFocusArea = -1;
  // The input line's command keys that went down in it, one bit per InputKey,
  // until they come up.
  unsigned inputKeysDown = 0;
  // The area Enter or Space went down on in the ring, until the key comes up.
  int keyPressArea = -1;
  // The control without areas a mouse button went down on, until it comes up
  // (the opening picture, the player's marker): a click is its press and release.
  const Control* pressedControl = nullptr;
  // Reading aloud: on or off, and the texts last read, so each is read once.
  struct ReadAloud {
    bool on = false;
    // A player's action started a run: the reading still going on stops before
    // the run's texts are read.
    bool newAction = false;
    bool toldUnavailable = false;  // the player was told there is no speech engine
    std::string msg, memo0, memo3, page;
  } readAloud;

  // The player's undo and redo (Ctrl+Z, Ctrl+Shift+Z).
  UndoHistory undo;

  // What the window is to show the player once (reading aloud is missing, a
  // slot was saved), then clears.
  std::string notice;

  // Off-screen bitmaps: the screen and panel buffers.
  QImage screenBuffer, panelBuffer;
  FontSpec screenFont, panelFont, canvas3Font;  // canvas fonts of the buffers and TelMod3
  Colour screenBrush = kWhite, panelBrush = kWhite, canvas3Brush = kWhite;

  bool exitRequested = false;
  // A run was cut short because the program is ending: shutdown then leaves the
  // saved game as the last finished run wrote it.
  bool runStopped = false;
  int runDepth = 0;  // RunScript calls in progress (nested runs count too)
  // Told when an outermost run starts (true) and when it has ended (false),
  // however it ended. Empty unless the author's inspector watches the runs.
  std::function<void(bool started)> onOutermostRun;
  // Entries from the window system in progress (nested ones count too): the
  // program ends only when the outermost one has unwound.
  int entryDepth = 0;
  // A click on TelAber waits out the double-click interval before it counts.
  bool openingClickPending = false;

  // The display model `Modelo` names.
  DisplayModel Model() const { return ModelOf(Modelo); }

  // The script names that symbolic references may stand for.
  SpecialScripts Specials() const { return {Posic, Objeto, RetScp}; }
};

}  // namespace lumora
