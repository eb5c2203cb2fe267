#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::zip {

// Why an archive cannot be read; the reader names the file around it.
class ErrorZip : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// No member is inflated past this, nor past this many times its stored size:
// a few hundred bytes must not fill the memory.
inline constexpr std::uint64_t kInfladoMaximo = 256ull << 20;
inline constexpr std::uint64_t kRazonMaxima = 1000;

// One member as the central directory lists it.
struct Miembro {
    std::string nombre;
    std::uint16_t metodo = 0;  // 0 stored, 8 deflated
    std::uint32_t crc = 0;
    std::uint64_t comprimido = 0;
    std::uint64_t tamano = 0;
    std::uint64_t cabeceraLocal = 0;  // offset of its local header
};

// The members of a whole archive held in memory, in directory order. A
// truncated archive, ZIP64, several disks or an encrypted member is refused.
std::vector<Miembro> LeerDirectorio(std::string_view archivo);

// A member's bytes, stored or inflated, with its size and CRC-32 checked.
std::string Extraer(std::string_view archivo, const Miembro& m);

// An archive of one deflated member, dated 1980-01-01 so the same content
// gives the same bytes.
std::string ArchivoDeUnMiembro(std::string_view nombre, std::string_view contenido);

}  // namespace varnel::zip
