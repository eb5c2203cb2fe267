#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/run_error.h"
#include "engine/formats/kml_coordinates.h"
#include "engine/formats/point_reader.h"
#include "engine/xml/xml_reader.h"

namespace varnel {

// A file whose content gives no points: error 13 naming the line and why,
// "Error:13 No coinciden los tipos (línea N de PATH: motivo)".
ErrorEjecucion RechazarContenido(std::int64_t linea, const std::filesystem::path& ruta, std::string motivo);

// A value in a refusal, cut to what finds it in the file.
std::string CitarValorXml(std::string_view valor);

// The one pass over an XML file that the GPS formats share: it hands the
// format the document's events below the root, queues the points the format
// gives and hands them out, WGS 84 degrees with their line. A malformed or
// cut-short file is refused at the parser's line; a root that is not the
// format's, at the root's line.
class PasadaXml : public LectorPuntosFichero, private ReceptorXml {
public:
    using EsRaizFn = bool (*)(std::string_view nombre, std::string_view espacio);
    // Without `conTexto` the format is handed no text until it asks.
    PasadaXml(FuenteBytes& bytes, EsRaizFn esRaiz, bool conTexto);
    ~PasadaXml() override;
    PasadaXml(const PasadaXml&) = delete;
    PasadaXml& operator=(const PasadaXml&) = delete;

    bool Siguiente(PuntoFichero& p) override;
    UbicacionLinea Ubicacion() const override;
    std::int64_t NumeroLinea() const override { return lineaUltimo_; }

protected:
    // An element below the root; `propio` when it is in the root's namespace.
    virtual void Elemento(std::string_view nombre, bool propio, std::span<const AtributoXml> atributos) = 0;
    virtual void Fin() = 0;
    virtual void Caracteres(std::string_view texto) = 0;
    // The document is over: points the format held back go out now.
    virtual void Terminar() = 0;

    std::int64_t Profundidad() const { return profundidad_; }  // the root is 1
    std::int64_t Linea() const { return xml_.Linea(); }
    // From Elemento or Fin: whether the format wants the text that follows.
    void QuererTexto(bool quiere) { xml_.QuererTexto(quiere); }
    // The namespace of the element being handed to Elemento, during that call.
    std::string_view EspacioElemento() const { return espacioElemento_; }
    void Entregar(const PuntoLeido& p);
    // Stops the pass: the points given before go out, then this refusal.
    void Rechazar(std::int64_t linea, std::string motivo);
    bool Rechazado() const { return rechazo_ != nullptr; }

private:
    void InicioElemento(std::string_view nombre, std::string_view espacio,
                        std::span<const AtributoXml> atributos) override;
    void FinElemento(std::string_view nombre, std::string_view espacio) override;
    void Texto(std::string_view texto) override;
    bool LeerXml();

    std::filesystem::path ruta_;
    LectorXml xml_;
    EsRaizFn esRaiz_;
    std::string espacioRaiz_;
    std::string_view espacioElemento_;
    std::int64_t profundidad_ = 0;
    std::vector<PuntoLeido> cola_;  // given, not yet handed out
    std::size_t entregados_ = 0;
    std::int64_t lineaUltimo_ = 1;
    std::unique_ptr<ErrorEjecucion> rechazo_;
    bool leyendo_ = true;
};

}  // namespace varnel
