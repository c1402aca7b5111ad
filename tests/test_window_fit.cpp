#include "app/form_layout.h"
#include "app/log_pane.h"
#include "process/language.h"
#include "window_rig.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWindow>

#include <tuple>

using namespace smscfg;

Q_DECLARE_METATYPE(smscfg::Language)

namespace {

QPalette darkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    p.setColor(QPalette::AlternateBase, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    return p;
}

double luminance(const QColor &c)
{
    const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// How well text of one colour reads on the other (1 to 21).
double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The window speaks `language` while it lives, Chinese after.
struct Speaking {
    explicit Speaking(Language language) { installLanguage(language); }
    ~Speaking() { installLanguage(Language::Chinese); }
};

// Whether `caption` needs more room than `w` gives it, as the control draws
// it (the last line's descent aside): a label on one line or wrapped at spaces when it wraps, a check box or
// option button on one line beside its box, a button wrapped at spaces or,
// without any, in two halves.
bool captionOverflows(const QWidget *w, const QString &caption)
{
    const QFontMetrics metrics(w->font());
    QRect room;
    int flags = 0;
    QString text = caption;
    if (auto *label = qobject_cast<const QLabel *>(w)) {
        room = label->contentsRect();
        flags = label->wordWrap() ? Qt::TextWordWrap : 0;
    } else {
        QStyleOptionButton option;
        option.initFrom(w);
        const bool push = qobject_cast<const QPushButton *>(w) != nullptr;
        room = w->style()->subElementRect(push                                       ? QStyle::SE_PushButtonContents
                                          : qobject_cast<const QCheckBox *>(w) ? QStyle::SE_CheckBoxContents
                                                                               : QStyle::SE_RadioButtonContents,
                                          &option, w);
        if (push && caption.contains(u' '))
            flags = Qt::TextWordWrap;
        else if (push && metrics.horizontalAdvance(caption) > room.width())
            text = caption.left((caption.size() + 1) / 2) + u'\n' + caption.mid((caption.size() + 1) / 2);
    }
    const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 1 << 16), flags, text);
    // The last line's descent may reach past the bottom.
    return needed.width() > room.width() || needed.height() - metrics.descent() > room.height();
}

}  // namespace

