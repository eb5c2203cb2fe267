#pragma once

#include <QPushButton>

namespace varnel {

// A push button as the program's users expect it: Enter or Space on the
// focused button clicks it, and its access key (Alt and the letter) moves the
// focus to it first, then clicks it at once.
class BotonVarnel : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace varnel
