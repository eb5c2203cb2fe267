#include "ui/forms/texts.h"

#include <initializer_list>

namespace varnel::textos {
namespace {

constexpr std::string_view H1 =
    " Es un fichero de texto que se obtiene directamente de la página Web del SITNA con la opción 'GPS dibujar la "
    "ruta a descargar', pegando el contenido del portapapeles a un editor de texto (como el Block de notas) y "
    "guardándolo con ese nombre.";
constexpr std::string_view H2 =
    " Se usa también para ver en el SITNA ficheros de Waypoints y de Tracks de OziExplorer o Tracks de Mapsource en "
    "formato texto. Además se puede intercambiar datos directamente del portapapeles sin usar estos ficheros con el "
    "cuadro Descargar";
constexpr std::string_view H3 =
    " Son ficheros de texto obtenidos desde el programa Oziexplorer(3.90.3) con la opción 'Guardar Archivos: "
    "Exportar Waypoints a Archivo Texto y Exportar Tracks a Archivo Texto (Datum=European 1950, Formato=UTM)' "
    "respectivamente y guardándolos con esos nombres.";
constexpr std::string_view H4 =
    " Se usan también para Importar en Oziexplorer con la opcion 'Cargar Archivos: Importar Waypoints (o Tracks) de "
    "Archivo Texto'. Además se puede intercambiar datos directamente del portapapeles sin usar el archivo "
    "Sitna-Descargar.txt";
constexpr std::string_view H5 =
    " Es un fichero de texto obtenido desde el programa Mapsource(4.06) con la opción de menú  'File: Export: "
    "Guardar como tipo de archivo (Text tab delimited)' y guardándolo con ese nombre.";
constexpr std::string_view H6 = " El programa lee todas las líneas de track y los une como si fuera un solo track.";
constexpr std::string_view H7 =
    " La página Web del SITNA (Servicio de Información Territorial de Navarra) permite (sobre cartografía, ortofotos "
    "y fotos de satélite) diseñar gráficamente rutas GPS en formato 'coordenada X e Y en cada fila separadas por "
    "comas (Datum ED-50)' y copiarlo al portapapeles.";
constexpr std::string_view H8 =
    (" Así mismo se puede dibujar sobre él una ruta realizada con GPS en el mismo formato (Búsquedas; Por ruta de "
     "GPS). ");
constexpr std::string_view H9 =
    " Este programa permite intercambiar datos entre esta página y el Programa OziExplorer. Es decir puedo dibujar "
    "una ruta sobre cartografía o foto aérea y traspasarla mediante Waypoints o Tracks al GPS por medio del "
    "OziExplorer y al contrario realizar una salida con el GPS y mediante el OziEexplorer o Mapsource ver sobre foto "
    "aérea el Track que he grabado.";
constexpr std::string_view H10 =
    " Solo sirve para Navarra. Todos los datos están en Datum European 1950 y Zona UTM 30T.";

std::string Unidos(std::initializer_list<std::string_view> piezas) {
    std::string texto;
    bool primera = true;
    for (std::string_view p : piezas) {
        if (!primera) texto += "\r\n";
        texto += p;
        primera = false;
    }
    return texto;
}

}  // namespace

std::string TextoAyudaDescargar() { return Unidos({H1, H2}); }
std::string TextoAyudaOzi() { return Unidos({H3, H4}); }
std::string TextoAyudaMapsource() { return Unidos({H5, H6}); }
std::string TextoAyudaVarnel() { return Unidos({H7, H8, H9, H10}); }

}  // namespace varnel::textos
