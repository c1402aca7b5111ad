#pragma once

#include "app/message_sink.h"

#include <QStringList>

// Collects the messages the code under test would show in boxes, answers yes
// to its questions, and gives `fileName` when it asks for a file.
class RecordingSink : public smscfg::MessageSink {
public:
    void show(const QString &text) override { messages << text; }
    bool ask(const QString &text, const QString &) override
    {
        questions << text;
        return true;
    }
    QString openFileName(const QString &, const QString &) override { return fileName; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return fileName; }

    QStringList messages;
    QStringList questions;
    QString fileName;
};
