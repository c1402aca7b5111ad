#pragma once

#include "app/message_sink.h"
#include "commands/command_table.h"
#include "link/exchange.h"

#include <QWidget>

namespace smscfg {

// The main window (objectName "Form1"). It reads its controls into the
// request builders, shows their messages and the exchange's verdicts, and
// hands frames to the exchange; it holds no other state.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(SerialLink &link, MessageSink &sink, ExchangeTimings timings = {},
               TimeSource &time = TimeSource::system(), QWidget *parent = nullptr);

    // Fills the lists and opens the port named by `portText` ("1" unless the
    // operator gave another on the command line). When the port cannot be
    // opened, says so and disables the buttons that need a port.
    void startUp(const QString &portText = QStringLiteral("1"));

    // The texts and ticks of every control, by control name.
    ControlValues controlValues() const;

    Exchange &exchange() { return m_exchange; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onCommandClicked();
    void onReopenClicked();
    void onExchangeFinished(const Exchange::Result &result);
    void fillLists();
    void setPortButtonsEnabled(bool enabled);

    SerialLink &m_link;
    MessageSink &m_sink;
    Exchange m_exchange;
    bool m_centred = false;
};

}  // namespace smscfg
