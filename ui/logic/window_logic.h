#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/run/varnel_engine.h"
#include "ui/logic/controls.h"
#include "ui/logic/settings_store.h"

// Every rule of the main window frmVarnel and the help window frmAyuda,
// whatever toolkit draws them. The toolkit forwards each event here and lends
// its controls through Controles; this owns the conversion engine, asks it for
// a run built from the controls and shows how the run ended. The user's
// choice of the SITNA list's datum is kept in the settings store.
namespace varnel::logica {

class LogicaVentana {
public:
    LogicaVentana(Controles& controles, AlmacenAjustes& ajustes) : c_(controles), ajustes_(ajustes) {}
    LogicaVentana(const LogicaVentana&) = delete;
    LogicaVentana& operator=(const LogicaVentana&) = delete;

    // The designed start, once the controls exist: ChkDescargar ticked,
    // Option1 selected, the stored datum's option selected (ED50 when none
    // is stored), the focus on the first Tab stop.
    void Iniciar();

    // Events, by control name.
    // A button or link clicked (by mouse, Enter, Space or its access key), an option selected.
    void Pulsado(std::string_view control);
    // dirList: a double click or Enter on the highlighted folder.
    void Activado(std::string_view control);
    // dirList: the focus moved to another control of the window, before that
    // control's own click is carried out.
    void FocoPerdido(std::string_view control);
    // DrvList: the user chose another drive (its root).
    void UnidadElegida(const std::filesystem::path& raiz);
    // dirList: its current folder changed, however.
    void CarpetaCambiada();

    // Files dropped on the main window, in drop order: one run towards SITNA
    // that reads each by its content.
    void Soltados(const std::vector<std::filesystem::path>& rutas);

    // The Cuadro Descargar's context menu: the box's list saved as a GPX or
    // KML track where the user chooses.
    void GuardarComo(FormatoTraza formato);

    // While the help window is shown the main window takes no input.
    bool AyudaAbierta() const { return ayudaAbierta_; }

    // The messages box: read from its start, its whole text in its tooltip
    // when wider than the box.
    void PonerTextoMensajes(const std::string& texto);
    // The Cuadro Descargar box, CR LF between lines.
    std::string TextoPorta() const;
    void PonerTextoPorta(const std::string& texto);

    // What a run is asked with.
    bool DescargarMarcado() const;
    OpcionGarmin OpcionSeleccionada() const;
    std::filesystem::path CarpetaIntercambio() const;
    DatumLista DatumSitna() const { return datum_; }

private:
    void Convertir(const Conversion& conversion);
    // A run has started: the box emptied where the run fills it or does not
    // read it, "Espere...." shown, both painted before the work.
    void Empezar(bool vaciarCaja);
    void MostrarFinal(const ResultadoEjecucion& resultado);
    void Copiar();
    void Pegar();
    void Ayuda();
    void Aceptar();
    void Salir();
    void EnlaceCorreo();
    void EnlaceWeb();
    void ConfirmarCarpeta();
    void ParadasDeOpciones();
    void DatumElegido(DatumLista datum);
    void ElegidoEd50() { DatumElegido(DatumLista::Ed50); }
    void ElegidoEtrs89() { DatumElegido(DatumLista::Etrs89); }

    Controles& c_;
    AlmacenAjustes& ajustes_;
    MotorVarnel motor_;
    DatumLista datum_ = DatumLista::Ed50;
    bool ayudaAbierta_ = false;
    bool enMarcha_ = false;  // a run is going on (its error box lets events through)
};

}  // namespace varnel::logica
