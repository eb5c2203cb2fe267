#include "engine/formats/mapsource_export.h"

#include <string>

#include "engine/core/blanks.h"
#include "engine/geodesy/datum.h"
#include "engine/geodesy/zone30_projection.h"
#include "engine/text/quoting.h"

namespace varnel::exportacion_mapsource {
namespace {

constexpr std::string_view kMarcaTrackpoint = "Trackpoint";

bool EsCifra(char c) { return c >= '0' && c <= '9'; }

// The value of a "Key\tvalue" header line, when the line is that header.
bool ValorDeCabecera(std::string_view linea, std::string_view clave, std::string_view& valor) {
    if (linea.size() <= clave.size() || !linea.starts_with(clave) || linea[clave.size()] != '\t') return false;
    valor = SinBlancos(linea.substr(clave.size() + 1));
    return true;
}

// Field `n` (0-based) of the tab-separated fields that follow a line's first tab.
bool CampoTrasTab(std::string_view linea, std::size_t n, std::string_view& campo) {
    std::size_t inicio = linea.find('\t');
    if (inicio == std::string_view::npos) return false;
    ++inicio;
    for (std::size_t i = 0; i < n; ++i) {
        inicio = linea.find('\t', inicio);
        if (inicio == std::string_view::npos) return false;
        ++inicio;
    }
    const std::size_t fin = linea.find('\t', inicio);
    campo = linea.substr(inicio, fin == std::string_view::npos ? fin : fin - inicio);
    return true;
}

// Up to `max` blank-separated words; returns how many there are (max + 1 when more).
std::size_t Palabras(std::string_view s, std::string_view* palabras, std::size_t max) {
    std::size_t n = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && s[i] == ' ') ++i;
        const std::size_t inicio = i;
        while (i < s.size() && s[i] != ' ') ++i;
        if (i == inicio) break;
        if (n == max) return max + 1;
        palabras[n++] = s.substr(inicio, i - inicio);
    }
    return n;
}

bool SoloCifras(std::string_view t) {
    if (t.empty()) return false;
    for (char c : t)
        if (!EsCifra(c)) return false;
    return true;
}

// A plain decimal stays text exactly as written ("012345", "555805.500",
// "-682353.50"); any other way of writing a number ("6.1e5", "+612345")
// becomes that number, so the box never shows an exponent or a plus sign.
bool DecimalLlano(std::string_view t) {
    if (t.starts_with('-')) t.remove_prefix(1);
    const std::size_t punto = t.find('.');
    if (punto == std::string_view::npos) return SoloCifras(t);
    return SoloCifras(t.substr(0, punto)) && SoloCifras(t.substr(punto + 1));
}

void PonerCoordenada(std::string_view texto, double numero, Valor& v) {
    if (DecimalLlano(texto))
        v.PonerTexto(texto);
    else
        v = Valor::Numero(numero);
}

// One coordinate of a geographic position: a hemisphere letter, then degrees
// and, by the grid, minutes and seconds, each a separate word ("N42 48.123").
bool LeerCoordenada(const std::string_view* w, std::size_t n, std::size_t& i, std::string_view letras, int partes,
                    double limite, double& grados) {
    if (i >= n || w[i].empty()) return false;
    double signo;
    if (w[i][0] == letras[0])
        signo = 1;
    else if (w[i][0] == letras[1])
        signo = -1;
    else
        return false;
    std::string_view primera = w[i].substr(1);
    if (primera.empty() && ++i >= n) return false;
    if (primera.empty()) primera = w[i];
    double valor = 0;
    double escala = 1;
    for (int p = 0; p < partes; ++p) {
        const std::string_view texto = p == 0 ? primera : (++i < n ? w[i] : std::string_view{});
        if (texto.empty() || !(EsCifra(texto[0]) || texto[0] == '.')) return false;
        const auto numero = LeerNumero(texto);
        if (!numero || (p > 0 && *numero >= 60)) return false;
        valor += *numero / escala;
        escala *= 60;
    }
    ++i;
    if (valor > limite) return false;
    grados = signo * valor;
    return true;
}

}  // namespace

std::unique_ptr<LectorFormato> CrearLector() { return std::make_unique<LectorMapsource>(); }

