#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "ui/logic/control_name.h"

// What the windows' rules ask of a toolkit. Controls and windows go by their
// names in the window description ("txtPorta", "frmAyuda"), a control's checked
// when it is compiled (NombreControl); texts are UTF-8,
// and a box's lines are separated by CR LF whatever its control holds.
namespace varnel::logica {

// The platform's save dialog for one kind of file: it opens in `carpeta`
// proposing `nombre`, shows only that kind, and asks before it replaces a file.
struct DialogoGuardado {
    std::string titulo;     // "Guardar como GPX"
    std::string tipo;       // "Ficheros GPX"
    std::string extension;  // "gpx", added when the user types a name without it
    std::filesystem::path carpeta;
    std::string nombre;  // "Sitna.gpx"
};

class Controles {
public:
    virtual ~Controles() = default;

    // Texts and marks.
    virtual std::string Texto(NombreControl control) const = 0;
    virtual void PonerTexto(NombreControl control, const std::string& texto) = 0;
    // At once: a conversion run keeps the window busy until it ends.
    virtual void Repintar(NombreControl control) = 0;
    virtual bool Marcado(NombreControl control) const = 0;
    virtual void Marcar(NombreControl control, bool marcado) = 0;
    // Whether the control shows its whole text (a one-line box may be narrower).
    virtual bool CabeEntero(NombreControl control) const = 0;
    virtual void PonerAyuda(NombreControl control, const std::string& ayuda) = 0;

    // Caret, selection and focus, in the control's own characters.
    virtual int InicioSeleccion(NombreControl control) const = 0;
    // Selects `largo` characters from `inicio`, both limited to the text, and
    // brings the caret into view.
    virtual void Seleccionar(NombreControl control, int inicio, int largo) = 0;
    virtual void PonerFoco(NombreControl control) = 0;
    virtual void PonerParadaTab(NombreControl control, bool parada) = 0;

    // The system clipboard, plain text; nothing when another program keeps it busy.
    virtual std::optional<std::string> LeerPortapapeles() = 0;  // "" when it holds no text
    // Empties the clipboard and puts the text on it ("": left empty). False when busy.
    virtual bool PonerPortapapeles(const std::string& texto) = 0;

    virtual void Pitido() = 0;
    // Modal, OK button only, no icon, the program's title as caption.
    virtual void MensajeModal(const std::string& texto) = 0;
    // The desktop's handler for a "mailto:" address or a web page; its outcome is not looked at.
    virtual void AbrirDireccion(const std::string& direccion) = 0;

    // The path the user chose in the save dialog; nothing when cancelled.
    virtual std::optional<std::filesystem::path> PedirRutaGuardado(const DialogoGuardado& dialogo) = 0;

    // The folder list and the drive list.
    virtual std::filesystem::path CarpetaActual() const = 0;
    virtual std::filesystem::path CarpetaResaltada() const = 0;
    // False, with nothing changed, when the folder cannot be listed.
    virtual bool PonerCarpetaActual(const std::filesystem::path& carpeta) = 0;
    // The current folder listed again, the highlight back on it.
    virtual void ListarCarpetaOtraVez() = 0;
    // The drive list shows the drive that holds the folder, reporting no choice.
    virtual void MostrarUnidadDe(const std::filesystem::path& carpeta) = 0;

    // Windows.
    virtual void CrearVentana(std::string_view ventana) = 0;  // hidden; once
    // Shows the window modally, the focus on `foco`; returns once it is hidden or closed.
    virtual void MostrarModal(std::string_view ventana, NombreControl foco) = 0;
    virtual void Ocultar(std::string_view ventana) = 0;
    // Ends the program at once, every window included.
    virtual void TerminarPrograma() = 0;
};

}  // namespace varnel::logica
