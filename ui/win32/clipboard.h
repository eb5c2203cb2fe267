#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The system clipboard, plain text. Another program may hold it open for a
// moment (Wine's bridge to the X clipboard after any copy there, clipboard
// managers, remote desktops): opening it is tried again for up to 250 ms
// before giving up.
namespace varnel::win {

// The clipboard's text ("" when it holds none), or nothing when it stays busy.
std::optional<std::wstring> LeerPortapapeles(HWND propietaria);
// Empties the clipboard and puts the text on it ("": left empty); false when it stays busy.
bool PonerPortapapeles(HWND propietaria, const std::wstring& texto);

}  // namespace varnel::win
