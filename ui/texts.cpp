#include "texts.h"

#include <QStringList>

namespace varnel::textos {
namespace {

const QString H1 = QStringLiteral(
    " Es un fichero de texto que se obtiene directamente de la página Web del SITNA con la opción 'GPS dibujar la "
    "ruta a descargar', pegando el contenido del portapapeles a un editor de texto (como el Block de notas) y "
    "guardándolo con ese nombre.");
const QString H2 = QStringLiteral(
    " Se usa también para ver en el SITNA ficheros de Waypoints y de Tracks de OziExplorer o Tracks de Mapsource en "
    "formato texto. Además se puede intercambiar datos directamente del portapapeles sin usar estos ficheros con el "
    "cuadro Descargar");
const QString H3 = QStringLiteral(
    " Son ficheros de texto obtenidos desde el programa Oziexplorer(3.90.3) con la opción 'Guardar Archivos: "
    "Exportar Waypoints a Archivo Texto y Exportar Tracks a Archivo Texto (Datum=European 1950, Formato=UTM)' "
    "respectivamente y guardándolos con esos nombres.");
const QString H4 = QStringLiteral(
    " Se usan también para Importar en Oziexplorer con la opcion 'Cargar Archivos: Importar Waypoints (o Tracks) de "
    "Archivo Texto'. Además se puede intercambiar datos directamente del portapapeles sin usar el archivo "
    "Sitna-Descargar.txt");
const QString H5 = QStringLiteral(
    " Es un fichero de texto obtenido desde el programa Mapsource(4.06) con la opción de menú  'File: Export: "
    "Guardar como tipo de archivo (Text tab delimited)' y guardándolo con ese nombre.");
const QString H6 = QStringLiteral(" El programa lee todas las líneas de track y los une como si fuera un solo track.");
const QString H7 = QStringLiteral(
    " La página Web del SITNA (Servicio de Información Territorial de Navarra) permite (sobre cartografía, ortofotos "
    "y fotos de satélite) diseñar gráficamente rutas GPS en formato 'coordenada X e Y en cada fila separadas por "
    "comas (Datum ED-50)' y copiarlo al portapapeles.");
const QString H8 = QStringLiteral(
    " Así mismo se puede dibujar sobre él una ruta realizada con GPS en el mismo formato (Búsquedas; Por ruta de "
    "GPS). ");
const QString H9 = QStringLiteral(
    " Este programa permite intercambiar datos entre esta página y el Programa OziExplorer. Es decir puedo dibujar "
    "una ruta sobre cartografía o foto aérea y traspasarla mediante Waypoints o Tracks al GPS por medio del "
    "OziExplorer y al contrario realizar una salida con el GPS y mediante el OziEexplorer o Mapsource ver sobre foto "
    "aérea el Track que he grabado.");
const QString H10 =
    QStringLiteral(" Solo sirve para Navarra. Todos los datos están en Datum European 1950 y Zona UTM 30T.");

const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

QString TextoAyudaDescargar() { return QStringList{H1, H2}.join(kCrLf); }
QString TextoAyudaOzi() { return QStringList{H3, H4}.join(kCrLf); }
QString TextoAyudaMapsource() { return QStringList{H5, H6}.join(kCrLf); }
QString TextoAyudaVarnel() { return QStringList{H7, H8, H9, H10}.join(kCrLf); }

}  // namespace varnel::textos
