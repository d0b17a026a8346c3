#include "platform/messages/tests/peer_process.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <csignal>
#include <sys/types.h>

namespace qb::testing {

bool pumpUntil(const std::function<bool()>& pred, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    QTimer wake;  // keeps WaitForMoreEvents from sleeping past the deadline
    wake.start(5);
    while (!pred()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

PeerProcess::PeerProcess(const QStringList& args) {
    proc_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proc_.start(QStringLiteral(QB_MESSAGE_PEER), args);
    proc_.waitForStarted(10000);
}

PeerProcess::~PeerProcess() {
    if (proc_.state() != QProcess::NotRunning) {
        proc_.kill();
        proc_.waitForFinished(5000);
    }
}

void PeerProcess::readLines() {
    partial_ += proc_.readAllStandardOutput().toStdString();
    std::size_t nl;
    while ((nl = partial_.find('\n')) != std::string::npos) {
        std::string line = partial_.substr(0, nl);
        partial_.erase(0, nl + 1);
        if (line.rfind("READY ", 0) != 0 && line.rfind("POSTED ", 0) != 0) messages_.push_back(line);
        lines_.push_back(std::move(line));
    }
}

std::string PeerProcess::waitLine(const std::string& prefix, int timeoutMs) {
    std::string found;
    pumpUntil([&] {
        readLines();
        for (const auto& l : lines_)
            if (l.rfind(prefix, 0) == 0) {
                found = l;
                return true;
            }
        return proc_.state() == QProcess::NotRunning && proc_.bytesAvailable() == 0;
    }, timeoutMs);
    return found;
}

std::string PeerProcess::waitLineBlocking(const std::string& prefix, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        readLines();
        for (const auto& l : lines_)
            if (l.rfind(prefix, 0) == 0) return l;
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0 || proc_.state() == QProcess::NotRunning) return {};
        proc_.waitForReadyRead(static_cast<int>(left));
    }
}

unsigned PeerProcess::waitReady(int timeoutMs) {
    const std::string line = waitLine("READY ", timeoutMs);
    return line.empty() ? 0u : static_cast<unsigned>(std::stoul(line.substr(6)));
}

bool PeerProcess::waitMessages(std::size_t n, int timeoutMs) {
    return pumpUntil([&] {
        readLines();
        return messages_.size() >= n;
    }, timeoutMs);
}

const std::vector<std::string>& PeerProcess::messages() {
    readLines();
    return messages_;
}

bool PeerProcess::waitFinished(int timeoutMs) {
    const bool done = pumpUntil([&] { return proc_.state() == QProcess::NotRunning; }, timeoutMs);
    readLines();
    return done;
}

void PeerProcess::kill(int signal) {
    ::kill(static_cast<pid_t>(proc_.processId()), signal);
}

}  // namespace qb::testing
