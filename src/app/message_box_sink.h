#pragma once

#include "app/message_sink.h"

class QWidget;

namespace smscfg {

// Shows each message in a modal box with the application's title; asks for
// files with the usual dialogs.
class MessageBoxSink : public MessageSink {
public:
    void setParent(QWidget *parent) { m_parent = parent; }
    void show(const QString &text) override;
    bool confirmSteps(const StepsQuestion &question, bool *ticked) override;
    QString openFileName(const QString &title, const QString &folder, const QString &filter) override;
    QString saveFileName(const QString &title, const QString &suggested, const QString &filter) override;

private:
    QWidget *m_parent = nullptr;
};

}  // namespace smscfg
