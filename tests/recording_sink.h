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
    bool askWithOption(const QString &text, const QString &yes, const QString &, bool *ticked) override
    {
        *ticked = optionTicked;
        return ask(text, yes);
    }
    QString openFileName(const QString &, const QString &folder, const QString &) override
    {
        offered << folder;
        return fileName;
    }
    QString saveFileName(const QString &, const QString &suggested, const QString &) override
    {
        offered << suggested;
        return fileName;
    }

    QStringList messages;
    QStringList questions;
    QString fileName;
    bool optionTicked = false;  // how askWithOption's check box is left
    QStringList offered;        // where each file dialog started
};
