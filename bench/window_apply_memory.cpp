// The window's resident memory around a long profile apply, as the operator
// would run it: the window opens PORT, applies PROFILE (the question answered
// 应用 as soon as it shows) and prints its resident memory in KiB at the
// start, once the results are shown, its peak, and after the results are
// closed. With --log the communication log is open throughout.
// Usage: bench_window_apply_memory PORT PROFILE [--log]
#include "app/main_window.h"
#include "app/profile_session.h"
#include "app/window_program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

long statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(std::strlen(field))).trimmed().split(' ').value(0).toLong();
    return 0;
}

// Answers 应用 to whatever modal question is open.
void acceptQuestions()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    for (QAbstractButton *button : modal->findChildren<QAbstractButton *>())
        if (button->text() == QStringLiteral("应用") && button->isVisible())
            button->click();
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PORT PROFILE [--log]\n", argv[0]);
        return 64;
    }
    const QString profile = QString::fromLocal8Bit(argv[2]);
    const bool showLog = argc > 3 && std::strcmp(argv[3], "--log") == 0;
    int windowArgc = 2;
    return smscfg::runWindowProgram(windowArgc, argv, [profile, showLog](smscfg::MainWindow &window) {
        // After start-up has opened the port.
        QTimer::singleShot(1500, &window, [&window, profile, showLog] {
            if (showLog)
                window.setLogVisible(true);
            QApplication::processEvents();
            const long start = statusKiB("VmRSS:");
            auto *answer = new QTimer(&window);
            QObject::connect(answer, &QTimer::timeout, &acceptQuestions);
            answer->start(20);
            auto *clock = new QElapsedTimer;
            clock->start();
            window.profiles().apply(profile);
            answer->stop();
            auto *poll = new QTimer(&window);
            QObject::connect(poll, &QTimer::timeout, &window, [&window, poll, start, clock] {
                QDialog *results = window.profiles().results();
                if (window.profiles().isApplying() || !results || !results->isVisible())
                    return;
                poll->stop();
                const long shown = statusKiB("VmRSS:");
                std::printf("apply took %lld ms\n", static_cast<long long>(clock->elapsed()));
                std::printf("start:         %ld KiB\n", start);
                std::printf("results shown: %ld KiB (%+ld)\n", shown, shown - start);
                std::printf("peak:          %ld KiB\n", statusKiB("VmHWM:"));
                results->close();
                QTimer::singleShot(1000, &window, [start] {
                    const long closed = statusKiB("VmRSS:");
                    std::printf("results closed: %ld KiB (%+ld)\n", closed, closed - start);
                    std::fflush(stdout);
                    QApplication::exit(0);
                });
            });
            poll->start(200);
        });
    });
}
