#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/run/varnel_engine.h"
#include "engine/run/window_ops.h"
#include "ui/logic/controls.h"
#include "ui/logic/settings_store.h"

// Every rule of the main window frmVarnel and the help window frmAyuda,
// whatever toolkit draws them. The toolkit forwards each event here and lends
// its controls through Controles; this owns the conversion engine and gives it
// the window operations a run uses. The user's choice of the SITNA list's
// datum is kept in the settings store.
namespace varnel::logica {

class LogicaVentana : public OperacionesVentana {
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

    // While the help window is shown the main window takes no input.
    bool AyudaAbierta() const { return ayudaAbierta_; }

    // Window operations for the engine.
    void PonerTextoMensajes(const std::string& texto) override;
    void RepintarMensajes() override;
    std::string TextoPorta() const override;
    void PonerTextoPorta(const std::string& texto) override;
    void VaciarPortaYRepintar() override;
    bool DescargarMarcado() const override;
    OpcionGarmin OpcionSeleccionada() const override;
    std::filesystem::path CarpetaIntercambio() const override;
    DatumLista DatumSitna() const override { return datum_; }
    void Pitido() override;
    void MostrarMensajeModal(const std::string& texto) override;

private:
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
    MotorVarnel motor_{*this};
    DatumLista datum_ = DatumLista::Ed50;
    bool ayudaAbierta_ = false;
    bool enMarcha_ = false;  // a run is going on (its error box lets events through)
};

}  // namespace varnel::logica
