#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>

#include <unistd.h>

// Ends the program once `widget` has painted for the first time and that
// paint has reached the screen: what an operator waits for when the window
// starts. It ends at once, without tearing anything down, so that only the
// way to the first paint is measured.
class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QObject *widget) : QObject(widget) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, [] { ::_exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_done = false;
};
