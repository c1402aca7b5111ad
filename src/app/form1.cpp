#include "app/form1.h"

#include "app/app_title.h"
#include "app/form1_layout.h"
#include "commands/clock_request.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace smscfg {
namespace {

// The buttons that need a working port; the others stay usable so that
// their input checks still run.
const char *const setupButtons[] = {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6"};

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

Form1::Form1(SerialLink &link, MessageSink &sink, ExchangeTimings timings, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_link(link), m_sink(sink), m_exchange(link, sink, timings)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(applicationTitle());
    createForm1Controls(this);
    setFixedSize(Form1WidthTwips / TwipsPerPixel, Form1HeightTwips / TwipsPerPixel);

    findChild<QCheckBox *>(QStringLiteral("Check1"))->setChecked(true);
    findChild<QCheckBox *>(QStringLiteral("Check3"))->setChecked(true);
    auto *lowerLimit = findChild<QPushButton *>(QStringLiteral("Command14"));
    lowerLimit->hide();
    lowerLimit->setEnabled(false);

    for (const CommandEntry &entry : commandTable())
        connect(findChild<QPushButton *>(entry.button), &QPushButton::clicked, this, &Form1::onCommandClicked);
    connect(findChild<QPushButton *>(QStringLiteral("Command7")), &QPushButton::clicked, this,
            &Form1::onReopenClicked);
}

void Form1::startUp(const QString &portText)
{
    auto *portCombo = findChild<QComboBox *>(QStringLiteral("Combo1"));
    QStringList ports;
    for (int n = 1; n <= 16; ++n)
        ports << QString::number(n);
    fill(portCombo, ports);
    if (portText != portCombo->currentText())
        portCombo->setEditText(portText);

    const bool opened = m_link.open(portText, nullptr);
    // The clock lists are filled either way, so that the clock row works
    // once the operator has picked a port that opens.
    fillLists();
    if (!opened) {
        reportUnusablePort(portText);
        setSetupButtonsEnabled(false);
    }
}

void Form1::fillLists()
{
    fill(findChild<QComboBox *>(QStringLiteral("Combo2")), twoDigitRange(0, 99));
    fill(findChild<QComboBox *>(QStringLiteral("Combo3")), twoDigitRange(1, 12));
    fill(findChild<QComboBox *>(QStringLiteral("Combo4")), twoDigitRange(1, 31));
    fill(findChild<QComboBox *>(QStringLiteral("Combo5")), twoDigitRange(1, 24));
    fill(findChild<QComboBox *>(QStringLiteral("Combo6")), twoDigitRange(1, 60));
    fill(findChild<QComboBox *>(QStringLiteral("Combo7")), weekdayNames());
}

ControlValues Form1::controlValues() const
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

void Form1::onCommandClicked()
{
    const CommandEntry *entry = findCommandByButton(sender()->objectName());
    if (!entry)
        return;
    const BuildResult result = entry->build(controlValues());
    if (result.hasFrame())
        m_exchange.FS(result.frame().bytes());
    else
        m_sink.show(result.text());
}

void Form1::onReopenClicked()
{
    m_link.close();
    const QString portText = findChild<QComboBox *>(QStringLiteral("Combo1"))->currentText();
    if (!m_link.open(portText, nullptr)) {
        reportUnusablePort(portText);
        setSetupButtonsEnabled(false);
        return;
    }
    setSetupButtonsEnabled(true);
}

void Form1::setSetupButtonsEnabled(bool enabled)
{
    for (const char *name : setupButtons)
        findChild<QPushButton *>(QLatin1String(name))->setEnabled(enabled);
}

void Form1::reportUnusablePort(const QString &portText)
{
    m_sink.show(QStringLiteral("COM") + portText + QStringLiteral("不能用,请换到另一个串口。"));
}

void Form1::showEvent(QShowEvent *event)
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