Lectura LectorMapsource::Interpretar(std::string_view linea, PuntoFichero& p) {
    std::string_view valor;
    if (linea.starts_with(kMarcaTrackpoint)) {
        std::string_view campo;
        if (!CampoTrasTab(linea, columnaPosicion_, campo)) return Lectura::NoEsPunto;
        return cuadricula_ == Cuadricula::Utm ? LeerPosicionUtm(campo, p) : LeerPosicionGeografica(campo, p);
    }
    if (ValorDeCabecera(linea, "Grid", valor)) return LeerCuadricula(valor);
    if (ValorDeCabecera(linea, "Datum", valor)) return LeerDatum(valor);
    if (ValorDeCabecera(linea, "Header", valor)) LeerCabeceraColumnas(linea.substr(linea.find('\t') + 1));
    return Lectura::LineaIgnorada;
}

Lectura LectorMapsource::LeerCuadricula(std::string_view valor) {
    // The degree sign is one byte in Windows-1252 files; a UTF-8 one read as
    // Windows-1252 arrives as "Â°".
    std::string nombre(valor);
    for (std::size_t p; (p = nombre.find("Â°")) != std::string::npos;) nombre.replace(p, 4, "°");
    if (nombre == "UTM")
        cuadricula_ = Cuadricula::Utm;
    else if (nombre == "Lat/Lon hddd.ddddd°")
        cuadricula_ = Cuadricula::Grados;
    else if (nombre == "Lat/Lon hddd°mm.mmm'")
        cuadricula_ = Cuadricula::GradosMinutos;
    else if (nombre == "Lat/Lon hddd°mm'ss.s\"")
        cuadricula_ = Cuadricula::GradosMinutosSegundos;
    else
        return Rechazar("cuadrícula no admitida " + Citar(nombre));
    return Lectura::LineaIgnorada;
}

Lectura LectorMapsource::LeerDatum(std::string_view valor) {
    const auto datum = DatumDeFichero(valor);
    if (!datum) return Rechazar("datum no admitido " + Citar(valor));
    PonerDatum(*datum);
    return Lectura::LineaIgnorada;
}

void LectorMapsource::LeerCabeceraColumnas(std::string_view columnas) {
    columnaPosicion_ = 0;
    for (std::size_t n = 0, inicio = 0; inicio <= columnas.size(); ++n) {
        const std::size_t fin = std::min(columnas.find('\t', inicio), columnas.size());
        if (SinBlancos(columnas.substr(inicio, fin - inicio)) == "Position") {
            columnaPosicion_ = n;
            return;
        }
        inicio = fin + 1;
    }
}

Lectura LectorMapsource::LeerPosicionUtm(std::string_view campo, PuntoFichero& pt) {
    // "30 T 612345 4745678" or "30T 612345 4745678".
    std::string_view p[4];
    const std::size_t n = Palabras(SinBlancos(campo), p, 4);
    if (n != 3 && n != 4) return Lectura::NoEsPunto;
    const std::string_view zonaTexto =
        n == 4 ? campo.substr(static_cast<std::size_t>(p[0].data() - campo.data()),
                              static_cast<std::size_t>(p[1].data() + p[1].size() - p[0].data()))
               : p[0];
    const auto zona = LeerZonaUtm(zonaTexto);
    const auto este = LeerNumero(p[n - 2]);
    const auto norte = LeerNumero(p[n - 1]);
    // The band letter is what tells a UTM zone from a bare number here.
    if (!zona || !este || !norte || EsCifra(zonaTexto.back())) return Lectura::NoEsPunto;
    PonerCoordenada(p[n - 2], *este, pt.x);
    PonerCoordenada(p[n - 1], *norte, pt.y);
    pt.huso = zona->huso;
    pt.sur = zona->sur;
    return Lectura::Punto;
}

Lectura LectorMapsource::LeerPosicionGeografica(std::string_view campo, PuntoFichero& p) {
    const int partes = cuadricula_ == Cuadricula::Grados ? 1 : cuadricula_ == Cuadricula::GradosMinutos ? 2 : 3;
    std::string_view w[8];
    const std::size_t n = Palabras(SinBlancos(campo), w, 8);
    std::size_t i = 0;
    PosicionGeografica g{};
    if (n > 8 || !LeerCoordenada(w, n, i, "NS", partes, 90, g.latitud) ||
        !LeerCoordenada(w, n, i, "EW", partes, 180, g.longitud) || i != n)
        return Lectura::NoEsPunto;
    p.forma = PuntoFichero::Forma::Geograficas;
    p.geo = g;
    return Lectura::Punto;
}

}  // namespace varnel::exportacion_mapsource
