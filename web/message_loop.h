// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>

// What the page reports: a control's command (a click, or Enter's kOk and Esc's kCancel), a
// control's focus, a timer's tick, a command of a window's menu, and the answer of a
// message box or the file chooser.
enum class PageEventKind { Command = 1, Focus, Timer, MenuCommand, Answer };

struct PageEvent {
  int handle;
  PageEventKind kind;
  int value;
};

// The page queues its events; the innermost running modal loop takes them one at a time
// and hands each to the window it is for, as a desktop's message loop does. A box opened
// inside a tick so runs a loop of its own, nested in the one that dispatched the tick.
class MessageLoop {
 public:
  class Target {
   public:
    virtual void OnPageEvent(const PageEvent& event) = 0;

   protected:
    ~Target() = default;
  };

  // A new handle whose events go to the target.
  int Add(Target& target);
  void Remove(int handle);
  // Waits for the page's next event, the browser running meanwhile, and hands it to its
  // target; an event of a window that is gone is dropped.
  void DispatchNext();

 private:
  std::map<int, Target*> m_targets;
  int m_lastHandle = 0;
};
