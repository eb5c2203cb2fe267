// The real main window, offscreen: click to summary for the largest lists,
// and building and showing the window; the drawing of a 32 767-point list.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "bench/track_list.h"
#include "tests/test_support.h"
#include "ui/qt/drawing_painter.h"
#include "ui/qt/drawing_window.h"
#include "ui/qt/folder_list.h"
#include "ui/qt/main_window.h"

namespace {
namespace fs = std::filesystem;

// One scratch folder for the whole run, removed when it ends.
const fs::path& Carpeta() {
    static const varnel::prueba::CarpetaTemporal carpeta;
    return carpeta.Ruta();
}

std::unique_ptr<varnel::FrmVarnel> Ventana() {
    auto w = std::make_unique<varnel::FrmVarnel>();
    w->PonerMostrarMensaje([](const QString&) {});
    w->PonerPitido([] {});
    w->show();
    w->findChild<varnel::ListaCarpetas*>("dirList")->PonerCarpeta(QString::fromStdString(Carpeta().string()));
    return w;
}

QString Lista(int n) {
    QString s;
    for (int i = 0; i < n; ++i) s += QStringLiteral("%1,%2\r\n").arg(600000 + i).arg(4700000 + i);
    return s;
}

void Pulsar(varnel::FrmVarnel& w, const char* boton) { w.findChild<QPushButton*>(boton)->click(); }

// Paste the list into the box, then convert it from the box.
void BM_PegarYConvertir(benchmark::State& state, const char* boton) {
    auto w = Ventana();
    QApplication::clipboard()->setText(Lista(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        Pulsar(*w, "mnuPegar");
        Pulsar(*w, boton);
    }
    const std::string mensajes = w->Texto("txtMensajes");
    if (!mensajes.starts_with("Generados")) state.SkipWithError(mensajes.c_str());
}

void BM_Mapsource_LlenaElCuadro(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::string f = "Grid\tUTM\r\nDatum\tEuropean 1950\r\n\r\n";
    for (int i = 0; i < n; ++i)
        f += "Trackpoint\t30 T " + std::to_string(600000 + i) + " " + std::to_string(4700000 + i) + "\t\t450 m\t\r\n";
    std::ofstream(Carpeta() / "Sitna-Mapsource.txt", std::ios::binary) << f;
    auto w = Ventana();
    for (auto _ : state) Pulsar(*w, "cmdMapsourceSitna");
    const std::string mensajes = w->Texto("txtMensajes");
    if (!mensajes.starts_with("Generados")) state.SkipWithError(mensajes.c_str());
}

void BM_VentanaHastaMostrada(benchmark::State& state) {
    for (auto _ : state) {
        varnel::FrmVarnel w;
        w.show();
        if (!QTest::qWaitForWindowExposed(&w)) state.SkipWithError("no expuesta");
    }
}

// The drawing's model: the box's text read, fitted to 800 × 600, its primitives made.
void BM_DibujoModelo(benchmark::State& state) {
    const std::string lista = ListaDeUnPaseo(static_cast<int>(state.range(0)));
    varnel::logica::LogicaDibujo logica([](std::int64_t) {});
    logica.Tamano(800, 600);
    std::size_t vertices = 0;
    for (auto _ : state) {
        logica.Leer(lista, varnel::DatumLista::Ed50);
        vertices = logica.Dibujo().traza.size();
    }
    state.counters["vertices"] = static_cast<double>(vertices);
}

// Those primitives painted, antialiased, on an 800 × 600 picture.
void BM_DibujoPintado(benchmark::State& state) {
    varnel::logica::LogicaDibujo logica([](std::int64_t) {});
    logica.Tamano(800, 600);
    logica.Leer(ListaDeUnPaseo(static_cast<int>(state.range(0))), varnel::DatumLista::Ed50);
    const varnel::logica::Primitivas d = logica.Dibujo();
    QImage imagen(800, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&imagen);
        varnel::PintarDibujo(p, d);
    }
}

// The box set in the window to its drawing repainted: what following the box costs.
void BM_DibujoSigueALaCaja(benchmark::State& state) {
    auto w = Ventana();
    varnel::FrmDibujo* f = w->VerDibujo();
    f->resize(800, 640);
    const std::string lista = ListaDeUnPaseo(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        w->Logica().PonerTextoPorta(lista);
        f->LeerAhora();
        f->Lienzo()->repaint();
    }
}

// Waypoint names stop at 31767 points; the track conversion takes all 32767.
BENCHMARK_CAPTURE(BM_PegarYConvertir, SitnaWpOzi, "cmdSitnaWpOzi")->Arg(31767)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PegarYConvertir, SitnaTrackOzi, "cmdSitnaTrackOzi")->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Mapsource_LlenaElCuadro)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VentanaHastaMostrada)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DibujoModelo)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DibujoPintado)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DibujoSigueALaCaja)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto ejecucion = varnel::prueba::CarpetaDeEjecucionPropia();
    int argcQt = 1;
    QApplication app(argcQt, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
