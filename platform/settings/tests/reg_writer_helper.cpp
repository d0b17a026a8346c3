// reg_writer_helper <folder> <key> <prefix> <count> [<go-file>] [<pad>]
// Waits until <go-file> exists (when given), then writes the dword value
// <prefix><i % 10> = i for i = 0 .. count-1, one write each, each value padded
// by a string value <prefix>Pad of <pad> bytes. Exit code 0 when every write
// reported success.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/settings/reg_file_store.h"

int main(int argc, char** argv) {
    if (argc < 5) return 2;
    qb::RegFileStore store(argv[1]);
    const std::string key = argv[2];
    const std::string prefix = argv[3];
    const int count = std::atoi(argv[4]);
    if (argc > 5 && argv[5][0]) {
        while (!std::filesystem::exists(argv[5])) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const std::size_t pad = argc > 6 ? static_cast<std::size_t>(std::atol(argv[6])) : 0;
    int failures = 0;
    for (int i = 0; count <= 0 || i < count; ++i) {
        qb::RegValues v{{prefix + std::to_string(i % 10), qb::RegValue::ofDword(static_cast<std::uint32_t>(i))}};
        if (pad) v[prefix + "Pad"] = qb::RegValue::ofString(std::string(pad, static_cast<char>('a' + i % 26)));
        if (!store.writeValues(key, v)) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
