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
// H3, H7 and H10 name the list's datum: each is cut where the name goes.
constexpr std::string_view H3a =
    " Son ficheros de texto obtenidos desde el programa Oziexplorer(3.90.3) con la opción 'Guardar Archivos: "
    "Exportar Waypoints a Archivo Texto y Exportar Tracks a Archivo Texto (Datum=";
constexpr std::string_view H3b = ", Formato=UTM)' respectivamente y guardándolos con esos nombres.";
constexpr std::string_view H4 =
    " Se usan también para Importar en Oziexplorer con la opcion 'Cargar Archivos: Importar Waypoints (o Tracks) de "
    "Archivo Texto'. Además se puede intercambiar datos directamente del portapapeles sin usar el archivo "
    "Sitna-Descargar.txt";
constexpr std::string_view H5 =
    " Es un fichero de texto obtenido desde el programa Mapsource(4.06) con la opción de menú  'File: Export: "
    "Guardar como tipo de archivo (Text tab delimited)' y guardándolo con ese nombre.";
constexpr std::string_view H6 = " El programa lee todas las líneas de track y los une como si fuera un solo track.";
constexpr std::string_view H7a =
    " La página Web del SITNA (Servicio de Información Territorial de Navarra) permite (sobre cartografía, ortofotos "
    "y fotos de satélite) diseñar gráficamente rutas GPS en formato 'coordenada X e Y en cada fila separadas por "
    "comas (Datum ";
constexpr std::string_view H7b = ")' y copiarlo al portapapeles.";
constexpr std::string_view H8 =
    (" Así mismo se puede dibujar sobre él una ruta realizada con GPS en el mismo formato (Búsquedas; Por ruta de "
     "GPS). ");
constexpr std::string_view H9 =
    " Este programa permite intercambiar datos entre esta página y el Programa OziExplorer. Es decir puedo dibujar "
    "una ruta sobre cartografía o foto aérea y traspasarla mediante Waypoints o Tracks al GPS por medio del "
    "OziExplorer y al contrario realizar una salida con el GPS y mediante el OziEexplorer o Mapsource ver sobre foto "
    "aérea el Track que he grabado.";
constexpr std::string_view H10a = " Solo sirve para Navarra. Todos los datos están en Datum ";
constexpr std::string_view H10b = " y Zona UTM 30T.";
constexpr std::string_view H11 =
    " Elija ED50 en el recuadro Datum SITNA para las listas del visor SITNA anterior al 12 de agosto de 2013 y "
    "ETRS89 para las del visor actual (IDENA); los ficheros en otro datum se transforman al elegido.";
// The shift between datums, and the attribution IGN's licence asks for
// wherever values derived from its grid are shown.
constexpr std::string_view H12 =
    " Cambio de datum con la rejilla oficial del IGN (SPED2ETV2): derivado de datos originales del IGN www.ign.es "
    "CC-BY 4.0";

// How each help text names the list's datum. Ozi files on ETRS89 are
// headed "Datum,WGS 84": the name OziExplorer's menus give that datum.
struct NombresDatum {
    std::string_view ozi;    // H3
    std::string_view lista;  // H7
    std::string_view datos;  // H10
};

constexpr NombresDatum Nombres(DatumLista datum) {
    if (datum == DatumLista::Etrs89) return {"WGS 84", "ETRS89", "ETRS89"};
    return {"European 1950", "ED-50", "European 1950"};
}

std::string Frase(std::string_view antes, std::string_view nombre, std::string_view despues) {
    std::string frase;
    frase.reserve(antes.size() + nombre.size() + despues.size());
    frase.append(antes).append(nombre).append(despues);
    return frase;
}

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
std::string TextoAyudaOzi(DatumLista datum) { return Unidos({Frase(H3a, Nombres(datum).ozi, H3b), H4}); }
std::string TextoAyudaMapsource() { return Unidos({H5, H6}); }
std::string TextoAyudaVarnel(DatumLista datum) {
    const NombresDatum n = Nombres(datum);
    return Unidos({Frase(H7a, n.lista, H7b), H8, H9, Frase(H10a, n.datos, H10b), H11, H12});
}

}  // namespace varnel::textos
