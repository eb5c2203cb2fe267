// Each conversion end to end: files in a temporary folder, a recording window.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "engine/run/varnel_engine.h"
#include "tests/engine/run/fake_window.h"
#include "tests/test_support.h"

namespace varnel::banco {
namespace {
namespace fs = std::filesystem;

// Removed when the program ends.
fs::path CarpetaBanco() {
    static const prueba::CarpetaTemporal carpeta;
    return carpeta.Ruta();
}

std::string Caja(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += (i ? "\r\n" : "") + std::to_string(600000 + i) + "," + std::to_string(4700000 + i);
    return s;
}

std::string FicheroWaypoints(int n) {
    std::string s = "Datum,European 1950\r\n";
    for (int i = 0; i < n; ++i)
        s += "WP,UTM,SIT001,30T," + std::to_string(600000 + i) + "," + std::to_string(4700000 + i) +
             ",,,SITNA Punto 001,\x87,N\r\n";
    return s;
}

std::string FicheroTrack(int n) {
    std::string s = "Datum,European 1950\r\n";
    for (int i = 0; i < n; ++i)
        s += "TP,UTM,30T," + std::to_string(600000 + i) + "," + std::to_string(4700000 + i) + ",,,0,,,,,,\r\n";
    return s;
}

std::string FicheroMapsource(int n) {
    std::string s = "Grid\tUTM\r\nDatum\tEuropean 1950\r\n\r\nTrack\tA\t\t0:00:00\t1 m\t0 kph\t\r\n\r\n";
    for (int i = 0; i < n; ++i)
        s += "Trackpoint\t30 T " + std::to_string(600000 + i) + " " + std::to_string(4700000 + i) +
             "\t01/05/2026 08:00:00 \t450 m\t\r\n";
    return s;
}

// MapSource's default grid, degrees and minutes, as its export writes them.
std::string FicheroMapsourceGeografico(int n) {
    std::string s =
        "Grid\tLat/Lon hddd\xB0mm.mmm'\r\nDatum\tWGS 84\r\n\r\nHeader\tName\tStart Time\r\n\r\n"
        "Track\tA\t\t0:00:00\t1 m\t0 kph\t\r\n\r\nHeader\tPosition\tTime\tAltitude\r\n\r\n";
    char linea[128];
    for (int i = 0; i < n; ++i) {
        std::snprintf(linea, sizeof linea, "Trackpoint\tN42 %06.3f W1 %06.3f\t01/05/2026 08:00:00 \t450 m\t\r\n",
                      10 + (i % 40000) * 0.001, 20 + (i % 30000) * 0.001);
        s += linea;
    }
    return s;
}

// OziExplorer's own track file, latitude and longitude in degrees.
std::string FicheroPlt(int n) {
    std::string s =
        "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\nReserved 3\r\n"
        "0,2,255,Track,0,0,2,8421376\r\n" +
        std::to_string(n) + "\r\n";
    char linea[128];
    for (int i = 0; i < n; ++i) {
        std::snprintf(linea, sizeof linea, "  %.6f,  %.6f,%d,1476.4,45777.3333333, 01-May-26, 8:00:00 AM\r\n",
                      42.5 + i * 1e-5, -1.9 + i * 1e-5, i == 0 ? 1 : 0);
        s += linea;
    }
    return s;
}

template <void (MotorVarnel::*Boton)()>
void Ejecutar(benchmark::State& state, prueba::VentanaFalsa& ventana, const std::string& cajaInicial) {
    MotorVarnel motor(ventana);
    for (auto _ : state) {
        ventana.porta = cajaInicial;
        (motor.*Boton)();
        benchmark::DoNotOptimize(ventana.mensajes.data());
    }
    if (!ventana.modales.empty()) state.SkipWithError(ventana.mensajes.c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SitnaWpOzi_Caja(benchmark::State& state) {
    prueba::VentanaFalsa v;
    v.carpeta = CarpetaBanco();
    Ejecutar<&MotorVarnel::cmdSitnaWpOzi>(state, v, Caja(static_cast<int>(state.range(0))));
}

void BM_SitnaTrackOzi_Fichero(benchmark::State& state) {
    prueba::VentanaFalsa v;
    v.carpeta = CarpetaBanco();
    v.descargar = false;
    prueba::EscribirBytes(v.carpeta / "Sitna-Descargar.txt", Caja(static_cast<int>(state.range(0))) + "\r\n");
    Ejecutar<&MotorVarnel::cmdSitnaTrackOzi>(state, v, "");
}

void BM_WpOziSitna(benchmark::State& state) {
    prueba::VentanaFalsa v;
    v.carpeta = CarpetaBanco();
    prueba::EscribirBytes(v.carpeta / "Sitna-OziWp.txt", FicheroWaypoints(static_cast<int>(state.range(0))));
    Ejecutar<&MotorVarnel::cmdWpOziSitna>(state, v, "");
}

void BM_TrackOziSitna(benchmark::State& state) {
    prueba::VentanaFalsa v;
    v.carpeta = CarpetaBanco();
    prueba::EscribirBytes(v.carpeta / "Sitna-OziTrack.txt", FicheroTrack(static_cast<int>(state.range(0))));
    Ejecutar<&MotorVarnel::cmdTrackOziSitna>(state, v, "");
}

void BM_MapsourceSitna(benchmark::State& state) {
    prueba::VentanaFalsa v;
    v.carpeta = CarpetaBanco();
    prueba::EscribirBytes(v.carpeta / "Sitna-Mapsource.txt", FicheroMapsource(static_cast<int>(state.range(0))));
    Ejecutar<&MotorVarnel::cmdMapsourceSitna>(state, v, "");
}

void BM_MapsourceGeograficoSitna(benchmark::State& state) {
    prueba::VentanaFalsa v;
    v.carpeta = CarpetaBanco();
    prueba::EscribirBytes(v.carpeta / "Sitna-Mapsource.txt",
                          FicheroMapsourceGeografico(static_cast<int>(state.range(0))));
    Ejecutar<&MotorVarnel::cmdMapsourceSitna>(state, v, "");
}

void BM_PltSitna(benchmark::State& state) {
    prueba::VentanaFalsa v;
    v.carpeta = CarpetaBanco();
    prueba::EscribirBytes(v.carpeta / "Sitna-OziTrack.txt", FicheroPlt(static_cast<int>(state.range(0))));
    Ejecutar<&MotorVarnel::cmdTrackOziSitna>(state, v, "");
}

// A phone's GPX track dropped on the window: on a list in ED50 every point is
// shifted from WGS 84; in ETRS89 only projected.
void BM_SoltarGpx(benchmark::State& state, DatumLista datum) {
    prueba::VentanaFalsa v;
    v.carpeta = CarpetaBanco();
    v.datum = datum;
    std::string gpx =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"banco\" "
        "xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><name>A</name><trkseg>\n";
    char linea[160];
    for (int i = 0; i < state.range(0); ++i) {
        std::snprintf(linea, sizeof linea,
                      "<trkpt lat=\"%.7f\" lon=\"%.7f\"><ele>450.0</ele><time>2026-05-01T08:00:00Z</time></trkpt>\n",
                      42.5 + i * 1e-5, -1.9 + i * 1e-5);
        gpx += linea;
    }
    gpx += "</trkseg></trk></gpx>\n";
    const fs::path fichero = v.carpeta / "pista.gpx";
    prueba::EscribirBytes(fichero, gpx);
    MotorVarnel motor(v);
    for (auto _ : state) {
        motor.SoltarFicheros({fichero});
        benchmark::DoNotOptimize(v.mensajes.data());
    }
    if (!v.modales.empty()) state.SkipWithError(v.mensajes.c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Waypoint names stop at 31767 points (the name number is the count + 1000).
BENCHMARK(BM_SitnaWpOzi_Caja)->Arg(1000)->Arg(8000)->Arg(31767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SitnaTrackOzi_Fichero)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WpOziSitna)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrackOziSitna)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapsourceSitna)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapsourceGeograficoSitna)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SoltarGpx, Ed50, DatumLista::Ed50)
    ->Arg(1000)
    ->Arg(8000)
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SoltarGpx, Etrs89, DatumLista::Etrs89)
    ->Arg(1000)
    ->Arg(8000)
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PltSitna)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varnel::banco

BENCHMARK_MAIN();
