#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

// "Abrir con" on several selected files: for a verb that is a command line,
// Explorer starts that command once per file, all within a moment, so each
// start holds one file. The first start of the user's program keeps the
// receiver; every later start with files hands them to it and ends. The
// receiver gathers what arrives into one drop, ordered by when each start was
// made (the order Explorer made them in), once nothing more has come for a
// short while.
namespace varnel::win {

class ReceptorFicheros {
public:
    using SoltarFn = std::function<void(const std::vector<std::filesystem::path>&)>;

    // The receiver of this user's desktop, unless another start already is
    // one (Primero() is then false and nothing is received here).
    explicit ReceptorFicheros(SoltarFn soltar);
    ~ReceptorFicheros();
    ReceptorFicheros(const ReceptorFicheros&) = delete;
    ReceptorFicheros& operator=(const ReceptorFicheros&) = delete;

    bool Primero() const { return ventana_ != nullptr; }
    // Files of the start made at `inicio` (this one's, or a later one's).
    void Anadir(std::uint64_t inicio, std::vector<std::filesystem::path> ficheros);

private:
    static LRESULT CALLBACK Procedimiento(HWND h, UINT m, WPARAM w, LPARAM l);
    void Soltar();

    struct Llegada {
        std::uint64_t inicio;
        std::size_t orden;
        std::vector<std::filesystem::path> ficheros;
    };
    HANDLE nombre_ = nullptr;
    HWND ventana_ = nullptr;
    SoltarFn soltar_;
    std::vector<Llegada> llegadas_;
};

// When this start was made, in 100 ns units.
std::uint64_t InicioDeEsteProceso();

// From a later start: hands `ficheros` to the receiver, waiting a few seconds
// for the first start to make it; false when none took them.
bool EntregarAlReceptor(const std::vector<std::filesystem::path>& ficheros);

}  // namespace varnel::win
