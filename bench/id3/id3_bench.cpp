// ReadId3 over many generated MP3 files (warm cache), against a plain read of
// the same bytes (the first 131072 and the last 128) in the same run.
//
//   id3_bench [files=10000]
//
// Files are 4 MB, sparse apart from their tags, in a temporary folder that is
// removed at the end. A third carry an ID3v2 tag, a third an ID3v1 tag, a third
// both. Each measurement is the best of three rounds.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "shared/id3/id3_reader.h"

namespace {

using Bytes = std::vector<unsigned char>;
constexpr off_t kFileSize = 4'000'000;

void append(Bytes& b, const std::string& s) { b.insert(b.end(), s.begin(), s.end()); }

void appendFrame(Bytes& b, const char* id, const std::string& text) {
    append(b, id);
    b.insert(b.end(), {0, 0, 0, static_cast<unsigned char>(text.size() + 1), 0, 0, 0});
    append(b, text);
}

Bytes v2Tag(int i) {
    Bytes b = {'I', 'D', '3', 3, 0, 0, 0, 0, 0x10, 0};
    appendFrame(b, "TPE1", "Band Nummer " + std::to_string(i));
    appendFrame(b, "TIT2", "Ein ziemlich langer Titel " + std::to_string(i));
    appendFrame(b, "TALB", "Album " + std::to_string(i / 12));
    appendFrame(b, "TYER", "1999");
    appendFrame(b, "TRCK", std::to_string(i % 12 + 1) + "/12");
    appendFrame(b, "COMM", std::string("deu") + '\0' + "Kommentar");
    return b;
}

Bytes v1Tag(int i) {
    Bytes b(128, 0);
    const auto put = [&](std::size_t at, const std::string& s) { std::copy(s.begin(), s.end(), b.begin() + at); };
    put(0, "TAG");
    put(3, "Titel " + std::to_string(i));
    put(33, "Interpret " + std::to_string(i));
    put(63, "Album");
    put(93, "2004");
    put(97, "Kommentar");
    b[126] = static_cast<unsigned char>(i % 20 + 1);
    b[127] = static_cast<unsigned char>(i % 130);
    return b;
}

bool writeAll(int fd, const Bytes& b, off_t at) { return ::pwrite(fd, b.data(), b.size(), at) == ssize_t(b.size()); }

std::vector<std::string> makeFiles(const std::string& dir, int count) {
    std::vector<std::string> paths;
    char name[128];
    for (int i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "/%02d_Band %d - Titel %d.mp3", i % 100, i, i);
        const std::string path = dir + name;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        bool ok = fd >= 0 && ::ftruncate(fd, kFileSize) == 0;
        if (ok && i % 3 != 1) ok = writeAll(fd, v2Tag(i), 0);
        if (ok && i % 3 != 0) ok = writeAll(fd, v1Tag(i), kFileSize - 128);
        if (fd >= 0) ::close(fd);
        if (!ok) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            std::exit(1);
        }
        paths.push_back(path);
    }
    return paths;
}

// The same bytes ReadId3 reads, read plainly: first 131072, last 128.
std::array<unsigned char, qb::kId3HeadBytes> g_head;
std::size_t plainRead(const std::string& path) {
    unsigned char tail[128];
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    const ssize_t n = ::read(fd, g_head.data(), g_head.size());
    const off_t size = ::lseek(fd, 0, SEEK_END);
    const ssize_t t = ::pread(fd, tail, sizeof tail, size - 128);
    ::close(fd);
    return static_cast<std::size_t>(n) + static_cast<std::size_t>(t) + tail[0] + g_head[0];
}

template <class F>
double bestSeconds(int rounds, F&& f) {
    double best = 1e30;
    for (int r = 0; r < rounds; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    std::string dir = (std::filesystem::temp_directory_path() / "qb-id3-bench-XXXXXX").string();
    if (!::mkdtemp(dir.data())) return 1;
    const auto paths = makeFiles(dir, count);

    std::size_t sink = 0;
    for (const auto& p : paths) sink += plainRead(p);  // warm the page cache

    qb::TitleInfo info;
    const double id3 = bestSeconds(3, [&] {
        for (const auto& p : paths) {
            qb::ReadId3(p, info);
            sink += info.Titel.size() + info.Genre.size();
        }
    });
    const double plain = bestSeconds(3, [&] {
        for (const auto& p : paths) sink += plainRead(p);
    });

    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    std::printf("files: %d (4 MB each, warm cache)\n", count);
    std::printf("ReadId3:    %10.0f files/s  (%.3f s)\n", count / id3, id3);
    std::printf("plain read: %10.0f files/s  (%.3f s)\n", count / plain, plain);
    std::printf("ratio ReadId3 / plain read time: %.3f\n", id3 / plain);
    std::printf("(checksum %zu)\n", sink);
    return 0;
}
