#include "ui/dialog.h"

#include "ui/host.h"

int CDialog::DoModal() { return CurrentHost().RunModal(*this); }

void CDialog::EndDialog(int code) {
  if (m_window) m_window->EndDialog(code);
}

bool CDialog::UpdateData(bool saveAndValidate) {
  if (!m_window) return false;
  CDataExchange dx(m_window, saveAndValidate);
  DoDataExchange(&dx);
  return true;
}

void CDialog::SetTimer(unsigned id, int periodMs) {
  if (m_window) m_window->SetTimer(id, periodMs);
}

void CDialog::KillTimer(unsigned id) {
  if (m_window) m_window->KillTimer(id);
}

void CDialog::Default() {
  if (m_window) m_window->DefaultProcessing();
}

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::OnCommand(int id) {
  if (OnRoute(Notification::Clicked, id)) return;
  if (id == IDOK) {
    OnOK();
  } else if (id == IDCANCEL) {
    OnCancel();
  }
}

void CDialog::OnNotify(Notification event, int id) { OnRoute(event, id); }

void CDialog::OnSysCommand(unsigned id, long lParam) {
  (void)lParam;
  if ((id & 0xFFF0) == SC_CLOSE) OnCommand(IDCANCEL);
}

void CDialog::OnOK() {
  UpdateData(true);
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
  if (pDX->m_bSaveAndValidate) {
    value = pDX->m_pWindow->ItemText(id);
  } else {
    pDX->m_pWindow->SetItemText(id, value);
  }
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
  if (pDX->m_bSaveAndValidate) {
    value = pDX->m_pWindow->ItemCheck(id);
  } else {
    pDX->m_pWindow->SetItemCheck(id, value);
  }
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
  if (!control.IsAttached()) control.Attach(pDX->m_pWindow, id);
}

int AfxMessageBox(const std::string& text, unsigned type) {
  return CurrentHost().MessageBox(text, type);
}