// The window on screens of every size and theme, and for screen readers.
class TestWindowFit : public QObject {
    Q_OBJECT
private slots:
    // On a large screen the window is the form and its bars; on a small one
    // the form scrolls inside a window that fits.
    void fitsTheAvailableArea_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1040) << false;
        QTest::newRow("800x600") << QRect(0, 0, 800, 560) << true;
        QTest::newRow("narrow") << QRect(0, 0, 420, 1000) << true;
    }
    void fitsTheAvailableArea()
    {
        QFETCH(QRect, available);
        QFETCH(bool, scrolls);
        WindowRig<> rig;
        rig.open();
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
        rig.window.fitToScreen(available);
        QCoreApplication::processEvents();
        auto *scroll = rig.get<QScrollArea>("formScroll");
        QCOMPARE(rig.get<QWidget>("form")->size(), QSize(502, 592));
        const bool scrolling = scroll->verticalScrollBar()->maximum() > 0 || scroll->horizontalScrollBar()->maximum() > 0;
        QCOMPARE(scrolling, scrolls);
        if (!scrolls) {
            QCOMPARE(scroll->size(), QSize(502, 592));
            QCOMPARE(rig.window.size(), QSize(502, 592 + rig.window.menuBar()->sizeHint().height()
                                                       + rig.window.statusBar()->sizeHint().height()));
        } else {
            // The window and its frame fit.
            const QMargins frame = rig.window.windowHandle()->frameMargins();
            const QSize outer = rig.window.size().grownBy(frame);
            QVERIFY2(outer.width() <= available.width() && outer.height() <= available.height(),
                     qPrintable(QStringLiteral("%1x%2").arg(outer.width()).arg(outer.height())));
        }
    }

    // The title and the hint can be read on a light and on a dark theme,
    // keeping the set green and red on a light one.
    void coloursFollowThePalette_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void coloursFollowThePalette()
    {
        QFETCH(bool, dark);
        WindowRig<> rig;
        // Chosen while the window is open: the window hears of it before
        // the form does.
        if (dark)
            rig.window.setPalette(darkPalette());
        const QColor background = rig.window.palette().color(QPalette::Window);
        const QColor title = rig.get<QLabel>("Label1")->palette().color(QPalette::WindowText);
        const QColor hint = rig.get<QLabel>("Label4")->palette().color(QPalette::WindowText);
        if (!dark) {
            QCOMPARE(title, QColor(0x00, 0x80, 0x00));
            QCOMPARE(hint, QColor(0xff, 0x00, 0x00));
        }
        QVERIFY2(contrast(title, background) >= 3, qPrintable(title.name() + " on " + background.name()));
        QVERIFY2(contrast(hint, background) >= 3, qPrintable(hint.name() + " on " + background.name()));
    }

    // On a dark theme the box of a check box stands out from the window.
    void checkBoxesShowOnADarkTheme_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("Unicode") << "Check1";
        QTest::newRow("电话01") << "Check2_0";
        QTest::newRow("低电平") << "Option1_0";
    }
    void checkBoxesShowOnADarkTheme()
    {
        QFETCH(QString, box);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(darkPalette());
        WindowRig<> rig;
        auto *button = rig.get<QAbstractButton>(box);
        const QImage image = button->grab().toImage();
        QApplication::setPalette(before);
        QStyleOptionButton option;
        option.initFrom(button);
        const bool radio = qobject_cast<QRadioButton *>(button) != nullptr;
        const QRect indicator = button->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
        const int window = QColor(0x35, 0x35, 0x35).lightness();
        int standingOut = 0;
        for (int y = indicator.top(); y <= indicator.bottom(); ++y)
            for (int x = indicator.left(); x <= indicator.right(); ++x)
                standingOut += std::abs(image.pixelColor(x, y).lightness() - window) > 60;
        QVERIFY2(standingOut >= indicator.width(), qPrintable(QString::number(standingOut)));
    }

    // Every box has a name a screen reader says, and a tooltip; the
    // repeated labels are told apart.
    void everyBoxIsNamed()
    {
        WindowRig<> rig;
        QWidget *form = rig.get<QWidget>("form");
        QStringList names;
        QList<QWidget *> boxes;
        for (QLineEdit *edit : form->findChildren<QLineEdit *>())
            if (!edit->objectName().isEmpty())
                boxes << edit;
        for (QComboBox *combo : form->findChildren<QComboBox *>())
            boxes << combo;
        for (QAbstractButton *b : form->findChildren<QAbstractButton *>())
            if (b->isCheckable())
                boxes << b;
        QCOMPARE(boxes.size(), 14 + 7 + 2 + 16 + 2);
        for (QWidget *box : std::as_const(boxes)) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(box);
            QVERIFY2(a, qPrintable(box->objectName()));
            const QString name = a->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty() && !box->toolTip().isEmpty(), qPrintable(box->objectName()));
            names << name;
        }
        QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), names.size());
        // Some names written out, each with the label that is its box's buddy.
        const QList<std::tuple<const char *, const char *, const char *>> named = {
            {"Text1", "设备描述 地址", "Label2_1"}, {"Text10", "短信中心号码", nullptr}, {"Combo2", "年", "Label8_0"},
            {"Combo1", "串口", "Label2_7"}, {"Check2_15", "电话16", nullptr},
        };
        for (const auto &[box, name, label] : named) {
            QWidget *w = rig.get<QWidget>(QString::fromLatin1(box));
            QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), QString::fromUtf8(name));
            QVERIFY2(w->toolTip().startsWith(QString::fromUtf8(name)), box);
            if (label)
                QCOMPARE(rig.get<QLabel>(QString::fromLatin1(label))->buddy(), w);
        }
    }

    void buttonsSayWhatTheySend_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("description");
        QTest::newRow("Command2") << "Command2" << "发送请求 0x45（初始化）";
        QTest::newRow("Command1") << "Command1"
                                  << "发送请求 0x4A（端口描述设置），读取：端口描述 地址、端口描述 端口、端口描述 描述、Unicode";
        QTest::newRow("Command10") << "Command10" << "发送请求 0x4D（设置轮巡设备短信发送开关），读取：设备轮训号、电话01到电话16";
        QTest::newRow("Command7") << "Command7" << "关闭串口，再打开左边框里的串口；不发送请求";
        QTest::newRow("Command10 in English")
            << "Command10" << "Sends request 0x4D (Set device SMS switches), reads: Device number, Tel 01 to Tel 16";
    }
    void buttonsSayWhatTheySend()
    {
        QFETCH(QString, button);
        QFETCH(QString, description);
        const Speaking speaking(QString::fromLatin1(QTest::currentDataTag()).endsWith(u"English") ? Language::English
                                                                                                 : Language::Chinese);
        WindowRig<> rig;
        QCOMPARE(QAccessible::queryAccessibleInterface(rig.button(button))->text(QAccessible::Description),
                 description);
    }

    // In either language every control stays at its place and size, no two
    // overlap, and every caption fits its control: on one line, wrapped
    // at spaces within it, or smaller. Chinese captions keep their sizes.
    void captionsFitTheirControls_data()
    {
        QTest::addColumn<Language>("language");
        QTest::newRow("zh") << Language::Chinese;
        QTest::newRow("en") << Language::English;
    }
    void captionsFitTheirControls()
    {
        QFETCH(Language, language);
        const Speaking speaking(language);
        WindowRig<> rig;
        QWidget *form = rig.get<QWidget>("form");
        QList<std::pair<QString, QRect>> placed;
        QCOMPARE(formControlPlaces().size(), 82);
        // A few places written out from the layout table, in twips: two in a frame, and a width.
        QCOMPARE(rig.get<QWidget>("Check3")->mapTo(form, QPoint()).y(), 7440 / 15);
        QCOMPARE(rig.get<QWidget>("Option1_1")->mapTo(form, QPoint()).y(), 7440 / 15);
        QCOMPARE(rig.get<QWidget>("Label1")->width(), 6135 / 15);
        for (const ControlPlace &place : formControlPlaces()) {
            QWidget *w = rig.get<QWidget>(place.name);
            const QRect onForm(w->mapTo(form, QPoint()), w->size());
            QCOMPARE(onForm, place.geometry);
            // Frames hold controls; the hidden 设置探头告警下限 stands where 设置探头告警上限 does.
            if (!qobject_cast<QFrame *>(w) && place.name != u"Command14")
                placed.append({place.name, onForm});
            QString caption;
            if (auto *label = qobject_cast<QLabel *>(w))
                caption = label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                caption = button->text();
            if (caption.isEmpty() || !w->isVisibleTo(form))
                continue;
            QVERIFY2(!captionOverflows(w, caption), qPrintable(place.name + QStringLiteral(": ") + caption));
            if (language == Language::Chinese)
                QVERIFY2(w->font().pointSizeF() >= 9, qPrintable(place.name));
        }
        for (qsizetype i = 0; i < placed.size(); ++i)
            for (qsizetype j = i + 1; j < placed.size(); ++j)
                QVERIFY2(!placed[i].second.intersects(placed[j].second),
                         qPrintable(placed[i].first + QStringLiteral(" and ") + placed[j].first));
    }

    // 查看 → 语言 shows the other language at once, and is remembered.
    void languageChosenInTheMenu()
    {
        const Speaking speaking(Language::Chinese);
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("smscfg.conf")), QSettings::IniFormat);
        WindowRig<> rig;
        rig.window.setSettings(&settings);
        rig.open();
        rig.get<QAction>("actionLanguageEn")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(rig.get<QMenu>("menuView")->title(), QStringLiteral("&View"));
        QCOMPARE(rig.button("Command2")->text(), QStringLiteral("Initialise"));
        QCOMPARE(rig.get<QLabel>("Label3")->text(), QStringLiteral("Device count"));
        QCOMPARE(rig.window.portStatus(), QStringLiteral("Port COM1 (open)"));
        QCOMPARE(rig.get<QComboBox>("Combo7")->itemText(6), QStringLiteral("Sunday"));
        QCOMPARE(settings.value("language").toString(), QStringLiteral("en"));
        // Input refused is logged with the button's English caption.
        rig.click("Command8");
        QVERIFY2(rig.window.logPane().lines().constLast().endsWith(
                     u"Set SMS centre number: Please enter the SMS centre number"),
                 qPrintable(rig.window.logPane().lines().constLast()));
        rig.get<QAction>("actionLanguageZh")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(rig.get<QMenu>("menuView")->title(), QStringLiteral("查看(&V)"));
        QCOMPARE(rig.get<QLabel>("Label3")->font().pointSizeF(), 12.0);
        QCOMPARE(rig.window.portStatus(), QStringLiteral("串口 COM1（已打开）"));
        QCOMPARE(settings.value("language").toString(), QStringLiteral("zh"));
    }
};

QTEST_MAIN(TestWindowFit)
#include "test_window_fit.moc"
