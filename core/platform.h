// The services only the operating system gives; the engine reaches the window
// system, the clock, the web view and the audio device through this seam alone.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace lumora {

// The components the engine has repainted in the middle of a run, by name.
enum class Component { Tela, Msg, MsgMd0 };

class Platform {
 public:
  virtual ~Platform() = default;

  // Lets pending window messages be processed: the front end brings its widgets
  // in line with the form model, paints, and lets timers and the web view's
  // signals through. The player's input (mouse, keys, wheel, links, and the
  // timers that start a run) is delivered, and may run a nested script, only at
  // the waits whose purpose is to let the player act ("pausa=", typing, a sound
  // played to its end); everywhere else it is held, and delivered in arrival
  // order at the next delivering wait or when the outermost entry returns. A
  // click must never act on a half-built area table under the old picture.
  enum class PlayerInput { Held, Delivered };
  virtual void ProcessMessages(PlayerInput input) = 0;
  // While a script runs without waiting, fetches a request to close the window
  // from the window system and handles only that: no queued click, key, link or
  // timer runs. The close then requests the exit as usual. Asked as often as a
  // loop likes (every letter typed): a platform for which a look costs more than
  // a question looks only now and then, at least every tenth of a second.
  virtual void NoticeCloseRequest() {}
  // Repaints one component now, without handling any other event.
  virtual void RepaintNow(Component component) = 0;
  virtual void Sleep(int ms) = 0;
  virtual int64_t Milliseconds() = 0;
  // Waits ms milliseconds of the platform's clock, handling messages as they
  // arrive as ProcessMessages does: a page loading in the web view goes on
  // working, and input that may be delivered is handled when it comes, not
  // after a sleep. A platform without an event loop processes once, then sleeps.
  virtual void WaitForMessages(PlayerInput input, int ms) {
    ProcessMessages(input);
    Sleep(ms);
  }

  // The web view: stop, navigate to a file path or "about:blank", load a
  // Windows-1252 document from memory, ready state (0 to 4), focus. Its pages
  // show only what the game asks for: a link to another page or file is not
  // followed, and a web address (http, https) goes to OpenUrl instead.
  virtual void WebStop() = 0;
  virtual void WebNavigate(const std::string& target) = 0;
  virtual void WebLoadHtml(const std::string& html) = 0;
  virtual int WebReadyState() = 0;
  virtual void WebFocus() = 0;
  // What the web view's pages may read: the files in the game's folder (a
  // native path ending with "/") and the page file itself (tmp.htm in the
  // state folder), each with its links followed; a page's request for any
  // other file, or for anything on the network, fails. Until told, a page reads
  // no file at all.
  virtual void WebConfine(const std::string& gameFolder, const std::string& pageFile) = 0;

  // Hands a web address to the system's browser.
  virtual void OpenUrl(const std::string& url) = 0;
  // Shows an error in a message box (Windows-1252 text).
  virtual void ShowError(const std::string& text) = 0;
  // Asks the program to end once the running script has unwound.
  virtual void RequestExit() = 0;

  // Music: opens a file (native path), closing the music that was open; returns
  // "" or, when the file cannot be played, the library's message. Then plays it
  // once from the start. The volume goes to the open music, 0 to 1000; with none
  // open it is ignored, as a device that was never opened ignores it.
  virtual std::string MusicOpen(const std::string& path) = 0;
  virtual std::string MusicPlay() = 0;  // "" or the library's message
  virtual void MusicVolume(int level) = 0;
  // Wave sounds, one at a time: a new sound cuts the one playing. SoundPlay
  // starts one and returns; `wait` marks a sound the script waits for, which the
  // caller follows with SoundLeftMs to its end (recordings tell the two apart).
  // A file that cannot be read plays nothing and leaves the sound that plays alone.
  virtual void SoundPlay(const std::string& path, bool wait) = 0;
  // About how many milliseconds the sound played last still lasts: 0 once it has
  // ended, was cut or stopped, or when it could not be played. A device that
  // stalls counts as done a second after the sound's length.
  virtual int64_t SoundLeftMs() = 0;
  virtual void SoundStop() = 0;
  // Raises the main window above the others and makes it the active window.
  virtual void BringToFront() = 0;
  // The idle timer (the rain's `Chuva`): from now on `tick` is called about
  // every interval milliseconds (at least 1) while the program is the active
  // application, from the event loop, sleeping in between. Starting it again
  // replaces the interval and the callback; stopping it ends the ticks.
  virtual void StartIdleTimer(int intervalMs, std::function<void()> tick) = 0;
  virtual void StopIdleTimer() = 0;

  // The player's own folder for the program's files, a native path ending with
  // "/" (on Linux under XDG_DATA_HOME, ~/.local/share/lumora/), or "" when the
  // system names none. It need not exist yet.
  virtual std::string UserDataFolder() = 0;
  // Whether the program may create and replace files in a folder (native path).
  virtual bool CanWriteFolder(const std::string& folder) = 0;
  // The window as the player sees it now, as PNG bytes; "" without a window.
  virtual std::string WindowPicturePng() { return {}; }

  // Reading aloud. Whether a speech engine can speak; asking may load it.
  virtual bool SpeechAvailable() = 0;
  // Reads a Windows-1252 text aloud once the texts given before it are read.
  virtual void Speak(const std::string& text) = 0;
  // Stops the reading going on and drops the texts still waiting.
  virtual void StopSpeaking() = 0;
};

}  // namespace lumora
