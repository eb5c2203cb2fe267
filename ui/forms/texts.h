#pragma once

#include <string>
#include <string_view>

#include "engine/geodesy/list_datum.h"
#include "ui/forms/version.h"

// The program's own texts, exactly as the user sees them (UTF-8).
namespace varnel::textos {

inline constexpr std::string_view kTituloPrograma = "Varnel";
inline constexpr std::string_view kVersion = VARNEL_VERSION;
inline constexpr std::string_view kTituloVentana = "Traspaso datos entre  SITNA-OziExplorer";
inline constexpr std::string_view kTituloAyuda = "Varnel Ayuda";

// Contact and web page behind the two link labels.
inline constexpr std::string_view kCorreoAutor = "varnel@example.org";
inline constexpr std::string_view kWebSitna = "https://idena.navarra.es/navegar/";
inline constexpr std::string_view kCreditoAutor = "Equipo Varnel";

// The Cuadro Descargar's context menu, after the toolkit's own entries.
inline constexpr std::string_view kGuardarGpx = "Guardar como GPX…";
inline constexpr std::string_view kGuardarKml = "Guardar como KML…";
inline constexpr std::string_view kGuardarKmz = "Guardar como KMZ…";
inline constexpr std::string_view kVerDibujo = "Ver dibujo de la lista…";

// The drawing of the list (Ctrl+D or the box's menu).
inline constexpr std::string_view kTituloDibujo = "Dibujo de la lista";
inline constexpr std::string_view kAjustar = "Ajustar";
inline constexpr std::string_view kGuardarImagen = "Guardar imagen…";
inline constexpr std::string_view kImagenNoGuardada = "No se pudo guardar la imagen";

inline constexpr std::string_view kCmdSitnaWpOzi = "&SITNA a Wp Ozi";
inline constexpr std::string_view kCmdSitnaTrackOzi = "S&ITNA a Track Ozi";
inline constexpr std::string_view kCmdWpOziSitna = "Ozi &Wp a SITNA";
inline constexpr std::string_view kCmdTrackOziSitna = " Ozi &Track a SITNA";
inline constexpr std::string_view kCmdMapsourceSitna = "&Mapsource a SITNA";

inline constexpr std::string_view kAyudaT1 = "De \"Sitna-Descargar.txt\" a  \"Sitna-OziWp.txt\"";
inline constexpr std::string_view kAyudaT2 = "De \"Sitna-Descargar.txt\" a  \"Sitna-OziTrack.txt\"";
inline constexpr std::string_view kAyudaT3 = "De \"Sitna-OziWp.txt\"       a '\"Sitna-Descargar.txt\" ";
inline constexpr std::string_view kAyudaT4 = "De \"Sitna-OziTrack.txt\"   a '\"Sitna-Descargar.txt\" ";
inline constexpr std::string_view kAyudaT5 = "De \"Sitna-Mapsource.txt\" a '\"Sitna-Descargar.txt\" ";
inline constexpr std::string_view kAyudaCopiar = "Copiar al Portapapeles";
inline constexpr std::string_view kAyudaPegar = "Pegar del Portapapeles";
inline constexpr std::string_view kAyudaAyuda = "Ayuda";
inline constexpr std::string_view kAyudaSalir = "Salir de la aplicación";
inline constexpr std::string_view kUsarCuadro = "Usar Cuadro Descargar en lugar de ficheros";

inline constexpr std::string_view kFormatoGarmin = "Formato Garmin Waypoints";
inline constexpr std::string_view kOption1 = "Nombre y Símbolo";
inline constexpr std::string_view kOption2 = "Sólo Símbolo";
inline constexpr std::string_view kOption3 = "Símbolo + Comentario";
inline constexpr std::string_view kDatumSitna = "Datum SITNA";
inline constexpr std::string_view kOptionEd50 = "&ED50";
inline constexpr std::string_view kOptionEtrs89 = "ET&RS89";
inline constexpr std::string_view kAyudaEd50 = "Lista SITNA en ED50 (visor SITNA anterior al 12 de agosto de 2013)";
inline constexpr std::string_view kAyudaEtrs89 = "Lista SITNA en ETRS89 (visor SITNA actual, IDENA)";
inline constexpr std::string_view kCarpetaIntercambio = "Carpeta de Intercambio";
// The drive list's name for screen readers.
inline constexpr std::string_view kUnidad = "Unidad";
inline constexpr std::string_view kCuadroDescargar = "Cuadro Descargar";
inline constexpr std::string_view kMensajes = "Mensajes";
inline constexpr std::string_view kEnlaces = "Enlaces";
inline constexpr std::string_view kEmailAutor = "e-mail autor:";
inline constexpr std::string_view kSitna = "SITNA:";

// Help window.
inline constexpr std::string_view kAceptar = "Aceptar";
inline constexpr std::string_view kProgramaVersion = "Programa Varnel V. 1.0";
inline constexpr std::string_view kCabeceraMapsource = "Sitna-Mapsource.txt";
inline constexpr std::string_view kCabeceraOzi = "Sitna-OziWp.txt  y Sitna-OziTrack.txt ";
inline constexpr std::string_view kCabeceraDescargar = "Sitna-Descargar.txt";

// The four help texts, each made of its pieces joined by CR LF. Two of them
// name the datum the SITNA list is on.
std::string TextoAyudaDescargar();
std::string TextoAyudaOzi(DatumLista datum);
std::string TextoAyudaMapsource();
std::string TextoAyudaVarnel(DatumLista datum);

}  // namespace varnel::textos
