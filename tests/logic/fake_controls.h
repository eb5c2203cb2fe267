#pragma once

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ui/forms/main_form.h"
#include "ui/logic/controls.h"

namespace varnel::prueba {

// Controls in memory, recording what the rules do to them, in order. A
// control's characters are its text's bytes here.
class ControlesFalsos : public logica::Controles {
public:
    struct Seleccion {
        int inicio = 0;
        int largo = 0;
    };

    std::map<std::string, std::string, std::less<>> textos;
    std::map<std::string, bool, std::less<>> marcas;
    std::map<std::string, std::string, std::less<>> ayudas;
    std::map<std::string, Seleccion, std::less<>> selecciones;
    std::map<std::string, bool, std::less<>> paradas;
    std::string foco;
    std::size_t anchoMensajes = 40;  // the messages box shows this many characters

    std::optional<std::string> portapapeles;  // nothing: it holds no text
    bool portapapelesOcupado = false;

    int pitidos = 0;
    std::vector<std::string> modales;
    std::vector<std::string> direcciones;
    std::vector<logica::DialogoGuardado> dialogos;      // every save dialog asked for
    std::optional<std::filesystem::path> rutaGuardado;  // what the user picks; nothing: cancel

    std::set<std::filesystem::path> legibles;  // the folders that can be listed
    std::filesystem::path actual;
    std::filesystem::path resaltada;
    std::optional<std::filesystem::path> unidadDe;  // what the drive list was last told to show
    int listados = 0;

    std::set<std::string, std::less<>> creadas;
    std::string visible;                    // the modal window shown, if any
    std::function<void()> mientrasModal;    // runs while the modal window is shown
    std::function<void()> mientrasMensaje;  // runs while the error box is shown
    bool terminado = false;

    // "texto:txtPorta=...", "repintar:txtPorta", "modal:frmAyuda", ... in order.
    std::vector<std::string> registro;

    std::string Texto(logica::NombreControl control) const override { return Buscar(textos, control, std::string()); }
    void PonerTexto(logica::NombreControl control, const std::string& texto) override {
        textos[std::string(control)] = ConCrLf(texto);
        registro.push_back("texto:" + std::string(control) + "=" + texto);
    }
    void Repintar(logica::NombreControl control) override { registro.push_back("repintar:" + std::string(control)); }
    bool Marcado(logica::NombreControl control) const override { return Buscar(marcas, control, false); }
    void Marcar(logica::NombreControl control, bool marcado) override {
        marcas[std::string(control)] = marcado;
        // Like option buttons: selecting one clears the others of its group,
        // the options of its frame.
        if (marcado && EsOpcion(control))
            for (auto& [nombre, m] : marcas)
                if (nombre != control.Ver() && EsOpcion(nombre) && MarcoDe(nombre) == MarcoDe(control)) m = false;
    }
    bool CabeEntero(logica::NombreControl control) const override { return Texto(control).size() <= anchoMensajes; }
    void PonerAyuda(logica::NombreControl control, const std::string& ayuda) override {
        ayudas[std::string(control)] = ayuda;
    }

    int InicioSeleccion(logica::NombreControl control) const override {
        return Buscar(selecciones, control, Seleccion{}).inicio;
    }
    void Seleccionar(logica::NombreControl control, int inicio, int largo) override {
        const int n = static_cast<int>(Texto(control).size());
        const int desde = std::clamp(inicio, 0, n);
        selecciones[std::string(control)] = {desde, std::clamp(largo, 0, n - desde)};
        registro.push_back("seleccion:" + std::string(control));
    }
    void PonerFoco(logica::NombreControl control) override { foco = control; }
    void PonerParadaTab(logica::NombreControl control, bool parada) override { paradas[std::string(control)] = parada; }

    std::optional<std::string> LeerPortapapeles() override {
        if (portapapelesOcupado) return std::nullopt;
        return portapapeles.value_or("");
    }
    bool PonerPortapapeles(const std::string& texto) override {
        if (portapapelesOcupado) return false;
        portapapeles = texto.empty() ? std::nullopt : std::optional<std::string>(texto);
        registro.emplace_back("portapapeles");
        return true;
    }

    void Pitido() override {
        ++pitidos;
        registro.emplace_back("pitido");
    }
    void MensajeModal(const std::string& texto) override {
        modales.push_back(texto);
        registro.push_back("mensaje:" + texto);
        if (mientrasMensaje) mientrasMensaje();
    }
    void AbrirDireccion(const std::string& direccion) override { direcciones.push_back(direccion); }
    std::optional<std::filesystem::path> PedirRutaGuardado(const logica::DialogoGuardado& d) override {
        dialogos.push_back(d);
        return rutaGuardado;
    }

    std::filesystem::path CarpetaActual() const override { return actual; }
    std::filesystem::path CarpetaResaltada() const override { return resaltada; }
    bool PonerCarpetaActual(const std::filesystem::path& carpeta) override {
        registro.push_back("carpeta:" + carpeta.generic_string());
        if (!legibles.contains(carpeta)) return false;
        actual = resaltada = carpeta;
        return true;
    }
    void ListarCarpetaOtraVez() override {
        ++listados;
        resaltada = actual;
    }
    void MostrarUnidadDe(const std::filesystem::path& carpeta) override { unidadDe = carpeta; }

    void CrearVentana(std::string_view ventana) override {
        if (creadas.emplace(ventana).second) registro.push_back("crear:" + std::string(ventana));
    }
    void MostrarModal(std::string_view ventana, logica::NombreControl enfocado) override {
        registro.push_back("modal:" + std::string(ventana));
        visible = ventana;
        foco = enfocado;
        if (mientrasModal) mientrasModal();
        visible.clear();
    }
    void Ocultar(std::string_view ventana) override {
        registro.push_back("ocultar:" + std::string(ventana));
        if (visible == ventana) visible.clear();
    }
    void TerminarPrograma() override { terminado = true; }

private:
    // Lines as a box gives them back: CR LF, whatever separated them.
    static std::string ConCrLf(const std::string& texto) {
        std::string r;
        r.reserve(texto.size());
        for (std::size_t i = 0; i < texto.size(); ++i) {
            if (texto[i] == '\n' && (i == 0 || texto[i - 1] != '\r')) r += '\r';
            r += texto[i];
        }
        return r;
    }
    static const formularios::Control* Descripcion(std::string_view control) {
        const int i = formularios::Indice(formularios::kControlesPrincipal, control);
        return i < 0 ? nullptr : &formularios::kControlesPrincipal[static_cast<std::size_t>(i)];
    }
    static bool EsOpcion(std::string_view control) {
        const formularios::Control* c = Descripcion(control);
        return c && c->tipo == formularios::Tipo::Opcion;
    }
    static std::string_view MarcoDe(std::string_view control) { return Descripcion(control)->marco; }

    template <class Mapa, class Valor>
    static Valor Buscar(const Mapa& mapa, std::string_view clave, Valor porDefecto) {
        const auto it = mapa.find(clave);
        return it == mapa.end() ? porDefecto : it->second;
    }
};

}  // namespace varnel::prueba
