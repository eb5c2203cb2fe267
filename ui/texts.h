#pragma once

#include <QString>

// The program's own texts, exactly as the user sees them.
namespace varnel::textos {

inline const QString kTituloPrograma = QStringLiteral("Varnel");
inline const QString kVersion = QStringLiteral("1.00");
inline const QString kTituloVentana = QStringLiteral("Traspaso datos entre  SITNA-OziExplorer");
inline const QString kTituloAyuda = QStringLiteral("Varnel Ayuda");

// Contact and web page behind the two link labels.
inline const QString kCorreoAutor = QStringLiteral("varnel@example.org");
inline const QString kWebSitna = QStringLiteral("https://idena.navarra.es/navegar/");
inline const QString kCreditoAutor = QStringLiteral("Equipo Varnel");

inline const QString kCmdSitnaWpOzi = QStringLiteral("&SITNA a Wp Ozi");
inline const QString kCmdSitnaTrackOzi = QStringLiteral("S&ITNA a Track Ozi");
inline const QString kCmdWpOziSitna = QStringLiteral("Ozi &Wp a SITNA");
inline const QString kCmdTrackOziSitna = QStringLiteral(" Ozi &Track a SITNA");
inline const QString kCmdMapsourceSitna = QStringLiteral("&Mapsource a SITNA");

inline const QString kAyudaT1 = QStringLiteral("De \"Sitna-Descargar.txt\" a  \"Sitna-OziWp.txt\"");
inline const QString kAyudaT2 = QStringLiteral("De \"Sitna-Descargar.txt\" a  \"Sitna-OziTrack.txt\"");
inline const QString kAyudaT3 = QStringLiteral("De \"Sitna-OziWp.txt\"       a '\"Sitna-Descargar.txt\" ");
inline const QString kAyudaT4 = QStringLiteral("De \"Sitna-OziTrack.txt\"   a '\"Sitna-Descargar.txt\" ");
inline const QString kAyudaT5 = QStringLiteral("De \"Sitna-Mapsource.txt\" a '\"Sitna-Descargar.txt\" ");
inline const QString kAyudaCopiar = QStringLiteral("Copiar al Portapapeles");
inline const QString kAyudaPegar = QStringLiteral("Pegar del Portapapeles");
inline const QString kAyudaAyuda = QStringLiteral("Ayuda");
inline const QString kAyudaSalir = QStringLiteral("Salir de la aplicación");
inline const QString kUsarCuadro = QStringLiteral("Usar Cuadro Descargar en lugar de ficheros");

inline const QString kFormatoGarmin = QStringLiteral("Formato Garmin Waypoints");
inline const QString kOption1 = QStringLiteral("Nombre y Símbolo");
inline const QString kOption2 = QStringLiteral("Sólo Símbolo");
inline const QString kOption3 = QStringLiteral("Símbolo + Comentario");
inline const QString kCarpetaIntercambio = QStringLiteral("Carpeta de Intercambio");
// The drive list's name for screen readers.
inline const QString kUnidad = QStringLiteral("Unidad");
inline const QString kCuadroDescargar = QStringLiteral("Cuadro Descargar");
inline const QString kMensajes = QStringLiteral("Mensajes");
inline const QString kEnlaces = QStringLiteral("Enlaces");
inline const QString kEmailAutor = QStringLiteral("e-mail autor:");
inline const QString kSitna = QStringLiteral("SITNA:");

// Help window.
inline const QString kAceptar = QStringLiteral("Aceptar");
inline const QString kProgramaVersion = QStringLiteral("Programa Varnel V. 1.0");
inline const QString kCabeceraMapsource = QStringLiteral("Sitna-Mapsource.txt");
inline const QString kCabeceraOzi = QStringLiteral("Sitna-OziWp.txt  y Sitna-OziTrack.txt ");
inline const QString kCabeceraDescargar = QStringLiteral("Sitna-Descargar.txt");

// The four help texts, each made of its pieces joined by CR LF.
QString TextoAyudaDescargar();
QString TextoAyudaOzi();
QString TextoAyudaMapsource();
QString TextoAyudaVarnel();

}  // namespace varnel::textos
