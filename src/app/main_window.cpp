#include "app/main_window.h"

#include "app/app_title.h"
#include "app/form_layout.h"
#include "commands/clock_request.h"
#include "link/outcome_text.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

namespace smscfg {
namespace {

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

void fill(QComboBox *combo, const QStringList &items)
{
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(0);
}

QStringList twoDigitRange(int first, int last)
{
    QStringList items;
    for (int v = first; v <= last; ++v)
        items << twoDigits(v);
    return items;
}

}  // namespace

MainWindow::MainWindow(SerialLink &link, MessageSink &sink, ExchangeTimings timings, TimeSource &time,
                       QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_link(link), m_sink(sink), m_exchange(link, timings, time)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(applicationTitle());
    createFormControls(this);
    setFixedSize(FormWidthTwips / TwipsPerPixel, FormHeightTwips / TwipsPerPixel);

    findChild<QCheckBox *>(QStringLiteral("Check1"))->setChecked(true);
    findChild<QCheckBox *>(QStringLiteral("Check3"))->setChecked(true);
    auto *lowerLimit = findChild<QPushButton *>(QStringLiteral("Command14"));
    lowerLimit->hide();
    lowerLimit->setEnabled(false);
    // The clock boxes are too narrow to show more than their value: typing
    // replaces it rather than adding to it.
    for (int n = 2; n <= 7; ++n)
        findChild<QComboBox *>(QStringLiteral("Combo%1").arg(n))->lineEdit()->installEventFilter(this);

    for (const CommandEntry &entry : commandTable())
        connect(findChild<QPushButton *>(entry.button), &QPushButton::clicked, this, &MainWindow::onCommandClicked);
    connect(findChild<QPushButton *>(QStringLiteral("Command7")), &QPushButton::clicked, this,
            &MainWindow::onReopenClicked);
    connect(&m_exchange, &Exchange::finished, this, &MainWindow::onExchangeFinished);
}

void MainWindow::startUp(const QString &portText)
{
    auto *portCombo = findChild<QComboBox *>(QStringLiteral("Combo1"));
    QStringList ports;
    for (int n = 1; n <= 16; ++n)
        ports << QString::number(n);
    fill(portCombo, ports);
    if (portText != portCombo->currentText())
        portCombo->setEditText(portText);

    OpenError error;
    const bool opened = m_link.open(portText, &error);
    // The clock lists are filled either way, so that the clock row works
    // once the operator has picked a port that opens.
    fillLists();
    if (!opened) {
        m_sink.show(unusablePortMessage(portText, error));
        setPortButtonsEnabled(false);
    }
}

void MainWindow::fillLists()
{
    fill(findChild<QComboBox *>(QStringLiteral("Combo2")), twoDigitRange(0, 99));
    fill(findChild<QComboBox *>(QStringLiteral("Combo3")), twoDigitRange(1, 12));
    fill(findChild<QComboBox *>(QStringLiteral("Combo4")), twoDigitRange(1, 31));
    fill(findChild<QComboBox *>(QStringLiteral("Combo5")), twoDigitRange(1, 24));
    fill(findChild<QComboBox *>(QStringLiteral("Combo6")), twoDigitRange(1, 60));
    fill(findChild<QComboBox *>(QStringLiteral("Combo7")), weekdayNames());
}

ControlValues MainWindow::controlValues() const
{
    ControlValues values;
    for (const QLineEdit *edit : findChildren<QLineEdit *>()) {
        // A combo box's own line edit carries no control name.
        if (!edit->objectName().isEmpty())
            values.texts.insert(edit->objectName(), edit->text());
    }
    for (const QComboBox *combo : findChildren<QComboBox *>())
        values.texts.insert(combo->objectName(), combo->currentText());
    for (const QAbstractButton *box : findChildren<QAbstractButton *>()) {
        if (box->isCheckable() && box->isChecked())
            values.ticked.insert(box->objectName());
    }
    return values;
}

void MainWindow::onCommandClicked()
{
    const CommandEntry *entry = findCommandByButton(sender()->objectName());
    if (!entry)
        return;
    const BuildResult result = entry->build(controlValues());
    if (result.hasFrame())
        m_exchange.send(result.frame().bytes());
    else
        m_sink.show(result.text());
}

void MainWindow::onReopenClicked()
{
    m_link.close();
    const QString portText = findChild<QComboBox *>(QStringLiteral("Combo1"))->currentText();
    OpenError error;
    if (!m_link.open(portText, &error)) {
        m_sink.show(unusablePortMessage(portText, error));
        setPortButtonsEnabled(false);
        return;
    }
    setPortButtonsEnabled(true);
}

void MainWindow::onExchangeFinished(const Exchange::Result &result)
{
    const QString message = outcomeMessage(result.outcome);
    if (!message.isEmpty())
        m_sink.show(message);
}

// The buttons that need a working port; the others stay usable so that
// their input checks still run.
void MainWindow::setPortButtonsEnabled(bool enabled)
{
    for (const CommandEntry &entry : commandTable())
        if (entry.needsOpenPort)
            findChild<QPushButton *>(entry.button)->setEnabled(enabled);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (edit && event->type() == QEvent::FocusIn) {
        // After the click that gave the focus has placed the cursor.
        QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    } else if (edit && event->type() == QEvent::MouseButtonRelease && !edit->hasSelectedText()) {
        edit->selectAll();
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    if (const QScreen *s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

}  // namespace smscfg
