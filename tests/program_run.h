#pragma once

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// A program run to its end: exit code, stdout and stderr.
struct ProgramRun {
    int exitCode;
    QString out, err;
};

// A program that does not end within `waitMs` (or does not start) gives -1
// and says so on err, so that it cannot pass for one that exited 0.
// `environment`: NAME=VALUE settings over the test's own.
inline ProgramRun run(const QString &program, const QStringList &args, int waitMs = 10000,
                      const QStringList &environment = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &setting : environment)
        env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(waitMs))
        return {-1, {}, QStringLiteral("did not finish")};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// Writes `bytes` over whatever `path` held; false when it cannot.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Empty when the file cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Empty when the file cannot be read or holds no JSON object.
inline QJsonObject readJsonObject(const QString &path)
{
    return QJsonDocument::fromJson(readFile(path)).object();
}
