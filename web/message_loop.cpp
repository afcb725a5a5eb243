// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/message_loop.h"

#include "web/page.h"

int MessageLoop::Add(Target& target) {
  m_targets[++m_lastHandle] = &target;
  return m_lastHandle;
}

void MessageLoop::Remove(int handle) {
  m_targets.erase(handle);
  page_close(handle);
}

void MessageLoop::DispatchNext() {
  int event[3];
  page_wait_event(event);
  const auto target = m_targets.find(event[0]);
  if (target == m_targets.end()) return;
  target->second->OnPageEvent({event[0], static_cast<PageEventKind>(event[1]), event[2]});
}
