#include "platform/audio/testing/lame.h"

#include <QProcess>
#include <QStringList>

#include <filesystem>

namespace qb::audiotest {

bool haveLame() {
    QProcess p;
    p.start("lame", {"--version"});
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool runLame(const std::vector<std::string>& options, const std::string& in, const std::string& out) {
    QStringList args{"--quiet"};
    for (const auto& o : options) args << QString::fromStdString(o);
    args << QString::fromStdString(in) << QString::fromStdString(out);
    QProcess p;
    p.start("lame", args);
    if (!p.waitForFinished(600000)) return false;
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 && std::filesystem::exists(out);
}

}  // namespace qb::audiotest
