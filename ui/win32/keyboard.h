#pragma once

#include <windows.h>

// The keyboard of the program's windows: Tab, Shift+Tab, the arrow keys in
// the option group and Alt with an access key through the dialog manager;
// Enter (keypad Enter too) clicks the focused button, as Space does. A
// letter without Alt clicks nothing. Ctrl+D in the main window opens the
// drawing of the list.
namespace varnel::win {

// True when the message was a key for one of our windows and has been
// handled; otherwise it is the caller's to translate and dispatch.
bool ProcesarTeclado(MSG& m);

// The message loop until WM_QUIT, or until seguir() turns false (a modal
// window's own loop). A WM_QUIT seen by a nested loop is posted again.
int BucleMensajes(bool (*seguir)(void*) = nullptr, void* datos = nullptr);

}  // namespace varnel::win
