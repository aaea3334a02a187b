#pragma once

#include <QFile>
#include <QProcess>
#include <QString>
#include <QThread>

namespace kolvar {

// True once the process has its own handler for the signal, read from what the kernel reports.
inline bool CatchesSignal(qint64 pid, int signal) {
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return false;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            const unsigned long long caught = line.mid(7).trimmed().toULongLong(nullptr, 16);
            return (caught >> (signal - 1) & 1) != 0;
        }
    }
    return false;
}

// The program sets up its signal handling once its toolkit has started.
inline bool WaitUntilCatches(const QProcess& process, int signal) {
    for (int attempt = 0; attempt < 500; ++attempt) {
        if (CatchesSignal(process.processId(), signal)) {
            return true;
        }
        QThread::msleep(10);
    }
    return false;
}

}  // namespace kolvar
