#pragma once

#include "app/main_window.h"
#include "fake_link.h"
#include "hex.h"
#include "recording_sink.h"
#include "virtual_time.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// The window on a fake serial line and virtual time, with its messages going
// to `Sink`. Nothing here waits in real time.
template <typename Sink = RecordingSink>
struct WindowRig {
    WindowRig() { window.setPortDiscovery(ports); }

    // Start-up on a port that opens.
    void open() { window.startUp(QStringLiteral("1")); }

    template <typename T>
    T *get(const QString &name) { return window.findChild<T *>(name); }
    QPushButton *button(const QString &name) { return get<QPushButton>(name); }
    void click(const QString &name) { button(name)->click(); }

    void setText(const QString &name, const QString &text)
    {
        if (auto *edit = get<QLineEdit>(name))
            edit->setText(text);
        else
            get<QComboBox>(name)->setEditText(text);
    }

    // The controller answers, and the settle wait passes.
    void reply(const QString &hex)
    {
        link.deliver(hexBytes(hex));
        time.advance(std::chrono::milliseconds(100));
    }
    void wait(int ms) { time.advance(std::chrono::milliseconds(ms)); }

    // Inputs with which every command button sends a frame.
    void fillValidInputs()
    {
        const QList<std::pair<const char *, const char *>> texts = {
            {"Text3", "12"}, {"Text2", "0102"}, {"Text4", "0408"}, {"Text1", "1"}, {"Text5", "温度"},
            {"Text9", "01"}, {"Text6", "1"}, {"Text7", "2"}, {"Text8", "AB12"}, {"Text10", "12345678901"},
            {"Text11", "3"}, {"Text12", "1234567"}, {"Text13", "1"}, {"Text14", "2"}, {"Combo2", "26"},
            {"Combo3", "12"}, {"Combo4", "06"}, {"Combo5", "20"}, {"Combo6", "38"}, {"Combo7", "星期天"},
        };
        for (const auto &[name, text] : texts)
            setText(QString::fromLatin1(name), QString::fromUtf8(text));
        get<QRadioButton>(QStringLiteral("Option1_0"))->setChecked(true);
    }

    FakePorts ports;
    FakeLink link;
    VirtualTime time;
    Sink sink;
    smscfg::MainWindow window{link, sink, {}, time};
};
