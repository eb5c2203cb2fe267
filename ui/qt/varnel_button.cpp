#include "ui/qt/varnel_button.h"

#include <QKeyEvent>
#include <QShortcutEvent>

#include "ui/qt/enter_key.h"

namespace varnel {

bool BotonVarnel::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut && isEnabled()) {
        // Qt would click later from a timer and leave the focus where it is;
        // moving the focus first lets the folder list commit its highlight.
        setFocus(Qt::ShortcutFocusReason);
        click();
        return true;
    }
    return QPushButton::event(e);
}

void BotonVarnel::keyPressEvent(QKeyEvent* e) {
    // Outside a dialog QPushButton ignores Enter, the keypad's too.
    if (EsIntro(e)) {
        click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

}  // namespace varnel
