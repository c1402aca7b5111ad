#pragma once

#include "app/message_sink.h"

#include <QStringList>

// Collects the messages the code under test would show in boxes, answers yes
// to its questions, and gives `fileName` when it asks for a file.
class RecordingSink : public smscfg::MessageSink {
public:
    void show(const QString &text) override { messages << text; }
    bool confirmSteps(const smscfg::StepsQuestion &question, bool *ticked) override
    {
        questions << question.summary;
        QStringList lines;
        for (qsizetype i = 0; i < question.count; ++i)
            lines << question.step(i);
        questionSteps << lines;
        *ticked = optionTicked;
        return true;
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
    QStringList questions;              // their summaries
    QList<QStringList> questionSteps;   // and their steps' lines
    QString fileName;
    bool optionTicked = false;  // how the question's check box is left
    QStringList offered;        // where each file dialog started
};
