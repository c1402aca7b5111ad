#pragma once

#include <QPushButton>

namespace smscfg {

// A push button whose caption wraps when it is wider than the button: at its
// spaces, or a caption without any in two halves; text() stays the caption
// as given.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

}  // namespace smscfg
