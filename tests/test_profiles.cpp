#include "app/message_box_sink.h"
#include "app/profile_session.h"
#include "commands/profile.h"
#include "program_run.h"
#include "protocol/reply.h"
#include "window_rig.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QSettings>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace smscfg;

namespace {

const QDateTime SundayEvening(QDate(2026, 12, 6), QTime(20, 38));

QString writeFile(const QTemporaryDir &dir, const QByteArray &text)
{
    const QString path = dir.filePath("profile.json");
    writeFile(path, text);
    return path;
}

// The results table, a row to a line: "1 | 0x46 设备总数 = 12 | 设置成功（N ms）".
QStringList resultRows(MainWindow &window)
{
    QStringList rows;
    const auto *table = window.profiles().results()->findChild<QTableView *>("profileResultTable");
    const QAbstractItemModel *model = table->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        rows << cells.join(QStringLiteral(" | ")).replace(QRegularExpression(QStringLiteral("（\\d+ ms）")),
                                                        QStringLiteral("（N ms）"));
    }
    return rows;
}

}  // namespace

class TestProfiles : public QObject {
    Q_OBJECT
private slots:
    // The record keeps what the controller holds: a later request that sets
    // the same thing replaces the earlier one, and initialising forgets
    // everything before it.
    void recordKeepsTheLatestOfEachSetting()
    {
        WindowRig<> rig;
        rig.open();
        rig.window.setClock([] { return SundayEvening; });
        auto send = [&](const QString &button, const QStringList &texts, bool accepted = true) {
            for (const QString &pair : texts)
                rig.setText(pair.section(u'=', 0, 0), pair.section(u'=', 1));
            rig.click(button);
            const QByteArray frame = rig.link.takeWritten();
            rig.link.deliver(replyFrame(quint8(frame[4]), accepted ? 0x06 : 0x09));
        };
        send("Command4", {"Text2=0102"});  // before initialising: forgotten
        send("Command2", {});
        send("Command9", {"Text11=1", "Text12=13900000001"});
        send("Command9", {"Text11=2", "Text12=13900000002"});
        send("Command9", {"Text11=1", "Text12=13900000011"});
        send("Command3", {"Text3=5"}, false);  // refused: not recorded
        rig.setText("Text3", "6");
        rig.click("Command3");  // unanswered: not recorded either
        rig.wait(3000);
        rig.link.takeWritten();
        rig.window.fillPcTime();
        send("Command15", {});
        send("Command8", {"Text10=-5"});
        send("Command10", {"Text13=4"});  // switches of device 4, twice: one step
        send("Command10", {"Text13=4"});
        QCOMPARE(rig.window.profiles().recordedSteps(),
                 (QList<QStringList>{{"init"},
                                     {"phone", "2", "13900000002"},
                                     {"phone", "1", "13900000011"},
                                     {"clock", "now"},
                                     {"centre", "--", "-5"},
                                     {"device-switches", "4"}}));
        rig.window.findChild<QAction *>("actionClearRecord")->trigger();
        QCOMPARE(rig.window.profiles().recordedSteps(), QList<QStringList>());
    }

    void windowAppliesWithProgressAndResults()
    {
        QTemporaryDir dir;
        const QString path = writeFile(dir, R"({"smscfg-profile": 1, "name": "一号楼",
            "steps": [["device-count", "12"], ["phone", "1", "13912345678"], ["init"]]})");
        WindowRig<> rig;
        rig.open();
        rig.sink.fileName = path;
        rig.window.findChild<QAction *>("actionApplyProfile")->trigger();
        QCOMPARE(rig.sink.questions,
                 QStringList{"把配置文件“一号楼”的 3 步发送到控制器：\n设置设备总数 1 步，设置短信接收电话号码 1 步，初始化 1 步"});
        QCOMPARE(rig.sink.questionSteps.value(0),
                 (QStringList{"1. 0x46 设备总数 = 12", "2. 0x4C 第1个电话 = 13912345678", "3. 0x45 初始化"}));

