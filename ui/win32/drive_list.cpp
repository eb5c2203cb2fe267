#include "ui/win32/drive_list.h"

#include <algorithm>
#include <cwctype>
#include <filesystem>

namespace varnel::win {
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
    std::vector<std::filesystem::path> raices;
    for (std::wstring& raiz : fuente_()) raices.emplace_back(std::move(raiz));
    Mostrar(logica::ElegirUnidad(std::move(raices), carpeta_));
}

void ListaUnidades::MostrarUnidadDe(const std::wstring& carpeta) {
    carpeta_ = carpeta;
    Mostrar(logica::ElegirUnidad(std::vector<std::filesystem::path>(raices_.begin(), raices_.end()), carpeta_));
}

void ListaUnidades::Mostrar(const logica::UnidadesMostradas& unidades) {
    std::vector<std::wstring> raices;
    for (const std::filesystem::path& raiz : unidades.raices) raices.push_back(raiz.native());
    if (raices != raices_ || SendMessageW(combo_, CB_GETCOUNT, 0, 0) != static_cast<LRESULT>(raices.size())) {
        raices_ = std::move(raices);
        SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
        for (const std::wstring& raiz : raices_) {
            // "C:" as Windows users know drives.
            const std::wstring texto = raiz.substr(0, 2);
            SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texto.c_str()));
        }
    }
    const bool hay = unidades.elegida < raices_.size();
    mostrada_ = hay ? raices_[unidades.elegida] : std::wstring();
    SendMessageW(combo_, CB_SETCURSEL, hay ? unidades.elegida : static_cast<WPARAM>(-1), 0);
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
