#include "ui/win32/drawing_painter.h"

#include <string>
#include <vector>

#include "ui/win32/win_text.h"

namespace varnel::win {
namespace {

Gdiplus::Color Gc(logica::Color c, BYTE alfa = 255) { return {alfa, c.r, c.g, c.b}; }
Gdiplus::PointF Gp(logica::PuntoPx p) { return {p.x, p.y}; }

void Marca(Gdiplus::Graphics& g, logica::PuntoPx en, logica::Color color) {
    const float r = logica::kRadioMarca;
    Gdiplus::SolidBrush relleno(Gc(color));
    Gdiplus::Pen borde(Gdiplus::Color(255, 255, 255, 255), 1.5F);
    g.FillEllipse(&relleno, en.x - r, en.y - r, 2 * r, 2 * r);
    g.DrawEllipse(&borde, en.x - r, en.y - r, 2 * r, 2 * r);
}

void Texto(Gdiplus::Graphics& g, const std::string& t, const Gdiplus::Font& f, logica::Color c, float x, float y) {
    const std::wstring w = Ancho(t);
    Gdiplus::SolidBrush pincel(Gc(c));
    g.DrawString(w.c_str(), static_cast<INT>(w.size()), &f, Gdiplus::PointF(x, y), &pincel);
}

// The PNG encoder's class, looked up among GDI+'s encoders.
bool ClasePng(CLSID& clase) {
    UINT n = 0;
    UINT bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&n, &bytes) != Gdiplus::Ok || bytes == 0) return false;
    std::vector<BYTE> memoria(bytes);
    auto* codificadores = reinterpret_cast<Gdiplus::ImageCodecInfo*>(memoria.data());
    if (Gdiplus::GetImageEncoders(n, bytes, codificadores) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < n; ++i)
        if (std::wstring(codificadores[i].MimeType) == L"image/png") {
            clase = codificadores[i].Clsid;
            return true;
        }
    return false;
}

}  // namespace

bool IniciarGdiPlus() {
    static const bool iniciado = [] {
        ULONG_PTR testigo = 0;  // never shut down: the program's windows use it until it ends
        Gdiplus::GdiplusStartupInput entrada;
        return Gdiplus::GdiplusStartup(&testigo, &entrada, nullptr) == Gdiplus::Ok;
    }();
    return iniciado;
}

