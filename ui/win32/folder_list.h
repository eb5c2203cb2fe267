#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/logic/folder_list_model.h"

// The folder list, drawn from its model (ui/logic): the drive's root, the
// folders down to the current folder (open folders), the current folder and
// its subfolders (closed folders), sorted as Explorer sorts them. A click or the arrow keys only move the
// highlight. It reports Enter, and the focus moving to another control of
// the window; the parent hands over a double click.
namespace varnel::win {

class ListaCarpetas {
public:
    ListaCarpetas() = default;
    ~ListaCarpetas();
    ListaCarpetas(const ListaCarpetas&) = delete;
    ListaCarpetas& operator=(const ListaCarpetas&) = delete;

    // Takes over a list box created owner-drawn with LBS_HASSTRINGS.
    void Adjuntar(HWND lista);
    void Colocar(UINT dpi);  // item height and pictures for the DPI

    // False, and nothing changes, when the folder cannot be read.
    bool PonerCarpeta(const std::wstring& ruta);
    // At start: even an unreadable working folder is shown, with no subfolders.
    void PonerCarpetaInicial(const std::wstring& ruta);
    const std::wstring& Carpeta() const { return modelo_.Carpeta().native(); }
    std::wstring Resaltada() const;
    // The current folder listed again, the highlight back on it.
    void ListarOtraVez();

    // The parent hands over the owner-drawn list's painting.
    void Dibujar(const DRAWITEMSTRUCT& d) const;

    std::function<void()> alCambiarCarpeta;
    std::function<void()> alActivar;     // Enter on the highlighted folder
    std::function<void()> alPerderFoco;  // to another control of the window

private:
    static const logica::SistemaCarpetas& Sistema();
    void Rellenar();
    static LRESULT CALLBACK Subclase(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR datos);

    HWND lista_ = nullptr;
    logica::ModeloCarpetas modelo_{Sistema()};
    HICON abierta_ = nullptr;
    HICON cerrada_ = nullptr;
    int ladoIcono_ = 16;
    int sangria_ = 8;
};

// A folder's full path, without a trailing separator except at a root.
std::wstring RutaCompleta(const std::wstring& ruta);
// Whether a folder's entries can be listed.
bool CarpetaLegible(const std::wstring& ruta);
// The visible subfolders' names, in Explorer's order ("2" before "10").
std::vector<std::wstring> Subcarpetas(const std::wstring& ruta);

}  // namespace varnel::win
