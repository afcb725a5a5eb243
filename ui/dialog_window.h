#pragma once

#include <string>

#include "ui/font_spec.h"
#include "ui/win_types.h"

// The window of a running dialog, as the host made it from the dialog's template.
// Controls are named by their template ids; every call on an id the template does not
// have is ignored (reads give empty values), as the platform's calls on a missing item do.
class DialogWindow {
 public:
  virtual ~DialogWindow() = default;

  virtual std::string ItemText(int id) const = 0;
  virtual void SetItemText(int id, const std::string& text) = 0;
  virtual int ItemCheck(int id) const = 0;  // 0 clear, 1 ticked
  virtual void SetItemCheck(int id, int state) = 0;
  virtual void EnableItem(int id, bool enable) = 0;
  virtual void ShowItem(int id, bool show) = 0;
  virtual void SetItemFont(int id, const FontSpec* font) = 0;  // null: the system font

  // Timers of this window by id: setting a running id restarts it with the new period.
  virtual void SetTimer(unsigned id, int periodMs) = 0;
  virtual void KillTimer(unsigned id) = 0;

  // Ends the modal run with the code; inside OnInitDialog the window never takes input.
  virtual void EndDialog(int code) = 0;

  virtual void AppendSystemMenu(unsigned flags, unsigned commandId, const std::string& text) = 0;
  virtual void SetIcon(HICON icon, bool big) = 0;
  virtual bool IsIconic() const = 0;
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;
  virtual void DrawIcon(int x, int y, HICON icon) = 0;  // only inside OnPaint

  // Standard handling of the message being handled; nothing the player sees.
  virtual void DefaultProcessing() = 0;
};