void PintarDibujo(Gdiplus::Graphics& g, const logica::Primitivas& d) {
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    Gdiplus::SolidBrush fondo(Gc(logica::kColorFondo));
    g.FillRectangle(&fondo, 0, 0, d.ancho, d.alto);

    // The system's message font, as the window's texts: GDI+ may know no
    // font by name (Wine's lists none of its own).
    NONCLIENTMETRICSW metricas{};
    metricas.cbSize = sizeof metricas;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metricas, &metricas, 0);
    HDC pantalla = GetDC(nullptr);
    const Gdiplus::Font fuente(pantalla, &metricas.lfMessageFont);
    ReleaseDC(nullptr, pantalla);
    const float altoTexto = fuente.GetHeight(&g);
    Gdiplus::Pen rejilla(Gc(logica::kColorRejilla), 1.0F);
    for (const logica::LineaRejilla& l : d.rejilla) {
        if (l.vertical) {
            g.DrawLine(&rejilla, l.pos, 0.0F, l.pos, static_cast<float>(d.alto));
            Texto(g, l.rotulo, fuente, logica::kColorRotulo, l.pos + 2, 2);
        } else {
            g.DrawLine(&rejilla, 0.0F, l.pos, static_cast<float>(d.ancho), l.pos);
            Texto(g, l.rotulo, fuente, logica::kColorRotulo, 2, l.pos - altoTexto - 1);
        }
    }

    if (d.traza.size() > 1) {
        std::vector<Gdiplus::PointF> puntos;
        puntos.reserve(d.traza.size());
        for (const logica::PuntoPx& p : d.traza) puntos.push_back(Gp(p));
        Gdiplus::Pen traza(Gc(logica::kColorTraza), logica::kGrosorTraza);
        traza.SetLineJoin(Gdiplus::LineJoinRound);
        traza.SetStartCap(Gdiplus::LineCapRound);
        traza.SetEndCap(Gdiplus::LineCapRound);
        g.DrawLines(&traza, puntos.data(), static_cast<INT>(puntos.size()));
    }
    // The end under the start: a closed walk shows where it began.
    if (d.fin) Marca(g, *d.fin, logica::kColorFin);
    if (d.inicio) Marca(g, *d.inicio, logica::kColorInicio);
    if (d.resaltado) {
        const float r = logica::kRadioMarca + 2;
        Gdiplus::Pen anillo(Gc(logica::kColorResaltado), 2.5F);
        g.DrawEllipse(&anillo, d.resaltado->x - r, d.resaltado->y - r, 2 * r, 2 * r);
    }

    const logica::BarraEscala& e = d.escala;
    Gdiplus::Pen barra(Gc(logica::kColorEscala), 2.0F);
    g.DrawLine(&barra, e.desde.x, e.desde.y, e.desde.x + e.largo, e.desde.y);
    g.DrawLine(&barra, e.desde.x, e.desde.y, e.desde.x, e.desde.y - 5);
    g.DrawLine(&barra, e.desde.x + e.largo, e.desde.y, e.desde.x + e.largo, e.desde.y - 5);
    Texto(g, e.rotulo, fuente, logica::kColorEscala, e.desde.x + e.largo + 6, e.desde.y - altoTexto + 2);

    if (!d.rotulo.empty()) {
        const std::wstring w = Ancho(d.rotulo);
        Gdiplus::RectF medida;
        g.MeasureString(w.c_str(), static_cast<INT>(w.size()), &fuente, Gdiplus::PointF(0, 0), &medida);
        Gdiplus::SolidBrush papel(Gdiplus::Color(255, 255, 255, 225));
        Gdiplus::Pen borde(Gc(logica::kColorRotulo), 1.0F);
        g.FillRectangle(&papel, 6.0F, 6.0F, medida.Width + 8, medida.Height + 4);
        g.DrawRectangle(&borde, 6.0F, 6.0F, medida.Width + 8, medida.Height + 4);
        Texto(g, d.rotulo, fuente, {0, 0, 0}, 10, 8);
    }
    if (!d.aviso.empty()) {
        const std::wstring w = Ancho(d.aviso);
        Gdiplus::StringFormat centro;
        centro.SetAlignment(Gdiplus::StringAlignmentCenter);
        centro.SetLineAlignment(Gdiplus::StringAlignmentCenter);
        Gdiplus::SolidBrush pincel(Gc(logica::kColorRotulo));
        g.DrawString(w.c_str(), static_cast<INT>(w.size()), &fuente,
                     Gdiplus::RectF(0, 0, static_cast<float>(d.ancho), static_cast<float>(d.alto)), &centro, &pincel);
    }
}

std::unique_ptr<Gdiplus::Bitmap> ImagenDibujo(const logica::Primitivas& d) {
    auto imagen = std::make_unique<Gdiplus::Bitmap>(std::max(d.ancho, 1), std::max(d.alto, 1), PixelFormat32bppARGB);
    Gdiplus::Graphics g(imagen.get());
    PintarDibujo(g, d);
    return imagen;
}

bool GuardarPng(const logica::Primitivas& d, const std::filesystem::path& ruta) {
    CLSID png{};
    if (!IniciarGdiPlus() || !ClasePng(png)) return false;
    std::filesystem::path temporal = ruta;
    temporal += L".tmp";
    if (ImagenDibujo(d)->Save(temporal.c_str(), &png, nullptr) != Gdiplus::Ok) {
        DeleteFileW(temporal.c_str());
        return false;
    }
    if (MoveFileExW(temporal.c_str(), ruta.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    DeleteFileW(temporal.c_str());
    return false;
}

}  // namespace varnel::win
