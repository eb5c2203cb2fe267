#pragma once

namespace varnel {

// Whether a graphical display answers: Wayland, or an X server that accepts a
// connection. Asked before Qt starts, since Qt aborts when it finds none.
bool HayPantalla();

}  // namespace varnel
