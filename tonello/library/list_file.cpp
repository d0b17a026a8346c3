#include "tonello/library/list_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qb {

namespace {

// A file descriptor that is closed when it goes out of scope.
class File {
public:
    File(const std::string& path, int flags, mode_t mode = 0644)
        : fd_(::open(path.c_str(), flags | O_CLOEXEC, mode)) {}
    ~File() {
        if (fd_ >= 0) ::close(fd_);
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool ok() const { return fd_ >= 0; }

    // Closing can report a late write error; a failed close fails the write.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

    std::optional<std::uint64_t> size() const {
        struct stat st {};
        if (::fstat(fd_, &st) != 0) return std::nullopt;
        return static_cast<std::uint64_t>(st.st_size);
    }

    bool readAt(std::uint8_t* buf, std::size_t n, std::uint64_t offset) const {
        std::size_t done = 0;
        while (done < n) {
            const ssize_t got = ::pread(fd_, buf + done, n - done, static_cast<off_t>(offset + done));
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) return false;
            done += static_cast<std::size_t>(got);
        }
        return true;
    }

    bool writeAt(const std::uint8_t* buf, std::size_t n, std::uint64_t offset) const {
        std::size_t done = 0;
        while (done < n) {
            const ssize_t put = ::pwrite(fd_, buf + done, n - done, static_cast<off_t>(offset + done));
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) return false;
            done += static_cast<std::size_t>(put);
        }
        return true;
    }

private:
    int fd_;
};

std::optional<TitleRecord> readAt(const File& f, std::uint64_t k) {
    TitleRecordBytes bytes;
    if (!f.readAt(bytes.data(), bytes.size(), k * kTitleRecordSize)) return std::nullopt;
    return decodeTitleRecord(bytes.data());
}

}  // namespace

std::optional<std::uint64_t> listFileRecordCount(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size) / kTitleRecordSize;
}

bool createEmptyListFile(const std::string& path) {
    File f(path, O_WRONLY | O_CREAT | O_TRUNC);
    return f.ok() && f.close();
}

bool appendTitleRecord(const std::string& path, const TitleRecord& record) {
    File f(path, O_WRONLY);
    if (!f.ok()) return false;
    const auto size = f.size();
    if (!size) return false;
    const TitleRecordBytes bytes = encodeTitleRecord(record);
    const std::uint64_t at = *size / kTitleRecordSize * kTitleRecordSize;
    // A partial record at the end lies wholly inside the new one, so the file
    // ends on a whole record again.
    if (!f.writeAt(bytes.data(), bytes.size(), at)) return false;
    return f.close();
}

std::optional<TitleRecord> readTitleRecord(const std::string& path, std::uint64_t k) {
    File f(path, O_RDONLY);
    if (!f.ok()) return std::nullopt;
    return readAt(f, k);
}

bool rewriteTitleRecord(const std::string& path, std::uint64_t k,
                        const std::function<void(TitleRecord&)>& change) {
    File f(path, O_RDWR);
    if (!f.ok()) return false;
    auto record = readAt(f, k);
    if (!record) return false;
    change(*record);
    const TitleRecordBytes bytes = encodeTitleRecord(*record);
    if (!f.writeAt(bytes.data(), bytes.size(), k * kTitleRecordSize)) return false;
    return f.close();
}

bool readAllTitleRecords(const std::string& path, std::vector<TitleRecord>& out) {
    File f(path, O_RDONLY);
    if (!f.ok()) return false;
    const auto size = f.size();
    if (!size) return false;
    const std::uint64_t count = *size / kTitleRecordSize;
    std::vector<std::uint8_t> bytes(count * kTitleRecordSize);
    if (!bytes.empty() && !f.readAt(bytes.data(), bytes.size(), 0)) return false;
    std::vector<TitleRecord> records;
    records.reserve(count);
    for (std::uint64_t k = 0; k < count; ++k)
        records.push_back(decodeTitleRecord(bytes.data() + k * kTitleRecordSize));
    out = std::move(records);
    return true;
}

}  // namespace qb
