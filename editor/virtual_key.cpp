#include "editor/virtual_key.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace penwick {

namespace {

// The top-row digit of a hardware key code, or -1. Synthetic events carry no code (0).
int DigitFromScanCode(quint32 scanCode) {
  if (scanCode == 0) return -1;
  const QString platform = QGuiApplication::platformName();
  // X11 and Wayland key codes: 10..18 are the keys 1..9, 19 is 0.
  if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))) {
    if (scanCode >= 10 && scanCode <= 19) return static_cast<int>((scanCode - 9) % 10);
    return -1;
  }
  // PC scan codes: 2..10 are the keys 1..9, 11 is 0.
  if (platform == QLatin1String("windows")) {
    if (scanCode >= 2 && scanCode <= 11) return static_cast<int>((scanCode - 1) % 10);
  }
  return -1;
}

// What Shift makes of the keys on a US keyboard, back to the key itself.
int UnshiftedUsKey(int key) {
  switch (key) {
    case Qt::Key_Exclam:
      return Qt::Key_1;
    case Qt::Key_At:
      return Qt::Key_2;
    case Qt::Key_NumberSign:
      return Qt::Key_3;
    case Qt::Key_Dollar:
      return Qt::Key_4;
    case Qt::Key_Percent:
      return Qt::Key_5;
    case Qt::Key_AsciiCircum:
      return Qt::Key_6;
    case Qt::Key_Ampersand:
      return Qt::Key_7;
    case Qt::Key_Asterisk:
      return Qt::Key_8;
    case Qt::Key_ParenLeft:
      return Qt::Key_9;
    case Qt::Key_ParenRight:
      return Qt::Key_0;
    case Qt::Key_BraceLeft:
      return Qt::Key_BracketLeft;
    case Qt::Key_BraceRight:
      return Qt::Key_BracketRight;
    case Qt::Key_QuoteDbl:
      return Qt::Key_Apostrophe;
    case Qt::Key_Underscore:
      return Qt::Key_Minus;
    default:
      return key;
  }
}

}  // namespace

int VirtualKey(const QKeyEvent& event) {
  const int key = event.key();
  if (event.modifiers() & Qt::KeypadModifier) return key;
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;
  // With Ctrl or Shift held the layout may give another symbol for a digit key; the hardware code says
  // which key it was.
  if (event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier)) {
    const int digit = DigitFromScanCode(event.nativeScanCode());
    if (digit >= 0) return Qt::Key_0 + digit;
  }
  return (event.modifiers() & Qt::ShiftModifier) ? UnshiftedUsKey(key) : key;
}

int TopRowDigit(int virtualKey, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::KeypadModifier) return -1;
  if (virtualKey >= Qt::Key_0 && virtualKey <= Qt::Key_9) return virtualKey - Qt::Key_0;
  return -1;
}

int NumpadDigit(int virtualKey, Qt::KeyboardModifiers modifiers) {
  if (!(modifiers & Qt::KeypadModifier)) return -1;
  if (virtualKey >= Qt::Key_1 && virtualKey <= Qt::Key_9) return virtualKey - Qt::Key_0;
  return -1;
}

}  // namespace penwick
