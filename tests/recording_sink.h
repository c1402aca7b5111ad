#pragma once

#include "app/message_sink.h"

#include <QStringList>

// Collects the messages the code under test would show in boxes, answers its
// questions with `answer`, and gives `fileName` when it asks for a file.
class RecordingSink : public smscfg::MessageSink {
public:
    void show(const QString &text) override { messages << text; }
    bool ask(const QString &text, const QString &) override
    {
        questions << text;
        return answer;
    }
    QString openFileName(const QString &, const QString &) override { return fileName; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return fileName; }

    QStringList messages;
    QStringList questions;
    bool answer = true;
    QString fileName;
};
