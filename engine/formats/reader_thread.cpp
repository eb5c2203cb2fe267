#include "engine/formats/reader_thread.h"

#include <system_error>
#include <utility>

namespace varnel {
namespace {

// Points handed over at a time, and how many such batches may wait: enough
// to keep both threads busy, little memory whatever the file's size.
constexpr std::size_t kLote = 512;
constexpr std::size_t kLotesEnEspera = 4;

}  // namespace

LectorEnHilo::LectorEnHilo(std::unique_ptr<LectorPuntosFichero> lector)
    : lector_(std::move(lector)), ruta_(lector_->Ubicacion().fichero) {
    try {
        hilo_ = std::thread([this] { Leer(); });
    } catch (const std::system_error&) {
        // A system out of threads is one out of memory: the run ends with
        // the file it was about to read named.
        throw ErrorEjecucion::SobreFichero(codigo::MemoriaInsuficiente, ruta_);
    }
}

LectorEnHilo::~LectorEnHilo() {
    {
        const std::lock_guard l(m_);
        parar_ = true;
    }
    cambio_.notify_all();
    hilo_.join();  // the reader is destroyed only once its thread is done with it
}

void LectorEnHilo::Leer() {
    Lote lote;
    lote.reserve(kLote);
    try {
        PuntoFichero p;
        while (lector_->Siguiente(p)) {
            lote.push_back({std::move(p), lector_->NumeroLinea()});
            if (lote.size() == kLote && !Entregar(lote)) return;
        }
        const std::lock_guard l(m_);
        if (!lote.empty()) listos_.push_back(std::move(lote));
        terminado_ = true;
    } catch (...) {
        const std::lock_guard l(m_);
        if (!lote.empty()) listos_.push_back(std::move(lote));  // the points before the error go out first
        fallo_ = std::current_exception();
        lineaFallo_ = lector_->NumeroLinea();
        terminado_ = true;
    }
    cambio_.notify_all();
}

// An emptied batch back from the taker, or a new one: batches go round
// instead of being allocated for every few hundred points. Under `m_`.
LectorEnHilo::Lote LectorEnHilo::TomarLibre() {
    Lote lote;
    if (!libres_.empty()) {
        lote = std::move(libres_.back());
        libres_.pop_back();
    }
    lote.clear();
    lote.reserve(kLote);
    return lote;
}

// False when nobody takes any more.
bool LectorEnHilo::Entregar(Lote& lote) {
    {
        std::unique_lock l(m_);
        cambio_.wait(l, [this] { return parar_ || listos_.size() < kLotesEnEspera; });
        if (parar_) return false;
        listos_.push_back(std::move(lote));
        lote = TomarLibre();
    }
    cambio_.notify_all();
    return true;
}

bool LectorEnHilo::Siguiente(PuntoFichero& p) {
    while (tomados_ == lote_.size()) {
        std::unique_lock l(m_);
        cambio_.wait(l, [this] { return !listos_.empty() || terminado_; });
        if (listos_.empty()) {
            if (!fallo_) return false;
            linea_ = lineaFallo_;
            std::rethrow_exception(fallo_);
        }
        libres_.push_back(std::move(lote_));
        lote_ = std::move(listos_.front());
        listos_.pop_front();
        tomados_ = 0;
        l.unlock();
        cambio_.notify_all();
    }
    Leido& leido = lote_[tomados_++];
    p = std::move(leido.punto);
    linea_ = leido.linea;
    return true;
}

}  // namespace varnel
