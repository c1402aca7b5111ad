#pragma once

#include "app/message_sink.h"

#include <QStringList>

// Collects the messages the code under test would show in boxes.
class RecordingSink : public smscfg::MessageSink {
public:
    void show(const QString &text) override { messages << text; }
    QStringList messages;
};
