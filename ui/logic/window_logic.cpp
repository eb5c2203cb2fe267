#include "ui/logic/window_logic.h"

#include <array>
#include <climits>

#include "ui/forms/help_form.h"
#include "ui/forms/main_form.h"
#include "ui/forms/texts.h"
#include "ui/logic/conversion_buttons.h"
#include "ui/logic/run_report.h"
#include "ui/logic/tab_order.h"

namespace varnel::logica {
namespace {

using formularios::kControlesAyuda;
using formularios::kControlesPrincipal;

constexpr NombreControl kMensajes = "txtMensajes";
constexpr NombreControl kPorta = "txtPorta";
constexpr NombreControl kCarpetas = "dirList";
constexpr std::string_view kAyuda = "frmAyuda";
constexpr std::array<NombreControl, 3> kOpciones{"Option1", "Option2", "Option3"};
constexpr NombreControl kOpcionEd50 = "OptionED50";
constexpr NombreControl kOpcionEtrs89 = "OptionETRS89";
// Every option of the window, whatever its group.
constexpr std::array<NombreControl, 5> kTodasLasOpciones{kOpciones[0], kOpciones[1], kOpciones[2], kOpcionEd50,
                                                         kOpcionEtrs89};
constexpr std::string_view kClaveDatum = "datum";

constexpr bool EnAyuda(std::string_view nombre) { return formularios::Indice(kControlesAyuda, nombre) >= 0; }
static_assert(formularios::kAyuda.nombre == kAyuda);

// Marks a run as going on for as long as it lasts.
class EnMarcha {
public:
    explicit EnMarcha(bool& bandera) : bandera_(bandera) { bandera_ = true; }
    ~EnMarcha() { bandera_ = false; }
    EnMarcha(const EnMarcha&) = delete;
    EnMarcha& operator=(const EnMarcha&) = delete;

private:
    bool& bandera_;
};

// Up to the end of a control's text, whatever its length there: the control
// limits a selection to its text.
constexpr int kHastaElFinal = INT_MAX;

constexpr NombreControl OpcionDe(DatumLista datum) { return datum == DatumLista::Etrs89 ? kOpcionEtrs89 : kOpcionEd50; }

}  // namespace

void LogicaVentana::Iniciar() {
    c_.Marcar("ChkDescargar", true);
    c_.Marcar(kOpciones[0], true);
    // Nothing stored, or something this program never wrote: ED50.
    const std::optional<std::string> guardado = ajustes_.Leer(kClaveDatum);
    datum_ = guardado ? DatumDeNombre(*guardado).value_or(DatumLista::Ed50) : DatumLista::Ed50;
    c_.Marcar(OpcionDe(datum_), true);
    ParadasDeOpciones();
    c_.PonerFoco(OrdenTab(kControlesPrincipal).front());
}

void LogicaVentana::Pulsado(std::string_view control) {
    // While the help window is shown only the window system can close the
    // main one (its close box, a logout): the program ends all the same.
    if (ayudaAbierta_ && !EnAyuda(control) && control != "cmdSalir") return;
    if (const std::optional<Conversion> conversion = ConversionDeBoton(control)) {
        if (enMarcha_) return;
        const EnMarcha marcha(enMarcha_);
        Convertir(*conversion);
        return;
    }
    struct Accion {
        std::string_view control;
        void (LogicaVentana::*hacer)();
    };
    static constexpr Accion kAcciones[] = {
        {"mnuCopiar", &LogicaVentana::Copiar},
        {"mnuPegar", &LogicaVentana::Pegar},
        {"cmdAyuda", &LogicaVentana::Ayuda},
        {"cmdSalir", &LogicaVentana::Salir},
        {"lblLink_0", &LogicaVentana::EnlaceCorreo},
        {"lblLink_1", &LogicaVentana::EnlaceWeb},
        {"Option1", &LogicaVentana::ParadasDeOpciones},
        {"Option2", &LogicaVentana::ParadasDeOpciones},
        {"Option3", &LogicaVentana::ParadasDeOpciones},
        {kOpcionEd50, &LogicaVentana::ElegidoEd50},
        {kOpcionEtrs89, &LogicaVentana::ElegidoEtrs89},
        {"OKButton", &LogicaVentana::Aceptar},
    };
    for (const Accion& a : kAcciones) {
        if (a.control == control) {
            (this->*a.hacer)();
            return;
        }
    }
}

void LogicaVentana::Soltados(const std::vector<std::filesystem::path>& rutas) {
    if (ayudaAbierta_ || enMarcha_ || rutas.empty()) return;
    const EnMarcha marcha(enMarcha_);
    const PeticionSoltado peticion{.ficheros = rutas, .carpeta = CarpetaIntercambio(), .datumLista = datum_};
    MostrarFinal(motor_.SoltarFicheros(peticion, [this] { Empezar(true); }));
}

void LogicaVentana::GuardarComo(FormatoTraza formato) {
    if (ayudaAbierta_ || enMarcha_) return;
    const std::string tipo = formato == FormatoTraza::Gpx ? "GPX" : formato == FormatoTraza::Kml ? "KML" : "KMZ";
    std::string extension = tipo;
    for (char& c : extension) c = static_cast<char>(c - 'A' + 'a');
    const std::optional<std::filesystem::path> destino = c_.PedirRutaGuardado(
        {"Guardar como " + tipo, "Ficheros " + tipo, extension, CarpetaIntercambio(), "Sitna." + extension});
    if (!destino) return;
    const EnMarcha marcha(enMarcha_);
    const PeticionGuardado peticion{
        .cuadro = TextoPorta(),
        .destino = *destino,
        .formato = formato,
        .datumLista = datum_,
        .creador = std::string(textos::kTituloPrograma) + " " + std::string(textos::kVersion)};
    MostrarFinal(motor_.GuardarTraza(peticion, [this] { Empezar(false); }));
}

void LogicaVentana::Convertir(const Conversion& conversion) {
    PeticionConversion peticion{.conversion = conversion,
                                .carpeta = CarpetaIntercambio(),
                                .cuadro = std::nullopt,
                                .opcionGarmin = OpcionSeleccionada(),
                                .datumLista = datum_};
    const bool desdeLista = conversion.entrada == FicheroIntercambio::ListaSitna;
    if (desdeLista && DescargarMarcado()) peticion.cuadro = TextoPorta();
    const bool vaciarCaja = conversion.salida == FicheroIntercambio::ListaSitna || (desdeLista && !peticion.cuadro);
    MostrarFinal(motor_.Ejecutar(peticion, [&] { Empezar(vaciarCaja); }));
}

void LogicaVentana::Empezar(bool vaciarCaja) {
    if (vaciarCaja) {
        c_.PonerTexto(kPorta, "");
        c_.Repintar(kPorta);
    }
    PonerTextoMensajes(std::string(kEspere));
    c_.Repintar(kMensajes);
}

void LogicaVentana::MostrarFinal(const ResultadoEjecucion& resultado) {
    // The box gets the run's points, also before an error report.
    if (resultado.lista) c_.PonerTexto(kPorta, *resultado.lista);
    const InformeEjecucion informe = Informe(resultado);
    if (informe.modal) c_.Pitido();
    PonerTextoMensajes(informe.mensajes);
    if (informe.modal) c_.MensajeModal(*informe.modal);
}

void LogicaVentana::Activado(std::string_view control) {
    if (!ayudaAbierta_ && control == kCarpetas) ConfirmarCarpeta();
}

void LogicaVentana::FocoPerdido(std::string_view control) {
    if (!ayudaAbierta_ && control == kCarpetas) ConfirmarCarpeta();
}

void LogicaVentana::UnidadElegida(const std::filesystem::path& raiz) {
    if (ayudaAbierta_) return;
    // The drive's current folder as the system gives it ("D:" on Windows),
    // else its root. A drive that cannot be read (no medium, a network drive
    // that does not answer) puts the drive list back on the drive of the
    // folder still shown, silently.
    const std::filesystem::path unidad = raiz.root_name();
    if (!unidad.empty() && unidad != raiz && c_.PonerCarpetaActual(unidad)) return;
    if (c_.PonerCarpetaActual(raiz)) return;
    c_.MostrarUnidadDe(c_.CarpetaActual());
}

void LogicaVentana::CarpetaCambiada() { c_.MostrarUnidadDe(c_.CarpetaActual()); }

void LogicaVentana::ConfirmarCarpeta() {
    const std::filesystem::path resaltada = c_.CarpetaResaltada();
    if (resaltada == c_.CarpetaActual()) return;
    // A folder removed meanwhile: the current one stays, listed again.
    if (!c_.PonerCarpetaActual(resaltada)) c_.ListarCarpetaOtraVez();
}

void LogicaVentana::ParadasDeOpciones() {
    // Each option group is one Tab stop, on its selected option.
    for (NombreControl opcion : kTodasLasOpciones) c_.PonerParadaTab(opcion, c_.Marcado(opcion));
}

void LogicaVentana::DatumElegido(DatumLista datum) {
    ParadasDeOpciones();
    if (datum == datum_) return;
    datum_ = datum;
    // Kept at once; when it cannot be, the choice still holds until the program ends.
    ajustes_.Escribir(kClaveDatum, NombreDatum(datum_));
}

void LogicaVentana::Copiar() {
    c_.Seleccionar(kMensajes, 9999, 0);
    // From the caret to the end; what is copied is the whole box all the same.
    c_.Seleccionar(kPorta, c_.InicioSeleccion(kPorta), kHastaElFinal);
    // Busy in another program: nothing changes, nothing is shown.
    c_.PonerPortapapeles(c_.Texto(kPorta));
}

void LogicaVentana::Pegar() {
    const std::optional<std::string> texto = c_.LeerPortapapeles();
    if (!texto) return;  // busy in another program: the box keeps its text
    c_.PonerTexto(kPorta, "");
    c_.Repintar(kPorta);
    // Taken as it comes; whether it is a SITNA list shows when a run reads it.
    c_.PonerTexto(kPorta, *texto);
    c_.Seleccionar(kPorta, kHastaElFinal, 0);  // the caret after its last character
}

void LogicaVentana::Ayuda() {
    c_.CrearVentana(kAyuda);
    // Set, never appended: every showing gets the same texts.
    c_.PonerTexto("LblDescargar2", textos::TextoAyudaDescargar());
    c_.PonerTexto("lblOzi2", textos::TextoAyudaOzi(datum_));
    c_.PonerTexto("lblMapsource2", textos::TextoAyudaMapsource());
    c_.PonerTexto("lblVarnel2", textos::TextoAyudaVarnel(datum_));
    ayudaAbierta_ = true;
    c_.MostrarModal(kAyuda, "OKButton");
    ayudaAbierta_ = false;
}

void LogicaVentana::Aceptar() { c_.Ocultar(kAyuda); }

void LogicaVentana::Salir() { c_.TerminarPrograma(); }

void LogicaVentana::EnlaceCorreo() { c_.AbrirDireccion("mailto:" + std::string(textos::kCorreoAutor)); }

void LogicaVentana::EnlaceWeb() { c_.AbrirDireccion(std::string(textos::kWebSitna)); }

// The boxes and what a run is asked with.

void LogicaVentana::PonerTextoMensajes(const std::string& texto) {
    c_.PonerTexto(kMensajes, texto);
    // Read from its start ("Error:53 ...", "Generados ..."); a text wider
    // than the box is whole in its tooltip.
    c_.Seleccionar(kMensajes, 0, 0);
    c_.PonerAyuda(kMensajes, c_.CabeEntero(kMensajes) ? std::string() : texto);
}

std::string LogicaVentana::TextoPorta() const { return c_.Texto(kPorta); }

void LogicaVentana::PonerTextoPorta(const std::string& texto) { c_.PonerTexto(kPorta, texto); }

bool LogicaVentana::DescargarMarcado() const { return c_.Marcado("ChkDescargar"); }

OpcionGarmin LogicaVentana::OpcionSeleccionada() const {
    if (c_.Marcado(kOpciones[1])) return OpcionGarmin::Option2;
    if (c_.Marcado(kOpciones[2])) return OpcionGarmin::Option3;
    return OpcionGarmin::Option1;
}

std::filesystem::path LogicaVentana::CarpetaIntercambio() const { return c_.CarpetaActual(); }

}  // namespace varnel::logica
