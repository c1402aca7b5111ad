#include "process/language.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <csignal>
#include <sys/stat.h>

// The three programs as the operator starts them.
class TestPrograms : public QObject {
    Q_OBJECT
private slots:
    void helpAndVersion_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("start");
        const QStringList programs = {SMSCFG_WINDOW_PATH, SMSCFG_CLI_PATH, SMSCFG_SIM_PATH};
        const QStringList names = {"smscfg", "smscfg-cli", "smscfg-sim"};
        for (int i = 0; i < 3; ++i) {
            QTest::addRow("%s --help", qPrintable(names[i])) << programs[i] << "--help"
                                                             << (i == 0 ? "用法：smscfg" : "");
            QTest::addRow("%s --version", qPrintable(names[i])) << programs[i] << "--version"
                                                                << names[i] + " 1.";
        }
    }
    void helpAndVersion()
    {
        QFETCH(QString, program);
        QFETCH(QString, argument);
        QFETCH(QString, start);
        QProcess p;
        // No display and no platform: --help must not need one.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.remove("DISPLAY");
        p.setProcessEnvironment(env);
        p.start(program, {argument});
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitCode(), 0);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(out.startsWith(start) && out.size() > 10, qPrintable(out));
    }

    // Without a display the window says so, and where to turn: in the
    // system's language (Chinese in the C locale), nothing saved choosing one.
    void windowWithoutADisplay_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("start");
        QTest::newRow("C") << "C" << "smscfg：这个窗口需要图形界面";
        QTest::newRow("en_US") << "en_US.UTF-8" << "smscfg: this window needs a graphical desktop session";
    }
    void windowWithoutADisplay()
    {
        QFETCH(QString, lang);
        QFETCH(QString, start);
        QTemporaryDir config;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            env.remove(name);
        env.insert("LANG", lang);
        env.insert("XDG_CONFIG_HOME", config.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(SMSCFG_WINDOW_PATH), {"1"});
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(err.startsWith(start) && err.contains("smscfg-cli"), qPrintable(err));
    }

    // A signal ends the window promptly even while its start-up message,
    // shown before anything else could run, is open; and a settings file
    // of the wrong kind never holds the start up: it is neither read nor
    // written.
    void signalWhileTheStartUpBoxIsOpen_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("settings");  // what ~/.config/smscfg/smscfg.conf is
        QTest::newRow("SIGINT") << int(SIGINT) << "none";
        QTest::newRow("SIGTERM, the settings a FIFO") << int(SIGTERM) << "fifo";
    }
    void signalWhileTheStartUpBoxIsOpen()
    {
        QFETCH(int, signal);
        QFETCH(QString, settings);
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath("smscfg"));
        const QString conf = home.filePath("smscfg/smscfg.conf");
        if (settings == u"fifo")
            QVERIFY(::mkfifo(conf.toLocal8Bit().constData(), 0600) == 0);
        QProcess window;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", home.path());
        window.setProcessEnvironment(env);
        window.start(QStringLiteral(SMSCFG_WINDOW_PATH), {"/dev/smscfg-missing"});
        QVERIFY(window.waitForStarted());
        // The box is the first thing it shows and its event loop the first
        // that runs: once the main thread sleeps in poll, the box is open.
        QFile wchan(QStringLiteral("/proc/%1/wchan").arg(window.processId()));
        const auto waitingInALoop = [&] {
            wchan.close();
            return wchan.open(QIODevice::ReadOnly) && wchan.readAll().contains("poll");
        };
        QTRY_VERIFY_WITH_TIMEOUT(waitingInALoop(), 5000);
        QTest::qWait(20);
        QVERIFY(waitingInALoop());
        QCOMPARE(window.state(), QProcess::Running);
        ::kill(pid_t(window.processId()), signal);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(window.waitForFinished(2000));
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(window.exitStatus(), QProcess::NormalExit);
        const QString err = QString::fromUtf8(window.readAllStandardError());
        if (settings == u"none") {
            QVERIFY2(!err.contains("smscfg.conf"), qPrintable(err));
        } else {
            QVERIFY2(err.contains("smscfg: 不读也不写设置文件 " + conf + "：不是普通文件\n"), qPrintable(err));
            QVERIFY(!QFileInfo(conf).isFile());  // not replaced by a settings file
        }
    }

    void standardButtonsSpeakChinese()
    {
        if (!smscfg::installLanguage(smscfg::Language::Chinese))
            QSKIP("Qt's Chinese translations (qt6-translations-l10n) are not installed");
        QMessageBox box(QMessageBox::NoIcon, "t", "x", QMessageBox::Ok);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    }
};

QTEST_MAIN(TestPrograms)
#include "test_programs.moc"
