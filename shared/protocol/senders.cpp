#include "shared/protocol/senders.h"

#include "shared/protocol/captions.h"
#include "shared/protocol/commands.h"

namespace qb::protocol {

bool postTo(MessageBus& bus, const char* caption, std::uint32_t code, std::int32_t lParam) {
    const WindowHandle to = bus.findWindow(caption);
    return to != 0 && bus.postMessage(to, code, lParam);
}

std::optional<std::int32_t> sendTo(MessageBus& bus, const char* caption, std::uint32_t code, std::int32_t lParam) {
    const WindowHandle to = bus.findWindow(caption);
    if (to == 0) return std::nullopt;
    return bus.sendMessage(to, code, lParam);
}

bool copyDataTo(MessageBus& bus, const char* caption, WindowHandle from, std::string_view text) {
    const WindowHandle to = bus.findWindow(caption);
    return to != 0 && bus.sendCopyData(to, from, text);
}

bool postWithText(MessageBus& bus, const char* caption, WindowHandle from, std::string_view text,
                  std::uint32_t code, std::int32_t lParam) {
    const WindowHandle to = bus.findWindow(caption);
    if (to == 0 || !bus.sendCopyData(to, from, text)) return false;
    return bus.postMessage(to, code, lParam);
}

WindowHandle findInRange(MessageBus& bus, const char* caption) {
    const WindowHandle h = bus.findWindow(caption);
    return handleInRange(h) ? h : 0;
}

bool postToInRange(MessageBus& bus, const char* caption, std::uint32_t code, std::int32_t lParam) {
    const WindowHandle to = findInRange(bus, caption);
    return to != 0 && bus.postMessage(to, code, lParam);
}

std::optional<std::int32_t> sendScintaraNumber(MessageBus& bus, std::int32_t number) {
    const WindowHandle to = findInRange(bus, caption::Scintara);
    if (to == 0) return std::nullopt;
    return bus.sendMessage(to, scintara_cmd::Number, number);
}

bool wakeFirstInstance(MessageBus& bus) {
    return sendTo(bus, caption::InfoOrvelia, info_cmd::ToFront).has_value();
}

bool previewTitle(MessageBus& bus, TitleAddress address) {
    const auto lParam = encodeTitleAddress(address);
    return lParam && postTo(bus, caption::Preview, preview_cmd::PlayTitle, *lParam);
}

bool previewPath(MessageBus& bus, WindowHandle from, std::string_view path) {
    return postWithText(bus, caption::Preview, from, path, preview_cmd::PlayTitle,
                        *encodeTitleAddress({kPageByPath, 0}));
}

bool announceVideos(MessageBus& bus, WindowHandle from, const CompanionFile& file) {
    bool any = false;
    for (const std::string& video : file.videos)
        if (copyDataTo(bus, caption::Singalo, from, video)) any = true;
    return any;
}

WindowHandle findReportTarget(MessageBus& bus) {
    for (const char* c : {caption::Singalo, caption::Valdoro, caption::Marquesta, caption::Lumbrato})
        if (const WindowHandle h = bus.findWindow(c)) return h;
    return 0;
}

bool postReport(MessageBus& bus, std::uint32_t code, std::int32_t lParam) {
    const WindowHandle to = findReportTarget(bus);
    return to != 0 && bus.postMessage(to, code, lParam);
}

}  // namespace qb::protocol
