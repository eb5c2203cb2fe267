#pragma once

#include <QGroupBox>

namespace varnel {

// A frame as designed: its caption stands on its top border, whatever the Qt
// style (some draw it above the box and push the border down, into the
// controls it should frame).
class MarcoVarnel : public QGroupBox {
    Q_OBJECT
public:
    explicit MarcoVarnel(const QString& titulo, QWidget* padre = nullptr);
    // The y of the top border: the middle of the caption.
    int BordeSuperior() const;

protected:
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace varnel
