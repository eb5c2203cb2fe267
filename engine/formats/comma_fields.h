#pragma once

#include <cstddef>
#include <string_view>

#include "engine/core/value.h"
#include "engine/formats/line_reading.h"

namespace varnel {

// One comma field of a line, as it stands: blanks around it and the quotes
// of a quoted field already removed.
struct CampoCrudo {
    std::string_view texto;
    bool entreComillas = false;
};

// Walks the comma fields of one line: blanks around a field are skipped, a
// double-quoted field may hold commas, and an empty line is one empty field.
class RecorridoCampos {
public:
    explicit RecorridoCampos(std::string_view linea) : linea_(linea) {}
    // The next field; false after the last one.
    bool Siguiente(CampoCrudo& campo);

private:
    std::string_view linea_;
    std::size_t pos_ = 0;
    bool terminado_ = false;
};

// A field as a value: quoted fields are text; an unquoted field that reads as
// a number is that number.
Valor ValorDeCampo(const CampoCrudo& campo);

// True when the line holds nothing but blanks.
bool LineaEnBlanco(std::string_view linea);

// Which comma fields of a record hold the point (0-based), and how many
// fields a record needs at least.
struct FormaRegistro {
    std::size_t camposMinimos;
    std::size_t campoX;
    std::size_t campoY;
    std::size_t campoZona = static_cast<std::size_t>(-1);  // a UTM zone, when the record has one
};

// A record of comma fields: blank lines carry no point; a line with too few
// fields, or whose easting or northing is not a number, is not a point.
// Fields after the ones the record needs are ignored. `zona`, when given,
// receives the zone field's text (empty when the record has none).
Lectura LeerRegistroComas(std::string_view linea, FormaRegistro forma, Valor& x, Valor& y,
                          std::string_view* zona = nullptr);

}  // namespace varnel
