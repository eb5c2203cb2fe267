#include "engine/formats/zip_archive.h"

#include <zlib.h>

#include <algorithm>

namespace varnel::zip {
namespace {

constexpr std::uint32_t kFirmaLocal = 0x04034b50;
constexpr std::uint32_t kFirmaCentral = 0x02014b50;
constexpr std::uint32_t kFirmaFinal = 0x06054b50;
constexpr std::uint32_t kFirmaLocalizador64 = 0x07064b50;
constexpr std::size_t kFinal = 22;         // end of central directory record, without its comment
constexpr std::size_t kCentral = 46;       // a central directory entry, without its name and extras
constexpr std::size_t kLocal = 30;         // a local header, without its name and extras
constexpr std::uint16_t kCifrado = 1;      // general purpose flag bit 0
constexpr std::uint16_t kFechaDos = 0x21;  // 1980-01-01

std::uint32_t Leer16(std::string_view b, std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[i]) | static_cast<unsigned char>(b[i + 1]) << 8);
}
std::uint32_t Leer32(std::string_view b, std::size_t i) { return Leer16(b, i) | Leer16(b, i + 2) << 16; }

void Poner16(std::string& s, std::uint32_t v) {
    s += static_cast<char>(v & 0xff);
    s += static_cast<char>((v >> 8) & 0xff);
}
void Poner32(std::string& s, std::uint32_t v) {
    Poner16(s, v & 0xffff);
    Poner16(s, v >> 16);
}

std::uint32_t Crc32(std::string_view d) {
    uLong crc = crc32(0, nullptr, 0);
    while (!d.empty()) {
        const auto n = static_cast<uInt>(std::min<std::size_t>(d.size(), 1u << 30));
        crc = crc32(crc, reinterpret_cast<const Bytef*>(d.data()), n);
        d.remove_prefix(n);
    }
    return static_cast<std::uint32_t>(crc);
}

// The end record is found from the end: the comment after it is at most 64 KB.
std::size_t BuscarFinal(std::string_view a) {
    if (a.size() < kFinal) throw ErrorZip("archivo zip incompleto");
    const std::size_t desde = a.size() - kFinal;
    const std::size_t hasta = desde > 0xffff ? desde - 0xffff : 0;
    for (std::size_t i = desde + 1; i-- > hasta;)
        if (Leer32(a, i) == kFirmaFinal) return i;
    throw ErrorZip("archivo zip incompleto (sin directorio central)");
}

std::string Inflar(std::string_view datos, const Miembro& m) {
    const std::uint64_t limite = std::min(kInfladoMaximo, kRazonMaxima * std::max<std::uint64_t>(m.comprimido, 1));
    if (m.tamano > limite) throw ErrorZip("«" + m.nombre + "» se descomprime a demasiados bytes");
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) throw std::bad_alloc();
    std::string salida;
    salida.resize(static_cast<std::size_t>(std::min<std::uint64_t>(m.tamano, limite)) + 1);
    std::size_t hecho = 0;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(datos.data()));
    z.avail_in = static_cast<uInt>(datos.size());
    int r = Z_OK;
    while (true) {
        if (hecho == salida.size()) {
            if (salida.size() > limite) break;  // one byte past the limit is enough to know
            salida.resize(static_cast<std::size_t>(std::min<std::uint64_t>(salida.size() * 2, limite + 1)));
        }
        z.next_out = reinterpret_cast<Bytef*>(salida.data() + hecho);
        z.avail_out = static_cast<uInt>(std::min<std::size_t>(salida.size() - hecho, 1u << 30));
        const uInt antes = z.avail_out;
        r = inflate(&z, Z_NO_FLUSH);
        hecho += antes - z.avail_out;
        // Out of input with room left, or broken data: the stream did not end.
        if (r == Z_STREAM_END || (r != Z_OK && (r != Z_BUF_ERROR || z.avail_out != 0))) break;
    }
    inflateEnd(&z);
    if (hecho > limite) throw ErrorZip("«" + m.nombre + "» se descomprime a demasiados bytes");
    if (r == Z_MEM_ERROR) throw std::bad_alloc();
    if (r != Z_STREAM_END) throw ErrorZip("«" + m.nombre + "» tiene datos comprimidos rotos");
    salida.resize(hecho);
    return salida;
}

}  // namespace

