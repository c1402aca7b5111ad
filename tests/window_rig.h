#pragma once

#include "app/main_window.h"
#include "link/qt_serial_link.h"
#include "pty.h"
#include "recording_sink.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// The window on a fresh pseudo-terminal, with its messages going to `Sink`.
template <typename Sink = RecordingSink>
struct WindowRig {
    template <typename... SinkArgs>
    explicit WindowRig(smscfg::ExchangeTimings timings, SinkArgs &&...sinkArgs)
        : sink(std::forward<SinkArgs>(sinkArgs)...), form(link, sink, timings)
    {
    }

    // Start-up on the pseudo-terminal.
    void open() { form.startUp(pty.slavePath()); }

    template <typename T>
    T *get(const QString &name) { return form.findChild<T *>(name); }
    QPushButton *button(const QString &name) { return get<QPushButton>(name); }

    void setText(const QString &name, const QString &text)
    {
        if (auto *edit = get<QLineEdit>(name))
            edit->setText(text);
        else
            get<QComboBox>(name)->setEditText(text);
    }

    // Inputs with which every command button sends a frame.
    void fillValidInputs()
    {
        const QList<std::pair<const char *, const char *>> texts = {
            {"Text3", "12"}, {"Text2", "0102"}, {"Text4", "0408"}, {"Text1", "1"}, {"Text5", "温度"},
            {"Text9", "01"}, {"Text6", "1"}, {"Text7", "2"}, {"Text8", "AB12"}, {"Text10", "12345678901"},
            {"Text11", "3"}, {"Text12", "1234567"}, {"Text13", "1"}, {"Text14", "2"},
        };
        for (const auto &[name, text] : texts)
            setText(QString::fromLatin1(name), QString::fromUtf8(text));
        get<QRadioButton>(QStringLiteral("Option1_0"))->setChecked(true);
    }

    Pty pty;
    Sink sink;
    smscfg::QtSerialLink link;
    smscfg::MainWindow form;
};
