#pragma once

#include <memory>
#include <string>

#include "engine/core/run_error.h"
#include "engine/formats/line_reading.h"
#include "engine/geodesy/list_converter.h"
#include "engine/text/line_source.h"

namespace varnel {

// A format's reader: the points of one input in file order, each as the file
// holds it (position, grid, datum). A content it cannot take is error 13
// naming the line and why.
class LectorPuntosFichero {
public:
    virtual ~LectorPuntosFichero() = default;
    // The next point; false when the input has no more.
    virtual bool Siguiente(PuntoFichero& p) = 0;
    // Where the last point read (or refused) stands, for an error report.
    virtual UbicacionLinea Ubicacion() const = 0;
    // Its line alone, without copying the path.
    virtual std::int64_t NumeroLinea() const { return Ubicacion().numero; }
};

// A line format's reader over its source: a line that should be a point and
// is not one is refused with the format's reason.
class LectorPuntosTexto final : public LectorPuntosFichero {
public:
    // With `exigeLinea`, a source without any line at all is error 62 (a
    // format whose first line is a header).
    LectorPuntosTexto(FuenteLineas& fuente, std::unique_ptr<LectorFormato> formato, bool exigeLinea);
    bool Siguiente(PuntoFichero& p) override;
    UbicacionLinea Ubicacion() const override { return fuente_.Ubicacion(); }
    std::int64_t NumeroLinea() const override { return fuente_.NumeroLinea(); }

private:
    FuenteLineas& fuente_;
    std::unique_ptr<LectorFormato> formato_;
    bool pendientePrimera_;
    std::string linea_;
};

// Brings each point of a reader to the list; a point the list cannot hold is
// error 13 on its line.
class LectorPuntos {
public:
    // With `ceroSinPosicion`, latitude 0 and longitude 0 exactly is a receiver
    // without a fix (GPS formats write it so): skipped and counted.
    LectorPuntos(LectorPuntosFichero& lector, ConversorLista& conversor, bool ceroSinPosicion = false)
        : lector_(lector), conversor_(conversor), ceroSinPosicion_(ceroSinPosicion) {}

    // The next point, as the list holds it; false when the input is exhausted.
    bool Siguiente(Valor& x, Valor& y);
    // Points skipped for having no position.
    int SinPosicion() const { return sinPosicion_; }

private:
    bool SinFijo() const;

    LectorPuntosFichero& lector_;
    ConversorLista& conversor_;
    bool ceroSinPosicion_;
    int sinPosicion_ = 0;
    PuntoFichero punto_;
};

}  // namespace varnel
