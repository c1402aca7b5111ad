#include "program_run.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// node build-web/smscfg-dry-run.mjs WORDS... (the core in WebAssembly) against
// smscfg-cli --dry-run WORDS...: the same stdout, stderr and exit status. The
// words themselves are the core's suite's, which runs under Node too: these
// rows are one of each way through the two programs (texts, refusals, usage,
// help, profile files, the locale).
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
        QVERIFY(writeFile(m_dir.filePath("一号楼.json"), R"({"smscfg-profile": 1, "name": "一号楼",
 "steps": [["device-count", "12"], ["centre", "--", "-5"], ["device-desc", "1", "温度", "01", "--codepage"],
           ["device-switches", "3", "--phones", "1,16"], ["upper-limit", "1", "2", "high"]]})"));
        QVERIFY(writeFile(m_dir.filePath("not-json.json"), "{\"smscfg-profile\": 1,\n \"steps\": [[\"init\"] [\"init\"]]}"));
        QVERIFY(QDir(m_dir.path()).mkdir("folder.json"));
        QFile large(m_dir.filePath("large.json"));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(1024 * 1024 + 1));
    }

    // One row for each way through: the core's own tables hold every
    // frame, refusal and message.
    void sameAsTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("words");
        const QString dir = m_dir.path() + u'/';
        QTest::newRow("init") << QStringList{"init"};
        QTest::newRow("non-BMP description") << QStringList{"port-desc", "1", "2", "😀A"};
        QTest::newRow("refusal: number too long") << QStringList{"centre", "8613912345678"};
        QTest::newRow("usage: unknown command") << QStringList{"reboot"};
        QTest::newRow("help") << QStringList{"--help"};
        QTest::newRow("apply PROFILE") << QStringList{"apply", dir + "一号楼.json"};
        QTest::newRow("apply: not JSON") << QStringList{"apply", dir + "not-json.json"};
        QTest::newRow("apply: no such file") << QStringList{"apply", dir + "none.json"};
        QTest::newRow("apply: a folder") << QStringList{"apply", dir + "folder.json"};
        QTest::newRow("apply: over 1 MB") << QStringList{"apply", dir + "large.json"};
        QTest::newRow("English: a refusal") << QStringList{"--lang", "en", "centre", "8613912345678"};
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
