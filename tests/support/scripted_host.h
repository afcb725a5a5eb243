#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialog_template.h"
#include "ui/dialog_window.h"
#include "ui/host.h"

class ScriptedHost;

// A dialog's window under the scripted host: the controls of its template as plain
// state, driven by a test as a player would drive the real window.
class ScriptedWindow : public DialogWindow {
 public:
  struct Control {
    ControlTemplate tpl;
    std::string text;
    int check = 0;
    bool enabled = true;
    bool visible = true;
    std::optional<FontSpec> font;
  };
  struct MenuItem {
    unsigned flags;
    unsigned id;
    std::string text;
  };

  ScriptedWindow(ScriptedHost& host, CDialog& dialog, const DialogTemplate& tpl);

  // What a player does. Each acts only where the real window would let it.
  void Click(int id);                          // a push button or check box
  void Type(int id, const std::string& text);  // focuses the box, then types
  void Focus(int id);                          // clicks into or tabs to a control
  void PressEnter();                           // on the focused control
  void PressEscape();
  void CloseBox();
  void ChooseSystemMenu(unsigned id);
  void Tab();

  const Control& Item(int id) const;
  int FocusedId() const { return m_focus; }
  bool Ended() const { return m_ended; }
  int EndCode() const { return m_endCode; }
  int DefaultCalls() const { return m_defaultCalls; }
  const std::vector<MenuItem>& SystemMenu() const { return m_systemMenu; }
  HICON Icon(bool big) const { return big ? m_bigIcon : m_smallIcon; }
  bool TimerRunning(unsigned id) const;
  int TimerPeriod(unsigned id) const;  // as the host runs it, after the 10 ms floor
  CDialog& Dialog() { return m_dialog; }
  const DialogTemplate& Template() const { return m_template; }

  // DialogWindow
  std::string ItemText(int id) const override;
  void SetItemText(int id, const std::string& text) override;
  int ItemCheck(int id) const override;
  void SetItemCheck(int id, int state) override;
  void EnableItem(int id, bool enable) override;
  void ShowItem(int id, bool show) override;
  void SetItemFont(int id, const FontSpec* font) override;
  void SetTimer(unsigned id, int periodMs) override;
  void KillTimer(unsigned id) override;
  void EndDialog(int code) override;
  void AppendSystemMenu(unsigned flags, unsigned commandId, const std::string& text) override;
  void SetIcon(HICON icon, bool big) override;
  bool IsIconic() const override { return m_iconic; }
  int ClientWidth() const override;
  int ClientHeight() const override;
  void DrawIcon(int x, int y, HICON icon) override;
  void DefaultProcessing() override { ++m_defaultCalls; }

  // Minimises the window and paints it, as the window manager would.
  void PaintIconic();
  struct DrawnIcon {
    int x, y;
    HICON icon;
  };
  const std::vector<DrawnIcon>& DrawnIcons() const { return m_drawnIcons; }

 private:
  friend class ScriptedHost;
  Control* Find(int id);
  bool CanTakeInput(int id) const;
  void SetFocusTo(int id);

  ScriptedHost& m_host;
  CDialog& m_dialog;
  DialogTemplate m_template;
  std::vector<Control> m_controls;
  std::vector<MenuItem> m_systemMenu;
  int m_focus = 0;
  bool m_ended = false;
  int m_endCode = 0;
  int m_defaultCalls = 0;
  HICON m_bigIcon = 0;
  HICON m_smallIcon = 0;
  bool m_iconic = false;
  std::vector<DrawnIcon> m_drawnIcons;
};

// The host for tests: a virtual clock, scripted answers for every modal run, and a
// record of everything that would leave the process.
class ScriptedHost : public Host {
 public:
  struct MessageBoxCall {
    std::string caption;
    std::string text;
    unsigned type;
  };
  using ModalScript = std::function<void(ScriptedWindow&)>;
  using MessageBoxScript = std::function<int(const MessageBoxCall&)>;
  using FileScript = std::function<std::optional<std::string>(const OpenFileRequest&)>;

  ScriptedHost();
  ~ScriptedHost() override;

  // Virtual time: due ticks fire in time order, each with its own time set.
  void Advance(int ms);
  std::int64_t Now() const { return m_now; }

  // Scripts for modal runs. A dialog's script plays the player inside its modal loop and
  // must end it; with no script queued for its template the dialog ends with IDCANCEL.
  void OnModal(int templateId, ModalScript script);
  // Answers for message boxes in order; with none queued a box answers IDOK.
  void AnswerMessageBox(MessageBoxScript script);
  void AnswerMessageBox(int answer);
  void AnswerFileDialog(FileScript script);

  // Makes the dialog's window and runs OnInitDialog, without a modal loop: the test then
  // plays the player on the returned window. It stays open until the dialog ends.
  ScriptedWindow& Open(CDialog& dialog);

  std::vector<MessageBoxCall> messageBoxes;
  std::vector<OpenFileRequest> fileDialogs;
  std::vector<int> modalRuns;  // template ids in the order they ran
  std::vector<std::string> shellOpened;
  std::vector<std::string> programsStarted;
  struct SoundCall {
    bool play;
    std::string path;
  };
  std::vector<SoundCall> sounds;

  std::string executablePath = "/opt/quellabox/Quellabox";
  std::int64_t calendarEpoch = 1700000000;  // calendar time = epoch + virtual seconds
  std::map<int, std::string> strings;       // string table; defaults from res/
  bool failSaves = false;                   // every save fails, as on a read-only disk
  std::string userDataDirectory;            // when set, the executable's folder is read-only

  // Host
  int RunModal(CDialog& dialog) override;
  int MessageBox(const std::string& text, unsigned type) override;
  std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) override;
  void ShellOpen(const std::string& target) override { shellOpened.push_back(target); }
  void StartProgram(const std::string& path) override { programsStarted.push_back(path); }
  void PlaySoundLooping(const std::string& path) override { sounds.push_back({true, path}); }
  void StopSound() override { sounds.push_back({false, {}}); }
  std::string ExecutablePath() override { return executablePath; }
  std::int64_t CalendarTime() override { return calendarEpoch + m_now / 1000; }
  std::string LoadString(int id) override;
  HICON LoadIcon(int id) override;
  std::string DataDirectory(const std::string& beside) override {
    return userDataDirectory.empty() ? beside : userDataDirectory;
  }
  bool SaveFileAtomically(const std::string& path, const std::string& bytes) override;

 private:
  friend class ScriptedWindow;
  struct Timer {
    ScriptedWindow* window;
    unsigned id;
    int period;
    std::int64_t due;
    std::uint64_t order;
  };
  void ScheduleTimer(ScriptedWindow* window, unsigned id, int periodMs);
  void RemoveTimer(ScriptedWindow* window, unsigned id);
  const Timer* FindTimer(const ScriptedWindow* window, unsigned id) const;
  void Close(ScriptedWindow* window);

  std::int64_t m_now = 0;
  std::uint64_t m_timerOrder = 0;
  std::vector<Timer> m_timers;
  std::map<int, std::deque<ModalScript>> m_modalScripts;
  std::deque<MessageBoxScript> m_messageBoxScripts;
  std::deque<FileScript> m_fileScripts;
  std::vector<std::unique_ptr<ScriptedWindow>> m_windows;
};
