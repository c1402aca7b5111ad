#pragma once

#include "commands/command_table.h"
#include "protocol/exchange.h"

#include <QWidget>

namespace smscfg {

// The main window. It reads its controls into the request builders, shows
// their messages, and hands frames to the exchange; it holds no other state.
class Form1 : public QWidget {
    Q_OBJECT
public:
    Form1(SerialLink &link, MessageSink &sink, ExchangeTimings timings = {}, QWidget *parent = nullptr);

    // Fills the lists and opens the port named by `portText` ("1" unless the
    // operator gave another on the command line). When the port cannot be
    // opened, says so and disables the six set-up buttons.
    void startUp(const QString &portText = QStringLiteral("1"));

    // The texts and ticks of every control, by control name.
    ControlValues controlValues() const;

    Exchange &exchange() { return m_exchange; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onCommandClicked();
    void onReopenClicked();
    void fillLists();
    void setSetupButtonsEnabled(bool enabled);
    void reportUnusablePort(const QString &portText);

    SerialLink &m_link;
    MessageSink &m_sink;
    Exchange m_exchange;
    bool m_centred = false;
};

}  // namespace smscfg
