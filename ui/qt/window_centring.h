#pragma once

#include <QMargins>
#include <functional>

class QWidget;

namespace varnel {

// What the window manager's frame adds around a window's client area (none
// before the window is shown, or without a window manager).
QMargins MargenesMarco(const QWidget* ventana);

// A window manager tells a frame's size only after the window is mapped:
// calls `centrar` again once it is known, unless the user moved the window.
void CentrarOtraVezConMarco(QWidget* ventana, std::function<void()> centrar);

}  // namespace varnel
