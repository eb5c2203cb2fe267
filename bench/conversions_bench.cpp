// Each conversion end to end: files in a temporary folder, the run's result.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <optional>
#include <string>

#include "engine/run/varnel_engine.h"
#include "tests/test_support.h"
#include "ui/logic/run_report.h"

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

// Runs one conversion again and again on the same files; the box text, when
// given, is the input.
void Ejecutar(benchmark::State& state, const Conversion& conversion, std::optional<std::string> cuadro = {}) {
    MotorVarnel motor;
    const PeticionConversion peticion{conversion, CarpetaBanco(), std::move(cuadro), OpcionGarmin::Option1,
                                      DatumLista::Ed50};
    ResultadoEjecucion r;
    for (auto _ : state) {
        r = motor.Ejecutar(peticion);
        benchmark::DoNotOptimize(r.puntos);
    }
    if (r.error) state.SkipWithError(logica::TextoError(*r.error).c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SitnaWpOzi_Caja(benchmark::State& state) {
    Ejecutar(state, conversiones::SitnaWpOzi, Caja(static_cast<int>(state.range(0))));
}

void BM_SitnaTrackOzi_Fichero(benchmark::State& state) {
    prueba::EscribirBytes(CarpetaBanco() / "Sitna-Descargar.txt", Caja(static_cast<int>(state.range(0))) + "\r\n");
    Ejecutar(state, conversiones::SitnaTrackOzi);
}

void BM_WpOziSitna(benchmark::State& state) {
    prueba::EscribirBytes(CarpetaBanco() / "Sitna-OziWp.txt", FicheroWaypoints(static_cast<int>(state.range(0))));
    Ejecutar(state, conversiones::WpOziSitna);
}

void BM_TrackOziSitna(benchmark::State& state) {
    prueba::EscribirBytes(CarpetaBanco() / "Sitna-OziTrack.txt", FicheroTrack(static_cast<int>(state.range(0))));
    Ejecutar(state, conversiones::TrackOziSitna);
}

void BM_MapsourceSitna(benchmark::State& state) {
    prueba::EscribirBytes(CarpetaBanco() / "Sitna-Mapsource.txt", FicheroMapsource(static_cast<int>(state.range(0))));
    Ejecutar(state, conversiones::MapsourceSitna);
}

void BM_MapsourceGeograficoSitna(benchmark::State& state) {
    prueba::EscribirBytes(CarpetaBanco() / "Sitna-Mapsource.txt",
                          FicheroMapsourceGeografico(static_cast<int>(state.range(0))));
    Ejecutar(state, conversiones::MapsourceSitna);
}

void BM_PltSitna(benchmark::State& state) {
    prueba::EscribirBytes(CarpetaBanco() / "Sitna-OziTrack.txt", FicheroPlt(static_cast<int>(state.range(0))));
    Ejecutar(state, conversiones::TrackOziSitna);
}

// A phone's GPX track dropped on the window: on a list in ED50 every point is
// shifted from WGS 84; in ETRS89 only projected.
void BM_SoltarGpx(benchmark::State& state, DatumLista datum) {
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
    const fs::path fichero = CarpetaBanco() / "pista.gpx";
    prueba::EscribirBytes(fichero, gpx);
    MotorVarnel motor;
    const PeticionSoltado peticion{{fichero}, CarpetaBanco(), datum};
    ResultadoEjecucion r;
    for (auto _ : state) {
        r = motor.SoltarFicheros(peticion);
        benchmark::DoNotOptimize(r.puntos);
    }
    if (r.error) state.SkipWithError(logica::TextoError(*r.error).c_str());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The box's list saved as a GPX or KML track (ED50: every point shifted to WGS 84).
void BM_GuardarTraza(benchmark::State& state, FormatoTraza formato) {
    MotorVarnel motor;
    const PeticionGuardado peticion{Caja(static_cast<int>(state.range(0))),
                                    CarpetaBanco() / (formato == FormatoTraza::Gpx   ? "Sitna.gpx"
                                                      : formato == FormatoTraza::Kml ? "Sitna.kml"
                                                                                     : "Sitna.kmz"),
                                    formato, DatumLista::Ed50, "Varnel banco"};
    ResultadoEjecucion r;
    for (auto _ : state) {
        r = motor.GuardarTraza(peticion);
        benchmark::DoNotOptimize(r.puntos);
    }
    if (r.error) state.SkipWithError(logica::TextoError(*r.error).c_str());
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
BENCHMARK_CAPTURE(BM_GuardarTraza, Gpx, FormatoTraza::Gpx)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GuardarTraza, Kml, FormatoTraza::Kml)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GuardarTraza, Kmz, FormatoTraza::Kmz)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PltSitna)->Arg(1000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varnel::banco

BENCHMARK_MAIN();
