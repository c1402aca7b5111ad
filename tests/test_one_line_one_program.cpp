#include "link/port_text.h"
#include "link/qt_serial_link.h"
#include "pty.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace smscfg;

namespace {

const QString InUse = QStringLiteral("该串口正被另一个程序使用");

// One line, reachable by its device path and by two links to it.
struct Line {
    Pty pty;
    QTemporaryDir dir;
    Line()
    {
        QFile::link(pty.slavePath(), dir.filePath("port"));
        QFile::link(pty.slavePath(), dir.filePath("other"));
    }
    QString name(const QString &how) const
    {
        return how == u"link" ? dir.filePath("port") : how == u"other link" ? dir.filePath("other") : pty.slavePath();
    }
};

// The first program on the line: the tool itself, or another program that
// only takes the advisory lock.
class Holder {
public:
    Holder(const Line &line, const QString &how)
    {
        if (how == u"flock" || how == u"shared flock" || how == u"exclusive") {
            m_fd = ::open(line.pty.slavePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            m_holds = m_fd >= 0
                && (how == u"flock"          ? ::flock(m_fd, LOCK_EX | LOCK_NB)
                    : how == u"shared flock" ? ::flock(m_fd, LOCK_SH | LOCK_NB)
                                             : ::ioctl(m_fd, TIOCEXCL))
                    == 0;
        } else {
            m_holds = m_link.open(line.name("link"), nullptr);
        }
    }
    ~Holder() { release(); }
    bool holds() const { return m_holds; }
    void release()
    {
        m_link.close();
        // Exclusive mode stays with the terminal until the last close, and
        // the test's side keeps it open.
        if (m_fd >= 0) {
            ::ioctl(m_fd, TIOCNXCL);
            ::close(m_fd);
        }
        m_fd = -1;
    }

private:
    QtSerialLink m_link;
    int m_fd = -1;
    bool m_holds = false;
};

}  // namespace

// A line belongs to one program at a time, however each names it. Here the
// tests run as root, whom the kernel's exclusive mode does not stop.
class TestOneLineOneProgram : public QObject {
    Q_OBJECT
private slots:
    void secondLinkIsTurnedAway_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("link, then the device") << "link" << "device";
        QTest::newRow("device, then a link") << "device" << "link";
        QTest::newRow("link, then the same link") << "link" << "link";
        QTest::newRow("link, then another link") << "link" << "other link";
        QTest::newRow("device, then the device") << "device" << "device";
        QTest::newRow("another program's lock, then a link") << "flock" << "link";
        QTest::newRow("another program's shared lock, then the device") << "shared flock" << "device";
        QTest::newRow("another program's exclusive mode, then the device") << "exclusive" << "device";
        QTest::newRow("another program's exclusive mode, then a link") << "exclusive" << "link";
    }
    void secondLinkIsTurnedAway()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        Line line;
        Holder holder(line, first);
        QVERIFY(holder.holds());
        QtSerialLink intruder;
        OpenError error;
        QVERIFY(!intruder.open(line.name(second), &error));
        QCOMPARE(openErrorText(error), InUse);
        // Nothing half-open is left to write through.
        QVERIFY(!intruder.write("\x7E\xFE\x07\x00\x45\x4C\x16"));
        // The line is free once the holder lets go.
        holder.release();
        QVERIFY2(intruder.open(line.name(second), &error), qPrintable(openErrorText(error)));
    }

    // Someone who is not root cannot even open a line held in exclusive
    // mode (EBUSY): told it is in use, also through a link into /dev/pts.
    // The command line's smoke row: it opens lines as the window does.
    void exclusiveLineForAnotherUser()
    {
        Line line;
        QVERIFY(::chmod(line.pty.slavePath().toLocal8Bit().constData(), 0666) == 0);
        QVERIFY(::chmod(line.dir.path().toLocal8Bit().constData(), 0755) == 0);
        Holder holder(line, "exclusive");
        QVERIFY(holder.holds());
        QStringList command{QStringLiteral(SMSCFG_CLI_PATH), "--port", line.name("link"), "init"};
        if (::geteuid() == 0) {
            const QString setpriv = QStandardPaths::findExecutable("setpriv");
            if (setpriv.isEmpty())
                QSKIP("running as root without setpriv: cannot drop privileges to test");
            command = QStringList{setpriv, "--reuid=65534", "--regid=65534", "--clear-groups"} + command;
        }
        QProcess cli;
        cli.start(command.first(), command.mid(1));
        QVERIFY(cli.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(cli.readAllStandardError()),
                 line.name("link") + "不能用,请换到另一个串口。\n" + InUse + "\n");
        QCOMPARE(cli.exitCode(), 4);
        QCOMPARE(line.pty.readFor(20), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestOneLineOneProgram)
#include "test_one_line_one_program.moc"
