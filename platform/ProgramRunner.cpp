#include "platform/ProgramRunner.h"

#include <QCoreApplication>
#include <QProcess>

namespace platform {

QStringList argumentVector(const QString &path, const QStringList &parameters)
{
    QStringList arguments{path};
    arguments += parameters;
    return arguments;
}

bool RunProgram(const QString &path, const QStringList &parameters, uint8_t showState, bool wait,
                const QString &workingDirectory, const std::function<bool()> &stopRequested)
{
    (void)showState;
    const QStringList arguments = argumentVector(path, parameters);
    if (path.isEmpty())
        return false;
    if (!wait)
        return QProcess::startDetached(arguments.front(), arguments.mid(1), workingDirectory);

    QProcess process;
    process.setProgram(arguments.front());
    process.setArguments(arguments.mid(1));
    process.setWorkingDirectory(workingDirectory);
    // A program that reads its input must not wait on a pipe nobody writes.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start();
    if (!process.waitForStarted(-1))
        return false;
    if (!QCoreApplication::instance()) {
        process.waitForFinished(-1);
    } else {
        // The window goes on with its events while the program runs.
        bool stopped = false;
        while (process.state() != QProcess::NotRunning) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (!stopped && stopRequested && stopRequested()) {
                process.terminate();
                stopped = true;
            }
        }
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

}  // namespace platform
