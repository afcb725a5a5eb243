// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

#include "seam/dialog_events.h"
#include "seam/dialog_window.h"
#include "seam/host.h"

class CDataExchange;

// The shortest timer period: a zero or negative one never spins.
constexpr int kMinimumTimerPeriodMs = 10;

// A dialog made from a template held in res/; the host makes its window and reports its
// events through DialogEvents.
class CDialog : public DialogEvents {
 public:
  CDialog(Host& host, int templateId) : m_host(host), m_templateId(templateId) {}
  virtual ~CDialog() = default;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  int TemplateId() const { return m_templateId; }

  int DoModal() { return m_host.RunModal(m_templateId, *this); }
  void EndDialog(int code);
  bool UpdateData(bool saveAndValidate = true);
  // A period below the shortest runs at the shortest.
  void SetTimer(unsigned id, int periodMs);
  void KillTimer(unsigned id);
  // A message box captioned with the application title.
  int AfxMessageBox(const std::string& text, MessageButtons buttons = MessageButtons::Ok) {
    return m_host.ShowMessageBox(ApplicationTitle(m_host), text, buttons);
  }

  void AttachWindow(DialogWindow* window) override { m_window = window; }
  bool OnInitDialog() override;
  void OnCommand(int id) override;
  void OnNotify(Notification event, int id) override { OnRoute(event, id); }
  void OnTimer(unsigned id) override { (void)id; }
  void OnSysCommand(unsigned id) override;

  virtual void OnOK();
  virtual void OnCancel();

 protected:
  Host& GetHost() const { return m_host; }
  DialogWindow* Window() const { return m_window; }
  virtual void DoDataExchange(CDataExchange* pDX) { (void)pDX; }
  // A dialog's routing table: true when an entry took the event.
  virtual bool OnRoute(Notification event, int id) {
    (void)event;
    (void)id;
    return false;
  }

  template <class D>
  struct Route {
    Notification event;
    int id;
    void (D::*handler)();
  };
  template <class D, std::size_t N>
  static bool Dispatch(D* self, const Route<D> (&table)[N], Notification event, int id) {
    for (const Route<D>& route : table) {
      if (route.event == event && route.id == id) {
        (self->*route.handler)();
        return true;
      }
    }
    return false;
  }

 private:
  Host& m_host;
  int m_templateId;
  DialogWindow* m_window = nullptr;
};

class CDataExchange {
 public:
  CDataExchange(DialogWindow& window, bool saveAndValidate)
      : m_window(window), m_bSaveAndValidate(saveAndValidate) {}
  DialogWindow& m_window;
  bool m_bSaveAndValidate;
};

void DDX_Text(CDataExchange* pDX, int id, std::string& value);
void DDX_Check(CDataExchange* pDX, int id, int& value);
