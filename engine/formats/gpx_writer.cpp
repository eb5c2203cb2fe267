#include "engine/formats/gpx_writer.h"

#include "engine/xml/xml_escaping.h"

namespace varnel {

std::string DocumentoGpx(const TrazaWgs84& traza) {
    std::string d;
    d.reserve(512 + traza.puntos.size() * 48);
    d += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"";
    AnadirTextoXml(d, traza.creador);
    d += "\" xmlns=\"http://www.topografix.com/GPX/1/1\""
         " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
         " xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd\">\n"
         "  <metadata>\n    <name>";
    AnadirTextoXml(d, traza.nombre);
    d += "</name>\n    <desc>";
    AnadirTextoXml(d, traza.descripcion);
    d += "</desc>\n  </metadata>\n  <trk>\n    <name>";
    AnadirTextoXml(d, traza.nombre);
    d += "</name>\n    <trkseg>\n";
    for (const PosicionGeografica& p : traza.puntos) {
        d += "      <trkpt lat=\"";
        AnadirGrados(d, p.latitud);
        d += "\" lon=\"";
        AnadirGrados(d, p.longitud);
        d += "\"/>\n";
    }
    d += "    </trkseg>\n  </trk>\n</gpx>\n";
    return d;
}

}  // namespace varnel
