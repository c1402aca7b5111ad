#pragma once

#include <QPushButton>

namespace smscfg {

// A push button whose caption wraps onto a second line when it is wider than
// the button; text() stays the caption as given.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

}  // namespace smscfg
