#include "ui/win32/drive_list.h"

#include <algorithm>
#include <cwctype>

namespace varnel::win {
namespace {

std::wstring RaizDe(const std::wstring& carpeta) {
    if (carpeta.size() >= 2 && carpeta[1] == L':')
        return {static_cast<wchar_t>(std::towupper(carpeta[0])), L':', L'\\'};
    return {};
}

}  // namespace

std::vector<std::wstring> UnidadesDelSistema() {
    std::vector<std::wstring> raices;
    wchar_t buffer[27 * 4 + 1] = {};
    const DWORD n = GetLogicalDriveStringsW(static_cast<DWORD>(std::size(buffer) - 1), buffer);
    for (const wchar_t* p = buffer; n && p < buffer + n && *p; p += wcslen(p) + 1) {
        std::wstring raiz(p);
        if (!raiz.empty()) raiz[0] = static_cast<wchar_t>(std::towupper(raiz[0]));
        raices.push_back(raiz);
    }
    return raices;
}

void ListaUnidades::Adjuntar(HWND combo) {
    combo_ = combo;
    if (!fuente_) fuente_ = UnidadesDelSistema;
    Rellenar();
}

void ListaUnidades::PonerFuente(std::function<std::vector<std::wstring>()> fuente) {
    fuente_ = std::move(fuente);
    Rellenar();
}

void ListaUnidades::Rellenar() {
    raices_ = fuente_();
    if (!mostrada_.empty() && std::find(raices_.begin(), raices_.end(), mostrada_) == raices_.end())
        raices_.push_back(mostrada_);  // the folder shown is on it, whatever the system says now
    SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
    int elegida = -1;
    for (std::size_t i = 0; i < raices_.size(); ++i) {
        // "C:" as Windows users know drives.
        const std::wstring texto = raices_[i].substr(0, 2);
        SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texto.c_str()));
        if (raices_[i] == mostrada_) elegida = static_cast<int>(i);
    }
    SendMessageW(combo_, CB_SETCURSEL, elegida, 0);
}

void ListaUnidades::MostrarUnidadDe(const std::wstring& carpeta) {
    mostrada_ = RaizDe(carpeta);
    int elegida = -1;
    for (std::size_t i = 0; i < raices_.size(); ++i)
        if (raices_[i] == mostrada_) elegida = static_cast<int>(i);
    if (elegida < 0 && !mostrada_.empty()) {
        Rellenar();
        return;
    }
    SendMessageW(combo_, CB_SETCURSEL, elegida, 0);
}

std::wstring ListaUnidades::Unidad() const {
    const LRESULT i = SendMessageW(combo_, CB_GETCURSEL, 0, 0);
    return i >= 0 && static_cast<std::size_t>(i) < raices_.size() ? raices_[static_cast<std::size_t>(i)]
                                                                  : std::wstring();
}

void ListaUnidades::Notificacion(WORD codigo) {
    switch (codigo) {
    case CBN_DROPDOWN: Rellenar(); break;
    // With the list open, moving through it is no choice yet; closing it is.
    case CBN_SELCHANGE:
        if (!SendMessageW(combo_, CB_GETDROPPEDSTATE, 0, 0)) Elegida();
        break;
    case CBN_CLOSEUP: Elegida(); break;
    default: break;
    }
}

void ListaUnidades::Elegida() {
    const std::wstring raiz = Unidad();
    if (raiz.empty() || raiz == mostrada_) return;
    if (alElegirUnidad) alElegirUnidad(raiz);
}

}  // namespace varnel::win
