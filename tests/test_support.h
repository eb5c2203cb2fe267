#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace varnel::prueba {

// Creates a folder of a new name under the system's temporary folder.
std::filesystem::path CrearCarpetaUnica(const std::string& prefijo);

// A fresh folder under the system's temporary folder, removed at the end.
class CarpetaTemporal {
public:
    CarpetaTemporal();
    ~CarpetaTemporal();
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;
    const std::filesystem::path& Ruta() const { return ruta_; }
    std::filesystem::path operator/(const std::filesystem::path& nombre) const { return ruta_ / nombre; }

private:
    std::filesystem::path ruta_;
};

// A temporary folder for a death test: its child runs the test again from its
// start, and takes the parent's folder (through the environment) instead of
// making one of its own that nobody would remove.
class CarpetaTemporalCompartida {
public:
    CarpetaTemporalCompartida();
    ~CarpetaTemporalCompartida();
    CarpetaTemporalCompartida(const CarpetaTemporalCompartida&) = delete;
    CarpetaTemporalCompartida& operator=(const CarpetaTemporalCompartida&) = delete;
    const std::filesystem::path& Ruta() const { return ruta_; }
    std::filesystem::path operator/(const std::filesystem::path& nombre) const { return ruta_ / nombre; }

private:
    std::filesystem::path ruta_;
    bool propia_ = false;
};

// Points XDG_RUNTIME_DIR at a private temporary folder when it is not set:
// Qt would otherwise make /tmp/runtime-<user> and leave it there. The folder
// goes with the returned object.
std::unique_ptr<CarpetaTemporal> CarpetaDeEjecucionPropia();

// A path from UTF-8 text, and back: narrow strings are not UTF-8 on Windows.
std::filesystem::path RutaUtf8(const std::string& utf8);
std::string Utf8(const std::filesystem::path& ruta);

std::string LeerBytes(const std::filesystem::path& ruta);
void EscribirBytes(const std::filesystem::path& ruta, const std::string& bytes);
// A file of the committed test data (tests/data).
std::string DatoDePrueba(const std::string& nombre);
std::filesystem::path RutaDatoDePrueba(const std::string& nombre);

// Hostile files that not every system has: each returns false where this one
// has no such thing (or the test cannot make it), so the test can skip.
bool CrearTuberia(const std::filesystem::path& ruta);
bool CrearEnlaceADiscoLleno(const std::filesystem::path& enlace);
bool CrearEnlaceSimbolico(const std::filesystem::path& destino, const std::filesystem::path& enlace);

// n SITNA points 600000+i, 4700000+i as list lines with `fin` after each.
std::string ListaSitna(int n, const std::string& fin = "\r\n");

}  // namespace varnel::prueba
