#pragma once

#include <cstddef>
#include <string>

#include "ui/cwnd.h"
#include "ui/dialog_window.h"
#include "ui/win_types.h"

class CDataExchange;

// A dialog made from a template held in res/; the host makes its window.
class CDialog {
 public:
  explicit CDialog(int templateId) : m_templateId(templateId) {}
  virtual ~CDialog() = default;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  int TemplateId() const { return m_templateId; }

  int DoModal();
  void EndDialog(int code);
  bool UpdateData(bool saveAndValidate = true);
  CWnd GetDlgItem(int id) { return CWnd(m_window, id); }
  void SetTimer(unsigned id, int periodMs);
  void KillTimer(unsigned id);
  void Default();

  // Entry points of the host.
  void AttachWindow(DialogWindow* window) { m_window = window; }
  void DetachWindow() { m_window = nullptr; }
  DialogWindow* Window() const { return m_window; }
  virtual bool OnInitDialog();  // fills the controls; true gives the first tab stop the focus
  void OnCommand(int id);       // a click, or IDOK (Enter) and IDCANCEL (Esc, close box)
  void OnNotify(Notification event, int id);
  virtual void OnTimer(unsigned id) { (void)id; }
  virtual void OnSysCommand(unsigned id, long lParam);
  virtual void OnPaint() {}
  virtual HICON OnQueryDragIcon() { return 0; }

  virtual void OnOK();
  virtual void OnCancel();

 protected:
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
  int m_templateId;
  DialogWindow* m_window = nullptr;
};

class CDataExchange {
 public:
  CDataExchange(DialogWindow* window, bool saveAndValidate)
      : m_pWindow(window), m_bSaveAndValidate(saveAndValidate) {}
  DialogWindow* m_pWindow;
  bool m_bSaveAndValidate;
};

void DDX_Text(CDataExchange* pDX, int id, std::string& value);
void DDX_Check(CDataExchange* pDX, int id, int& value);
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

// A message box on the current host, captioned with the application title.
int AfxMessageBox(const std::string& text, unsigned type = MB_OK);
