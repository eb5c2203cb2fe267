#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The program keeps its texts in UTF-8; Windows wants UTF-16.
namespace varnel::win {

std::wstring Ancho(std::string_view utf8);
std::string Utf8(std::wstring_view texto);

// A window's whole text.
std::wstring TextoDe(HWND ventana);

// Every line break as CR LF, the way edit controls and the SITNA list hold
// them: a lone LF or a lone CR becomes CR LF.
std::wstring ConCrLf(std::wstring_view texto);

}  // namespace varnel::win
