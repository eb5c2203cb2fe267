#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace varnel {

// A loosely typed value: text, or a number as read from a file.
class Valor {
public:
    Valor() = default;
    static Valor Texto(std::string t) { return Valor(std::move(t)); }
    static Valor Numero(double n) { return Valor(n); }
    // Makes the value this text, reusing the value's own buffer.
    void PonerTexto(std::string_view t) {
        if (auto* s = std::get_if<std::string>(&dato_))
            s->assign(t);
        else
            dato_.emplace<std::string>(t);
    }

    // The number this value stands for: the number itself, or text that reads as one.
    std::optional<double> ComoNumero() const;
    // How the value reads as text: text unchanged, a number in plain digits
    // with a full stop for any fraction.
    std::string ComoTexto() const;
    // The same, appended to `salida`.
    void AnadirTexto(std::string& salida) const;

    // The number itself when the value holds one (not text that reads as one).
    const double* SiNumero() const { return std::get_if<double>(&dato_); }

    bool operator==(const Valor&) const = default;

private:
    explicit Valor(std::string t) : dato_(std::move(t)) {}
    explicit Valor(double n) : dato_(n) {}
    std::variant<std::string, double> dato_;
};

// Reads `texto` as a decimal number: optional sign, digits with an optional
// full stop and fraction, optional exponent; blanks around it are allowed.
// Anything else, or a value out of range, is not a number.
std::optional<double> LeerNumero(std::string_view texto);

// The plain text of a number, never with an exponent: whole numbers as their
// digits, others in the shortest decimals that read back the same, with a
// full stop.
std::string TextoNumero(double n);

// The "000000"/"0000000" formats: rounded half away from zero to a whole
// number, zero-filled to `digitos`, never cut. Text that does not read as a
// number is passed through unchanged.
// A whole number under 10^15 as its digits, without the sign. Both the
// value's text and its zero-filled format are these digits, so a writer that
// needs the two formats the number once.
struct CifrasEntero {
    std::array<char, 16> cifras{};  // the digits at its end, from `inicio`
    std::uint8_t inicio = 0;
    bool negativo = false;  // never for zero, -0 included
    std::size_t Largo() const { return cifras.size() - inicio; }
    std::string_view Digitos() const { return {cifras.data() + inicio, Largo()}; }
};
// Nothing for text, fractions, and numbers too large or not finite.
std::optional<CifrasEntero> CifrasDeEntero(const Valor& v);

std::string FormatoCeros(const Valor& v, int digitos);
// The same, appended to `salida` (a writer's reused line).
void AnadirFormatoCeros(std::string& salida, const Valor& v, int digitos);

}  // namespace varnel
