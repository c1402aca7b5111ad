#include "program_run.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// node build-web/smscfg-dry-run.mjs WORDS... (the core in WebAssembly) against
// smscfg-cli --dry-run WORDS...: the same stdout, stderr and exit status.
class TestDryRunWeb : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists(QStringLiteral(SMSCFG_WEB_DRY_RUN))) {
            if (qEnvironmentVariableIsSet("SMSCFG_WEB_REQUIRED"))
                QFAIL("build-web/smscfg-dry-run.mjs is missing: bash scripts/web build");
            QSKIP("no WebAssembly build: bash scripts/web build");
        }
        m_node = QStandardPaths::findExecutable(QStringLiteral("node"));
        QVERIFY2(!m_node.isEmpty(), "node is not on PATH");
        QVERIFY(m_dir.isValid());
        const auto write = [&](const char *name, const QByteArray &text) {
            QFile file(m_dir.filePath(QString::fromUtf8(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        };
        write("一号楼.json", R"({"smscfg-profile": 1, "name": "一号楼",
 "steps": [["device-count", "12"], ["centre", "--", "-5"], ["device-desc", "1", "温度", "01", "--codepage"],
           ["device-switches", "3", "--phones", "1,16"], ["upper-limit", "1", "2", "high"]]})");
        write("bad-step.json", R"({"smscfg-profile": 1, "steps": [["init"], ["phone", "99", "1"]]})");
        write("not-json.json", "{\"smscfg-profile\": 1,\n \"steps\": [[\"init\"] [\"init\"]]}");
        write("version-2.json", R"({"smscfg-profile": 2, "steps": []})");
        QVERIFY(QDir(m_dir.path()).mkdir("folder.json"));
        QFile large(m_dir.filePath("large.json"));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(1024 * 1024 + 1));
    }

    void sameAsTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("words");
        const QString dir = m_dir.path() + u'/';
        QTest::newRow("init") << QStringList{"init"};
        QTest::newRow("device count") << QStringList{"device-count", "12"};
        QTest::newRow("chinese description") << QStringList{"device-desc", "1", "温度", "01"};
        QTest::newRow("code page description") << QStringList{"device-desc", "--codepage", "1", "温度€", "0A0B"};
        QTest::newRow("non-BMP description") << QStringList{"port-desc", "1", "2", "😀A"};
        QTest::newRow("phones") << QStringList{"probe-switches", "1", "2", "--phones", "1,5,16"};
        QTest::newRow("clock") << QStringList{"clock", "26", "12", "06", "20", "38", "星期日"};
        QTest::newRow("refusal: number too long") << QStringList{"centre", "8613912345678"};
        QTest::newRow("refusal: control character") << QStringList{"phone", "1", "139\x1b"};
        QTest::newRow("refusal: hex pairs") << QStringList{"addresses", "0x08"};
        QTest::newRow("refusal: clock field") << QStringList{"clock", "26", "13", "06", "20", "38", "星期天"};
        QTest::newRow("message: empty box") << QStringList{"centre", ""};
        QTest::newRow("message: too many phones") << QStringList{"phone", "17", "1"};
        QTest::newRow("message: level") << QStringList{"upper-limit", "1", "2", "none"};
        QTest::newRow("-- makes texts") << QStringList{"centre", "--", "--x"};
        QTest::newRow("-- after an option") << QStringList{"port-desc", "--codepage", "--", "1", "-2", "--"};
        QTest::newRow("usage: unknown command") << QStringList{"reboot"};
        QTest::newRow("usage: not an option") << QStringList{"device-count", "--x"};
        QTest::newRow("usage: too few texts") << QStringList{"phone", "1"};
        QTest::newRow("usage: bad level") << QStringList{"upper-limit", "1", "2", "medium"};
        QTest::newRow("usage: bad timeout") << QStringList{"--timeout", "0", "init"};
        QTest::newRow("usage: unknown option") << QStringList{"--fast", "init"};
        QTest::newRow("usage: no command") << QStringList{};
        QTest::newRow("usage: several ports") << QStringList{"--port", "1", "--port", "2", "init"};
        QTest::newRow("usage: a near miss") << QStringList{"devicecount", "12"};
        QTest::newRow("level in Chinese") << QStringList{"upper-limit", "1", "2", "高电平"};
        QTest::newRow("ports help") << QStringList{"ports", "--help"};
        QTest::newRow("help") << QStringList{"--help"};
        QTest::newRow("command help") << QStringList{"device-desc", "--help"};
        QTest::newRow("apply help") << QStringList{"apply", "--help"};
        QTest::newRow("version") << QStringList{"--version"};
        QTest::newRow("apply PROFILE") << QStringList{"apply", dir + "一号楼.json"};
        QTest::newRow("apply, several ports") << QStringList{"--port", "1", "--port", "2", "apply", dir + "一号楼.json", "--keep-going"};
        QTest::newRow("apply: a bad step") << QStringList{"apply", dir + "bad-step.json"};
        QTest::newRow("apply: not JSON") << QStringList{"apply", dir + "not-json.json"};
        QTest::newRow("apply: a later version") << QStringList{"apply", dir + "version-2.json"};
        QTest::newRow("apply: no such file") << QStringList{"apply", dir + "none.json"};
        QTest::newRow("apply: a folder") << QStringList{"apply", dir + "folder.json"};
        QTest::newRow("apply: over 1 MB") << QStringList{"apply", dir + "large.json"};
        QTest::newRow("apply: not an option") << QStringList{"apply", "--fast", dir + "一号楼.json"};
        QTest::newRow("English: help") << QStringList{"--lang", "en", "--help"};
        QTest::newRow("English: a refusal") << QStringList{"--lang", "en", "centre", "8613912345678"};
        QTest::newRow("English: a weekday") << QStringList{"--lang", "en", "clock", "26", "12", "05", "23", "42", "Saturday"};
        QTest::newRow("English: a bad step") << QStringList{"--lang", "en", "apply", dir + "bad-step.json"};
        QTest::newRow("English: not JSON") << QStringList{"--lang", "en", "apply", dir + "not-json.json"};
        QTest::newRow("English from LANG") << QStringList{"LANG=en_US.UTF-8", "devicecount", "12"};
        QTest::newRow("LC_ALL before LANG") << QStringList{"LC_ALL=zh_CN.UTF-8", "LANG=en_US.UTF-8", "centre", ""};
    }
    void sameAsTheCommandLine()
    {
        QFETCH(QStringList, words);
        // Leading NAME=VALUE words set the environment of both.
        QStringList environment;
        while (!words.isEmpty() && words.front().contains(u'=') && !words.front().startsWith(u'-'))
            environment << words.takeFirst();
        const ProgramRun cli =
            run(QStringLiteral(SMSCFG_CLI_PATH), QStringList{"--dry-run"} + words, 20000, environment);
        const ProgramRun web = run(m_node, QStringList{QStringLiteral(SMSCFG_WEB_DRY_RUN)} + words, 20000, environment);
        QCOMPARE(web.out, cli.out);
        QCOMPARE(web.err, cli.err);
        QCOMPARE(web.exitCode, cli.exitCode);
    }

private:
    QString m_node;
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestDryRunWeb)
#include "test_dry_run_web.moc"
