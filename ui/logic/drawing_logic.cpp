#include "ui/logic/drawing_logic.h"

#include <charconv>
#include <cmath>

namespace varnel::logica {
namespace {

constexpr std::string_view kClaveGeometria = "dibujo";
constexpr double kFactorPaso = 1.25;  // one wheel notch, one + or −
constexpr float kPasoTecla = 40.0F;   // pixels an arrow moves the drawing
constexpr float kUmbralArrastre = 3.0F;

}  // namespace

std::optional<Geometria> LeerGeometria(const AlmacenAjustes& ajustes) {
    const std::optional<std::string> texto = ajustes.Leer(kClaveGeometria);
    if (!texto) return std::nullopt;
    int v[4];
    const char* p = texto->data();
    const char* fin = p + texto->size();
    for (int i = 0; i < 4; ++i) {
        if (i > 0 && (p == fin || *p++ != ',')) return std::nullopt;
        const auto [q, error] = std::from_chars(p, fin, v[i]);
        if (error != std::errc()) return std::nullopt;
        p = q;
    }
    // A size no window could have is not kept.
    if (p != fin || v[2] < 200 || v[3] < 150 || v[2] > 20000 || v[3] > 20000) return std::nullopt;
    return Geometria{v[0], v[1], v[2], v[3]};
}

void GuardarGeometria(AlmacenAjustes& ajustes, const Geometria& g) {
    ajustes.Escribir(kClaveGeometria, std::to_string(g.x) + "," + std::to_string(g.y) + "," + std::to_string(g.ancho) +
                                          "," + std::to_string(g.alto));
}

DialogoGuardado LogicaDibujo::DialogoImagen(const std::filesystem::path& carpeta) {
    return {"Guardar imagen", "Imágenes PNG", "png", carpeta, "Sitna.png"};
}

void LogicaDibujo::Leer(std::string_view texto, DatumLista datum) {
    lista_.Leer(texto);
    resumen_ = lista_.Resumen(datum);
    bajoPuntero_.reset();
    if (ajustada_) Ajustar();
}

void LogicaDibujo::Tamano(int ancho, int alto) {
    vista_.Tamano(ancho, alto);
    if (ajustada_) Ajustar();
}

bool LogicaDibujo::Ajustar() {
    vista_.Ajustar(lista_.MinEste(), lista_.MaxEste(), lista_.MinNorte(), lista_.MaxNorte());
    ajustada_ = true;
    return true;
}

bool LogicaDibujo::Rueda(PuntoPx sobre, double pasos) {
    vista_.Zoom(std::pow(kFactorPaso, pasos), sobre);
    ajustada_ = false;
    return true;
}

void LogicaDibujo::Pulsar(PuntoPx p) {
    pulsado_ = p;
    anterior_ = p;
    arrastrando_ = false;
}

bool LogicaDibujo::Mover(PuntoPx p, bool botonPulsado) {
    if (botonPulsado && pulsado_) {
        if (!arrastrando_ && std::hypot(p.x - pulsado_->x, p.y - pulsado_->y) < kUmbralArrastre) return false;
        arrastrando_ = true;
        vista_.Desplazar(p.x - anterior_.x, p.y - anterior_.y);
        anterior_ = p;
        ajustada_ = false;
        return true;
    }
    const std::optional<std::size_t> antes = bajoPuntero_;
    bajoPuntero_ = PuntoEn(lista_, vista_, p);
    return antes != bajoPuntero_;
}

bool LogicaDibujo::Soltar(PuntoPx p) {
    const bool clic = pulsado_ && !arrastrando_;
    pulsado_.reset();
    arrastrando_ = false;
    if (!clic) return false;
    if (const std::optional<std::size_t> i = PuntoEn(lista_, vista_, p)) seleccionarLinea_(lista_.Puntos()[*i].linea);
    return false;
}

bool LogicaDibujo::Pulsada(Tecla t) {
    const PuntoPx centro{static_cast<float>(vista_.Ancho()) / 2, static_cast<float>(vista_.Alto()) / 2};
    switch (t) {
    case Tecla::Mas: return Rueda(centro, 1);
    case Tecla::Menos: return Rueda(centro, -1);
    case Tecla::Cero: return Ajustar();
    case Tecla::Escape: return false;
    case Tecla::Izquierda: vista_.Desplazar(kPasoTecla, 0); break;
    case Tecla::Derecha: vista_.Desplazar(-kPasoTecla, 0); break;
    case Tecla::Arriba: vista_.Desplazar(0, kPasoTecla); break;
    case Tecla::Abajo: vista_.Desplazar(0, -kPasoTecla); break;
    }
    ajustada_ = false;
    return true;
}

Primitivas LogicaDibujo::Dibujo() const {
    Primitivas d = Dibujar(lista_, vista_);
    if (bajoPuntero_ && *bajoPuntero_ < lista_.Puntos().size()) {
        const PuntoLista& p = lista_.Puntos()[*bajoPuntero_];
        d.resaltado = vista_.APixel(p.este, p.norte);
        d.rotulo = TextoPunto(lista_, *bajoPuntero_);
    }
    return d;
}

}  // namespace varnel::logica
