#pragma once

// Runs the real programs the output tests check against (iconv aside:
// chromium, pdftotext, lpstat, chattr, mount).

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

struct ToolRun {
    bool ran = false; // started and exited normally with status 0
    QByteArray out;
};

inline bool hasTool(const QString &program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

inline ToolRun runTool(const QString &program, const QStringList &arguments, int timeoutMs = 30000)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(timeoutMs);
    return {finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
            process.readAllStandardOutput()};
}
