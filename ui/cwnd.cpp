#include "ui/cwnd.h"

void CWnd::EnableWindow(bool enable) {
  if (m_window) m_window->EnableItem(m_id, enable);
}

void CWnd::ShowWindow(int command) {
  if (m_window) m_window->ShowItem(m_id, command != SW_HIDE);
}

void CWnd::SetFont(const CFont* font) {
  if (m_window) m_window->SetItemFont(m_id, font ? font->Spec() : nullptr);
}

bool CFont::CreateFontA(int height, int width, int escapement, int orientation, int weight,
                        bool italic, bool underline, bool strikeOut, int charset, int outPrecision,
                        int clipPrecision, int quality, int pitchAndFamily, const char* face) {
  // Width, angles, decorations and precisions are the platform's defaults everywhere the
  // program makes a font, so only what changes the look is kept.
  (void)width, (void)escapement, (void)orientation, (void)underline, (void)strikeOut;
  (void)outPrecision, (void)clipPrecision, (void)quality;
  m_spec.height = height;
  m_spec.weight = weight;
  m_spec.italic = italic;
  m_spec.charset = charset;
  m_spec.pitchAndFamily = pitchAndFamily;
  m_spec.face = face ? face : "";
  m_created = true;
  return true;
}
