#pragma once
// Test side of qb_message_peer: start it, read its lines, let the test's own
// Qt loop run while waiting.
#include <QProcess>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace qb::testing {

// Run this thread's Qt events until pred() holds or timeoutMs pass.
bool pumpUntil(const std::function<bool()>& pred, int timeoutMs);

class PeerProcess {
public:
    explicit PeerProcess(const QStringList& args);
    ~PeerProcess();

    // The handle from the "READY" line; 0 when it did not come.
    unsigned waitReady(int timeoutMs = 10000);
    // Wait until at least n message lines have arrived (lines other than READY/POSTED).
    bool waitMessages(std::size_t n, int timeoutMs = 20000);
    // Wait for the first line starting with prefix; empty when none came.
    std::string waitLine(const std::string& prefix, int timeoutMs = 10000);
    // The same without running this thread's events (nothing else is read meanwhile).
    std::string waitLineBlocking(const std::string& prefix, int timeoutMs = 10000);
    const std::vector<std::string>& messages();
    bool waitFinished(int timeoutMs = 10000);
    int exitCode() const { return proc_.exitCode(); }
    void kill(int signal);
    qint64 pid() const { return proc_.processId(); }

private:
    void readLines();
    QProcess proc_;
    std::string partial_;
    std::vector<std::string> lines_;
    std::vector<std::string> messages_;
};

}  // namespace qb::testing
