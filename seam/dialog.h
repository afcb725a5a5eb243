#pragma once

#include <cstddef>
#include <string>

#include "seam/dialog_window.h"
#include "seam/host.h"

class CDataExchange;

// Events a control sends to its dialog.
enum class Notification { Clicked, SetFocus };

// A dialog made from a template held in res/; the host makes its window.
class CDialog {
 public:
  CDialog(Host& host, int templateId) : m_host(host), m_templateId(templateId) {}
  virtual ~CDialog() = default;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  int TemplateId() const { return m_templateId; }

  int DoModal() { return m_host.RunModal(*this); }
  void EndDialog(int code);
  bool UpdateData(bool saveAndValidate = true);
  void SetTimer(unsigned id, int periodMs);
  void KillTimer(unsigned id);
  // A message box captioned with the application title.
  int AfxMessageBox(const std::string& text, MessageButtons buttons = MessageButtons::Ok) {
    return m_host.ShowMessageBox(text, buttons);
  }

  // Entry points of the host.
  void AttachWindow(DialogWindow* window) { m_window = window; }
  void DetachWindow() { m_window = nullptr; }
  virtual bool OnInitDialog();  // fills the controls; true gives the first tab stop the focus
  void OnCommand(int id);       // a click, or ids::kOk (Enter) and ids::kCancel (Esc, close box)
  void OnNotify(Notification event, int id) { OnRoute(event, id); }
  virtual void OnTimer(unsigned id) { (void)id; }
  virtual void OnSysCommand(unsigned id);

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
