#pragma once

#include <QKeyEvent>

namespace varnel {

// Return, or the keypad's Enter, with no other modifier.
inline bool EsIntro(const QKeyEvent* e) {
    const auto modificadores = e->modifiers() & ~Qt::KeypadModifier;
    return (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && modificadores == Qt::NoModifier;
}

}  // namespace varnel
