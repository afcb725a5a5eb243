// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "seam/dialog.h"

#include <algorithm>

#include "seam/ids.h"

void CDialog::EndDialog(int code) {
  if (m_window) m_window->EndDialog(code);
}

bool CDialog::UpdateData(bool saveAndValidate) {
  if (!m_window) return false;
  CDataExchange dx(*m_window, saveAndValidate);
  DoDataExchange(&dx);
  return true;
}

void CDialog::SetTimer(unsigned id, int periodMs) {
  if (m_window) m_window->SetTimer(id, std::max(periodMs, kMinimumTimerPeriodMs));
}

void CDialog::KillTimer(unsigned id) {
  if (m_window) m_window->KillTimer(id);
}

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::OnCommand(int id) {
  if (OnRoute(Notification::Clicked, id)) return;
  if (id == ids::kOk) {
    OnOK();
  } else if (id == ids::kCancel) {
    OnCancel();
  }
}

void CDialog::OnSysCommand(unsigned id) {
  if ((id & 0xFFF0) == ids::kCloseCommand) OnCommand(ids::kCancel);
}

void CDialog::OnOK() {
  UpdateData(true);
  EndDialog(ids::kOk);
}

void CDialog::OnCancel() { EndDialog(ids::kCancel); }

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
  if (pDX->m_bSaveAndValidate) {
    value = pDX->m_window.ItemText(id);
  } else {
    pDX->m_window.SetItemText(id, value);
  }
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
  if (pDX->m_bSaveAndValidate) {
    value = pDX->m_window.ItemCheck(id);
  } else {
    pDX->m_window.SetItemCheck(id, value);
  }
}
