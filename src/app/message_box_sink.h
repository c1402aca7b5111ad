#pragma once

#include "app/message_sink.h"

class QWidget;

namespace smscfg {

// Shows each message in a modal box with one OK button and the
// application's title.
class MessageBoxSink : public MessageSink {
public:
    explicit MessageBoxSink(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    void show(const QString &text) override;

private:
    QWidget *m_parent;
};

}  // namespace smscfg
