#include "engine/core/value.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "engine/core/blanks.h"

namespace varnel {
namespace {

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

constexpr double kPotencias10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

}  // namespace

std::optional<double> LeerNumero(std::string_view t) {
    t = SinBlancos(t);
    if (t.empty()) return std::nullopt;

    // The usual coordinates, digits with at most one full stop and 15 digits
    // in all, in one pass: the digits as a whole number are exact in a
    // double, and one division by an exact power of ten is correctly rounded.
    if (t.size() <= 16) {
        std::int64_t m = 0;
        int decimales = -1;
        int cifras = 0;
        std::size_t j = 0;
        for (; j < t.size(); ++j) {
            const char c = t[j];
            if (EsDigito(c)) {
                m = m * 10 + (c - '0');
                ++cifras;
                if (decimales >= 0) ++decimales;
            } else if (c == '.' && decimales < 0) {
                decimales = 0;
            } else {
                break;
            }
        }
        if (j == t.size() && cifras > 0 && cifras <= 15)
            return decimales > 0 ? static_cast<double>(m) / kPotencias10[decimales] : static_cast<double>(m);
    }

    // Check the shape ourselves: from_chars alone would accept "inf", "nan"
    // and hexadecimal forms, and rejects a leading '+'.
    std::size_t i = 0;
    bool negativo = false;
    if (t[i] == '+' || t[i] == '-') negativo = t[i++] == '-';
    const std::size_t inicio = i;
    std::size_t digitos = 0;
    while (i < t.size() && EsDigito(t[i])) ++i, ++digitos;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && EsDigito(t[i])) ++i, ++digitos;
    }
    if (digitos == 0) return std::nullopt;
    if (i == t.size() && digitos <= 15) {
        // Decimals of up to 15 digits: the digits as a whole number, exact in
        // a double, divided by an exact power of ten is correctly rounded.
        std::int64_t m = 0;
        int decimales = -1;
        for (std::size_t j = inicio; j < t.size(); ++j) {
            if (t[j] == '.') {
                decimales = 0;
                continue;
            }
            m = m * 10 + (t[j] - '0');
            if (decimales >= 0) ++decimales;
        }
        const double n = decimales > 0 ? static_cast<double>(m) / kPotencias10[decimales] : static_cast<double>(m);
        return negativo ? -n : n;
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        if (j == t.size() || !EsDigito(t[j])) return std::nullopt;
        while (j < t.size() && EsDigito(t[j])) ++j;
        i = j;
    }
    if (i != t.size()) return std::nullopt;

    double n = 0;
    const auto r = std::from_chars(t.data() + inicio, t.data() + t.size(), n);
    if (r.ec != std::errc{} || r.ptr != t.data() + t.size() || !std::isfinite(n)) return std::nullopt;
    return negativo ? -n : n;
}

namespace {

void AnadirNumero(std::string& s, double n) {
    if (n == 0) {
        s += '0';  // also -0
        return;
    }
    char buf[400];
    if (std::nearbyint(n) == n) {
        if (std::fabs(n) < 1e15) {
            const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<std::int64_t>(n));
            s.append(buf, r.ptr);
            return;
        }
        // Every digit of a large whole number, never an exponent.
        const int largo = std::snprintf(buf, sizeof buf, "%.0f", n);
        s.append(buf, static_cast<std::size_t>(largo));
        return;
    }
    // The shortest text that reads back the same, in plain decimals.
    const auto r = std::to_chars(buf, buf + sizeof buf, n, std::chars_format::fixed);
    s.append(buf, r.ptr);
}

}  // namespace

std::string TextoNumero(double n) {
    std::string s;
    AnadirNumero(s, n);
    return s;
}

std::optional<double> Valor::ComoNumero() const {
    if (const auto* n = std::get_if<double>(&dato_)) return *n;
    return LeerNumero(std::get<std::string>(dato_));
}

std::string Valor::ComoTexto() const {
    if (const auto* n = std::get_if<double>(&dato_)) return TextoNumero(*n);
    return std::get<std::string>(dato_);
}

void Valor::AnadirTexto(std::string& salida) const {
    if (const auto* n = std::get_if<double>(&dato_))
        AnadirNumero(salida, *n);
    else
        salida += std::get<std::string>(dato_);
}

namespace {

constexpr std::array<char, 200> kParesCifras = [] {
    std::array<char, 200> t{};
    for (std::size_t i = 0; i < 100; ++i) {
        t[2 * i] = static_cast<char>('0' + i / 10);
        t[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return t;
}();

// The digits of `n` at the end of `cifras`; where they start.
template <typename Entero>
std::size_t PonerCifras(std::array<char, 16>& cifras, Entero n) {
    std::size_t i = cifras.size();
    while (n >= 100) {
        const auto par = static_cast<std::size_t>(n % 100) * 2;
        n /= 100;
        i -= 2;
        cifras[i] = kParesCifras[par];
        cifras[i + 1] = kParesCifras[par + 1];
    }
    if (n >= 10) {
        const auto par = static_cast<std::size_t>(n) * 2;
        i -= 2;
        cifras[i] = kParesCifras[par];
        cifras[i + 1] = kParesCifras[par + 1];
    } else {
        cifras[--i] = static_cast<char>('0' + n);
    }
    return i;
}

}  // namespace

std::optional<CifrasEntero> CifrasDeEntero(const Valor& v) {
    const double* n = v.SiNumero();
    // The same test AnadirNumero makes, so the digits are the ones it writes.
    if (n == nullptr || !(std::fabs(*n) < 1e15) || std::nearbyint(*n) != *n) return std::nullopt;
    CifrasEntero c;
    c.negativo = *n < 0;
    // Two digits at a time from the end of the buffer, in 32 bits when the
    // number fits them (eastings and northings do): the division is cheaper.
    const auto entero = static_cast<std::uint64_t>(std::fabs(*n));
    const std::size_t i = entero <= UINT32_MAX ? PonerCifras(c.cifras, static_cast<std::uint32_t>(entero))
                                               : PonerCifras(c.cifras, entero);
    c.inicio = static_cast<std::uint8_t>(i);
    return c;
}

std::string FormatoCeros(const Valor& v, int digitos) {
    std::string s;
    AnadirFormatoCeros(s, v, digitos);
    return s;
}

void AnadirFormatoCeros(std::string& salida, const Valor& v, int digitos) {
    const auto n = v.ComoNumero();
    if (!n) return v.AnadirTexto(salida);
    const double entero = std::round(*n);  // halves away from zero
    char buf[400];
    std::size_t largo;
    if (std::fabs(entero) < 1e15) {
        const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<std::int64_t>(std::fabs(entero)));
        largo = static_cast<std::size_t>(r.ptr - buf);
    } else {
        largo = static_cast<std::size_t>(std::snprintf(buf, sizeof buf, "%.0f", std::fabs(entero)));
    }
    if (entero < 0) salida += '-';
    if (largo < static_cast<std::size_t>(digitos)) salida.append(static_cast<std::size_t>(digitos) - largo, '0');
    salida.append(buf, largo);
}

}  // namespace varnel
