#include "engine/formats/kml_writer.h"

#include "engine/xml/xml_escaping.h"

namespace varnel {

std::string DocumentoKml(const TrazaWgs84& traza) {
    std::string d;
    d.reserve(512 + traza.puntos.size() * 24);
    d += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
         "  <Document>\n    <name>";
    AnadirTextoXml(d, traza.nombre);
    d += "</name>\n    <description>";
    AnadirTextoXml(d, traza.descripcion);
    d += "</description>\n    <Placemark>\n      <name>";
    AnadirTextoXml(d, traza.nombre);
    const bool linea = traza.puntos.size() != 1;
    d += linea ? "</name>\n      <LineString>\n        <tessellate>1</tessellate>\n        <coordinates>\n"
               : "</name>\n      <Point>\n        <coordinates>\n";
    // Longitude first, as KML has it.
    for (const PosicionGeografica& p : traza.puntos) {
        d += "          ";
        AnadirGrados(d, p.longitud);
        d += ',';
        AnadirGrados(d, p.latitud);
        d += '\n';
    }
    d += linea ? "        </coordinates>\n      </LineString>\n" : "        </coordinates>\n      </Point>\n";
    d += "    </Placemark>\n  </Document>\n</kml>\n";
    return d;
}

}  // namespace varnel
