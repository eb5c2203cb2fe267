#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <filesystem>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/formats/point_reader.h"

namespace varnel {

// Runs a reader on a thread of its own, a few batches of points ahead of
// whoever takes them: a big file's parsing goes on while the points before
// are converted and written. The points, their lines and the reader's error
// come out as the reader gives them, in the same order and at the same place;
// destroying it early stops the reader.
class LectorEnHilo final : public LectorPuntosFichero {
public:
    // Throws error 7 naming the file when no thread can be started.
    explicit LectorEnHilo(std::unique_ptr<LectorPuntosFichero> lector);
    ~LectorEnHilo() override;
    LectorEnHilo(const LectorEnHilo&) = delete;
    LectorEnHilo& operator=(const LectorEnHilo&) = delete;

    bool Siguiente(PuntoFichero& p) override;
    UbicacionLinea Ubicacion() const override { return {linea_, ruta_}; }
    std::int64_t NumeroLinea() const override { return linea_; }

private:
    struct Leido {
        PuntoFichero punto;
        std::int64_t linea;
    };
    using Lote = std::vector<Leido>;

    void Leer();  // the reading thread
    bool Entregar(Lote& lote);
    Lote TomarLibre();

    std::unique_ptr<LectorPuntosFichero> lector_;
    std::filesystem::path ruta_;

    // Shared with the reading thread, under `m_`.
    std::mutex m_;
    std::condition_variable cambio_;
    std::deque<Lote> listos_;
    std::vector<Lote> libres_;  // taken, to be filled again
    bool terminado_ = false;    // the reader gave its last point, or failed
    bool parar_ = false;        // nobody takes any more
    std::exception_ptr fallo_;
    std::int64_t lineaFallo_ = 0;

    // The taker's own.
    Lote lote_;
    std::size_t tomados_ = 0;
    std::int64_t linea_ = 0;

    std::thread hilo_;  // started once everything above exists
};

}  // namespace varnel