        QProgressDialog *progress = rig.window.profiles().progress();
        QVERIFY(progress && progress->isVisible());
        QCOMPARE(progress->labelText(), QStringLiteral("第1步，共3步：0x46 设备总数 = 12"));
        QCOMPARE(rig.link.takeWritten(), hexBytes("7E FE 08 00 46 0C 5A 16"));
        rig.link.deliver(hexBytes("7E FE 08 00 46 06 54 16"));
        QCOMPARE(progress->labelText(), QStringLiteral("第2步，共3步：0x4C 第1个电话 = 13912345678"));
        // Cancelled between steps: the step under way still gets its verdict,
        // and no further step goes out.
        progress->findChild<QPushButton *>()->click();  // 取消
        rig.link.takeWritten();
        rig.link.deliver(replyFrame(0x4C, 0x06));
        QCOMPARE(rig.link.takeWritten(), QByteArray());
        QVERIFY(!rig.window.profiles().isApplying());
        QCOMPARE(rig.sink.messages, QStringList());  // no verdict boxes while applying

        QCOMPARE(resultRows(rig.window), (QStringList{"1 | 0x46 设备总数 = 12 | 设置成功（N ms）",
                                                      "2 | 0x4C 第1个电话 = 13912345678 | 设置成功（N ms）",
                                                      "3 | 0x45 初始化 | 已取消，未发送"}));
        // What it applied is in the record, ready to be saved again.
        QCOMPARE(rig.window.profiles().recordedSteps().size(), 2);
    }

    // 出错后继续 in the confirmation; then 重试未成功的步骤 sends again only
    // what did not succeed, under its step number.
    void windowKeepsGoingAndRetries()
    {
        QTemporaryDir dir;
        const QString path = writeFile(dir, R"({"smscfg-profile": 1, "steps": [["init"], ["device-count", "1"], ["device-count", "2"]]})");
        WindowRig<> rig;
        rig.open();
        rig.sink.optionTicked = true;
        rig.window.profiles().apply(path);
        QCOMPARE(rig.sink.questions, QStringList{"把配置文件“profile.json”的 3 步发送到控制器：\n初始化 1 步，设置设备总数 2 步"});
        rig.link.deliver(replyFrame(0x45, 0x06));
        rig.link.deliver(replyFrame(0x46, 0x09));
        rig.wait(3000);  // step 3 unanswered
        QCOMPARE(rig.link.writes.size(), 3);
        rig.link.writes.clear();
        QCOMPARE(rig.window.profiles().resultsText(),
                 QStringLiteral("步骤\t请求\t结果\n1\t0x45 初始化\t设置成功（0 ms）\n"
                                "2\t0x46 设备总数 = 1\t设置失败（0 ms）\n3\t0x46 设备总数 = 2\t设备无响应（3000 ms）\n"));

        auto *retry = rig.window.profiles().results()->findChild<QPushButton *>("profileRetry");
        QVERIFY(retry->isEnabled());
        retry->click();
        QCOMPARE(rig.link.takeWritten(), hexBytes("7E FE 08 00 46 01 4F 16"));
        rig.link.deliver(replyFrame(0x46, 0x06));
        QCOMPARE(rig.link.takeWritten(), hexBytes("7E FE 08 00 46 02 50 16"));
        rig.link.deliver(replyFrame(0x46, 0x06));
        QCOMPARE(rig.window.profiles().resultsText(),
                 QStringLiteral("步骤\t请求\t结果\n2\t0x46 设备总数 = 1\t设置成功（0 ms）\n3\t0x46 设备总数 = 2\t设置成功（0 ms）\n"));
        QVERIFY(!rig.window.profiles().results()->findChild<QPushButton *>("profileRetry")->isEnabled());
    }

    // The result table as CSV and on the clipboard.
    void resultsCopiedAndSaved()
    {
        QTemporaryDir dir;
        const QString path = writeFile(dir, R"({"smscfg-profile": 1, "steps": [["init"], ["device-count", "1"]]})");
        WindowRig<> rig;
        rig.open();
        rig.window.profiles().apply(path);
        rig.link.deliver(replyFrame(0x45, 0x09));
        QString error;
        QVERIFY(rig.window.profiles().saveResults(dir.filePath("r.csv"), &error));
        QCOMPARE(readFile(dir.filePath("r.csv")),
                 QStringLiteral("\uFEFF步骤,请求,结果\r\n1,0x45 初始化,设置失败（0 ms）\r\n2,0x46 设备总数 = 1,未发送\r\n").toUtf8());
        rig.window.profiles().results()->findChild<QPushButton *>("profileResultsCopy")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), rig.window.profiles().resultsText());
    }

    void csvQuotesWhatNeedsIt()
    {
        QCOMPARE(resultsCsv({{"a,b", "say \"hi\"", "两\n行"}, {"", "x", "温度"}}),
                 QByteArray("\xEF\xBB\xBF\"a,b\",\"say \"\"hi\"\"\",\"\xE4\xB8\xA4\n\xE8\xA1\x8C\"\r\n"
                            ",x,\xE6\xB8\xA9\xE5\xBA\xA6\r\n"));
    }

    // Saving says where, and the file dialogs start where the last file was.
    void saveSaysWhereAndDialogsRememberTheFolder()
    {
        QTemporaryDir dir;
        QSettings settings(dir.filePath("smscfg.conf"), QSettings::IniFormat);
        WindowRig<> rig;
        rig.window.setSettings(&settings);
        rig.open();
        rig.click("Command2");
        rig.reply("7E FE 08 00 45 06 53 16");
        QVERIFY(QDir(dir.path()).mkdir("楼"));
        const QString saved = dir.filePath("楼/一号楼.json");
        rig.sink.fileName = saved;
        rig.window.findChild<QAction *>("actionSaveProfile")->trigger();
        QCOMPARE(rig.window.exchangeStatus(), "已保存配置文件：" + saved + "（1 步）");
        QCOMPARE(rig.sink.offered, QStringList{QDir::home().filePath("配置.json")});
        rig.sink.fileName.clear();
        rig.window.findChild<QAction *>("actionApplyProfile")->trigger();
        QCOMPARE(rig.sink.offered.value(1), dir.filePath("楼"));
        // Remembered for the next window.
        WindowRig<> next;
        next.window.setSettings(&settings);
        next.window.findChild<QAction *>("actionApplyProfile")->trigger();
        QCOMPARE(next.sink.offered, QStringList{dir.filePath("楼")});
    }

    // The question before an apply fits the screen whatever the number of
    // steps: a summary, then every step in a list that scrolls, with 应用
    // and 取消 in reach.
    void questionFitsTheScreen()
    {
        const int steps = 100000;
        QTemporaryDir dir;
        QByteArray json = R"({"smscfg-profile": 1, "steps": [["init"])";
        json += QByteArray(R"(,["init"])").repeated(steps - 1) + "]}";
        const QString path = writeFile(dir, json);
        WindowRig<MessageBoxSink> rig;
        rig.sink.setParent(&rig.window);
        rig.window.show();
        rig.open();
        QString seen;
        QTimer look;
        connect(&look, &QTimer::timeout, [&] {
            auto *question = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!question || !seen.isEmpty())
                return;
            const QRect screen = question->screen()->availableGeometry();
            QStringList found;
            if (!screen.contains(question->frameGeometry()))
                found << QStringLiteral("%1 px high on a %2 px screen").arg(question->frameGeometry().height()).arg(screen.height());
            const auto *list = question->findChild<QAbstractItemView *>("questionSteps");
            if (!list || list->model()->rowCount() != steps)
                found << "no list of every step";
            QAbstractButton *cancel = nullptr;
            for (QAbstractButton *button : question->findChildren<QAbstractButton *>()) {
                const QRect place(button->mapToGlobal(QPoint(0, 0)), button->size());
                if ((button->text() == u"应用" || button->text() == u"取消" || button->text() == u"Cancel"
                     || button->text() == u"出错后继续")
                    && !screen.contains(place))
                    found << button->text() + " off the screen";
                if (button->text() == u"取消" || button->text() == u"Cancel")
                    cancel = button;
            }
            seen = found.isEmpty() ? QStringLiteral("fits") : found.join(u'；');
            QVERIFY(cancel);
            cancel->click();
        });
        look.start(20);
        rig.window.profiles().apply(path);
        look.stop();
        QCOMPARE(seen, QStringLiteral("fits"));
        QCOMPARE(rig.link.writes, QByteArrayList());
    }

    // Saving never costs the profile saved there before, and says why in
    // the operator's words.
    void saveThatCannotBeWritten_data()
    {
        QTest::addColumn<QString>("where");  // DIR: a fresh folder holding a profile, saved.json
        QTest::addColumn<QString>("message");
        QTest::newRow("over a profile, the disk full") << "DIR/saved.json"
                                                       << "无法保存配置文件：文件超过了系统允许的大小";
        QTest::newRow("into a folder that is not there") << "DIR/missing/saved.json"
                                                         << "无法保存配置文件：文件或文件夹不存在";
        QTest::newRow("over a device") << "/dev/full" << "无法保存配置文件：不是普通文件";
    }
    void saveThatCannotBeWritten()
    {
        QFETCH(QString, where);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString saved = dir.filePath("saved.json");
        const QByteArray before = R"({"smscfg-profile": 1, "steps": [["init"]]})";
        QVERIFY(writeFile(saved, before));
        WindowRig<> rig;
        rig.open();
        // Enough settings to fill more than a disk block.
        for (int probe = 1; probe <= 200; ++probe) {
            rig.setText("Text13", "1");
            rig.setText("Text14", QString::number(probe));
            rig.click("Command12");
            rig.link.deliver(replyFrame(0x4F, 0x06));
        }
        QCOMPARE(rig.window.profiles().recordedSteps().size(), 200);
        rig.sink.messages.clear();  // the verdicts
        rig.sink.fileName = QString(where).replace("DIR", dir.path());
        // A disk that takes 4096 bytes and no more.
        rlimit limit{}, full{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &limit) == 0);
        full = {4096, limit.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &full) == 0);
        rig.window.findChild<QAction *>("actionSaveProfile")->trigger();
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, handler);
        QCOMPARE(rig.sink.messages, QStringList{message});
        QCOMPARE(readFile(saved), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"saved.json"});
    }

    // A FIFO or a file too large is refused at once, without being read, and
    // a bad step before anything goes out; nothing is asked and nothing sent.
    // (Every kind of file the reader refuses: tests/core/test_files and
    // test_cli's profileFilesOfTheWrongKind; every bad step: the core's
    // profile table.)
    void applyRefusesFilesOfTheWrongKind_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("a FIFO") << "fifo" << "无法读取配置文件：不是普通文件";
        QTest::newRow("over 1 MB") << "large" << "无法读取配置文件：文件太大（超过 1 MB）";
        QTest::newRow("a bad step") << "bad step" << "第1步：最大只能设置16个电话号码";
    }
    void applyRefusesFilesOfTheWrongKind()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QString path = dir.filePath("profile.json");
        if (kind == u"fifo") {
            QVERIFY(::mkfifo(path.toLocal8Bit().constData(), 0600) == 0);
        } else if (kind == u"bad step") {
            writeFile(dir, R"({"smscfg-profile": 1, "steps": [["phone", "99", "1"]]})");
        } else {
            // A valid profile, 1 MB and one byte long.
            QByteArray json = R"({"smscfg-profile": 1, "steps": [["init"]]})";
            json.insert(json.size() - 1, QByteArray(MaxProfileBytes + 1 - json.size(), ' '));
            QCOMPARE(writeFile(dir, json), path);
        }
        WindowRig<> rig;
        rig.open();
        rig.window.profiles().apply(path);
        QCOMPARE(rig.sink.messages, QStringList{message});
        QCOMPARE(rig.sink.questions, QStringList());
        QCOMPARE(rig.link.writes, QByteArrayList());
    }
};

QTEST_MAIN(TestProfiles)
#include "test_profiles.moc"