std::vector<Miembro> LeerDirectorio(std::string_view a) {
    const std::size_t fin = BuscarFinal(a);
    if (fin >= 20 && Leer32(a, fin - 20) == kFirmaLocalizador64) throw ErrorZip("archivo ZIP64, no admitido");
    const std::uint32_t entradas = Leer16(a, fin + 10);
    const std::uint32_t tamano = Leer32(a, fin + 12);
    const std::uint32_t inicio = Leer32(a, fin + 16);
    if (entradas == 0xffff || tamano == 0xffffffff || inicio == 0xffffffff)
        throw ErrorZip("archivo ZIP64, no admitido");
    if (Leer16(a, fin + 4) != 0 || Leer16(a, fin + 6) != 0 || Leer16(a, fin + 8) != entradas)
        throw ErrorZip("archivo zip de varios discos, no admitido");
    if (std::uint64_t{inicio} + tamano > fin) throw ErrorZip("archivo zip incompleto (directorio central)");

    std::vector<Miembro> miembros;
    std::size_t i = inicio;
    for (std::uint32_t n = 0; n < entradas; ++n) {
        if (i + kCentral > fin || Leer32(a, i) != kFirmaCentral)
            throw ErrorZip("archivo zip incompleto (directorio central)");
        const std::size_t largoNombre = Leer16(a, i + 28);
        const std::size_t siguiente = i + kCentral + largoNombre + Leer16(a, i + 30) + Leer16(a, i + 32);
        if (siguiente > fin) throw ErrorZip("archivo zip incompleto (directorio central)");
        Miembro m;
        m.nombre = a.substr(i + kCentral, largoNombre);
        m.metodo = static_cast<std::uint16_t>(Leer16(a, i + 10));
        m.crc = Leer32(a, i + 16);
        m.comprimido = Leer32(a, i + 20);
        m.tamano = Leer32(a, i + 24);
        m.cabeceraLocal = Leer32(a, i + 42);
        if (m.comprimido == 0xffffffff || m.tamano == 0xffffffff || m.cabeceraLocal == 0xffffffff)
            throw ErrorZip("archivo ZIP64, no admitido");
        if (Leer16(a, i + 8) & kCifrado) throw ErrorZip("«" + m.nombre + "» está cifrado, no admitido");
        miembros.push_back(std::move(m));
        i = siguiente;
    }
    return miembros;
}

std::string Extraer(std::string_view a, const Miembro& m) {
    const std::uint64_t h = m.cabeceraLocal;
    if (h + kLocal > a.size() || Leer32(a, static_cast<std::size_t>(h)) != kFirmaLocal)
        throw ErrorZip("archivo zip incompleto («" + m.nombre + "»)");
    const auto local = static_cast<std::size_t>(h);
    if (Leer16(a, local + 6) & kCifrado) throw ErrorZip("«" + m.nombre + "» está cifrado, no admitido");
    const std::uint64_t datos = h + kLocal + Leer16(a, local + 26) + Leer16(a, local + 28);
    if (datos + m.comprimido > a.size()) throw ErrorZip("archivo zip incompleto («" + m.nombre + "»)");
    const std::string_view comprimidos =
        a.substr(static_cast<std::size_t>(datos), static_cast<std::size_t>(m.comprimido));
    std::string contenido;
    if (m.metodo == 0)
        contenido = comprimidos;
    else if (m.metodo == 8)
        contenido = Inflar(comprimidos, m);
    else
        throw ErrorZip("«" + m.nombre + "» usa el método de compresión " + std::to_string(m.metodo) + ", no admitido");
    if (contenido.size() != m.tamano) throw ErrorZip("«" + m.nombre + "» no tiene el tamaño anunciado");
    if (Crc32(contenido) != m.crc) throw ErrorZip("«" + m.nombre + "» no pasa su CRC-32");
    return contenido;
}

std::string ArchivoDeUnMiembro(std::string_view nombre, std::string_view contenido) {
    z_stream z{};
    if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::bad_alloc();
    std::string comprimidos(deflateBound(&z, static_cast<uLong>(contenido.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(contenido.data()));
    z.avail_in = static_cast<uInt>(contenido.size());
    z.next_out = reinterpret_cast<Bytef*>(comprimidos.data());
    z.avail_out = static_cast<uInt>(comprimidos.size());
    const int r = deflate(&z, Z_FINISH);
    comprimidos.resize(z.total_out);
    deflateEnd(&z);
    if (r != Z_STREAM_END) throw std::bad_alloc();

    const std::uint32_t crc = Crc32(contenido);
    // The fields a local header and its central entry share, from the version needed on.
    auto comunes = [&](std::string& s) {
        Poner16(s, 20);  // version needed: deflate
        Poner16(s, 0);   // flags
        Poner16(s, 8);   // deflated
        Poner16(s, 0);   // time
        Poner16(s, kFechaDos);
        Poner32(s, crc);
        Poner32(s, static_cast<std::uint32_t>(comprimidos.size()));
        Poner32(s, static_cast<std::uint32_t>(contenido.size()));
        Poner16(s, static_cast<std::uint32_t>(nombre.size()));
        Poner16(s, 0);  // extra
    };
    std::string a;
    a.reserve(comprimidos.size() + 2 * nombre.size() + 128);
    Poner32(a, kFirmaLocal);
    comunes(a);
    a += nombre;
    a += comprimidos;
    const auto central = static_cast<std::uint32_t>(a.size());
    Poner32(a, kFirmaCentral);
    Poner16(a, 20);  // made by: MS-DOS, 2.0
    comunes(a);
    Poner16(a, 0);  // comment
    Poner16(a, 0);  // disk
    Poner16(a, 0);  // internal attributes
    Poner32(a, 0);  // external attributes
    Poner32(a, 0);  // local header offset
    a += nombre;
    const auto tamanoCentral = static_cast<std::uint32_t>(a.size()) - central;
    Poner32(a, kFirmaFinal);
    Poner16(a, 0);
    Poner16(a, 0);
    Poner16(a, 1);
    Poner16(a, 1);
    Poner32(a, tamanoCentral);
    Poner32(a, central);
    Poner16(a, 0);
    return a;
}

}  // namespace varnel::zip
