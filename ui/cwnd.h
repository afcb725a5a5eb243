#pragma once

#include "ui/dialog_window.h"

class CFont;

// A handle on one control of a dialog's window. Calls on a handle that names no window
// do nothing.
class CWnd {
 public:
  CWnd() = default;
  CWnd(DialogWindow* window, int id) : m_window(window), m_id(id) {}

  bool IsAttached() const { return m_window != nullptr; }
  void Attach(DialogWindow* window, int id) {
    m_window = window;
    m_id = id;
  }
  void EnableWindow(bool enable);
  void ShowWindow(int command);
  void SetFont(const CFont* font);

 private:
  DialogWindow* m_window = nullptr;
  int m_id = 0;
};

using CStatic = CWnd;

// A font made once by CreateFontA and handed to controls; an empty one gives the
// system font.
class CFont {
 public:
  bool CreateFontA(int height, int width, int escapement, int orientation, int weight, bool italic,
                   bool underline, bool strikeOut, int charset, int outPrecision, int clipPrecision,
                   int quality, int pitchAndFamily, const char* face);
  const FontSpec* Spec() const { return m_created ? &m_spec : nullptr; }

 private:
  FontSpec m_spec;
  bool m_created = false;
};
