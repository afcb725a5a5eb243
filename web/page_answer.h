// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "web/message_loop.h"

// Something of the page that answers once, a message box or the file chooser, as a modal
// run: until its answer comes it hands the page's other events to their windows, so every
// timer keeps ticking. The page's element goes with it.
class PageAnswer : private MessageLoop::Target {
 public:
  explicit PageAnswer(MessageLoop& loop) : m_loop(loop), m_handle(loop.Add(*this)) {}
  ~PageAnswer() { m_loop.Remove(m_handle); }
  PageAnswer(const PageAnswer&) = delete;
  PageAnswer& operator=(const PageAnswer&) = delete;

  int Handle() const { return m_handle; }
  int Wait() {
    while (!m_answer) m_loop.DispatchNext();
    return *m_answer;
  }

 private:
  void OnPageEvent(const PageEvent& event) override {
    if (event.kind == PageEventKind::Answer) m_answer = event.value;
  }

  MessageLoop& m_loop;
  int m_handle;
  std::optional<int> m_answer;
};
