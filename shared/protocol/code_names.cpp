#include "shared/protocol/code_names.h"

#include "shared/protocol/captions.h"
#include "shared/protocol/commands.h"

namespace qb::protocol {

const std::vector<CodeName>& codeNames() {
    using namespace qb::protocol::caption;
    static const std::vector<CodeName> names = {
        {Preview, "play", preview_cmd::PlayTitle, "play a title, lParam = record + 65536 * page"},
        {Preview, "stop", preview_cmd::Stop, "stop playing"},
        {Preview, "end", preview_cmd::End, "end the program"},
        {Preview, "reload", preview_cmd::ReloadLists, "read the list files again"},

        {Orvelia, "previewstopped", orvelia_cmd::PreviewStopped, "the preview stopped"},
        {Orvelia, "front", orvelia_cmd::ToFront, "bring the window to the front"},
        {Orvelia, "takeover", orvelia_cmd::TakeOverOn, "take-over on"},
        {Orvelia, "takeoveroff", orvelia_cmd::TakeOverOff, "take-over off"},
        {Orvelia, "play", orvelia_cmd::PlayItem, "play"},
        {Orvelia, "stopall", orvelia_cmd::StopAll, "stop all decks"},
        {Orvelia, "dlstart", orvelia_cmd::DlStart, "start point (ms) of the title passed by path"},
        {Orvelia, "remaining1", orvelia_cmd::Remaining1, "deck 1 position (ms)"},
        {Orvelia, "remaining2", orvelia_cmd::Remaining2, "deck 2 position (ms)"},
        {Orvelia, "endpoint1", orvelia_cmd::EndPoint1, "deck 1 end point (ms)"},
        {Orvelia, "endpoint2", orvelia_cmd::EndPoint2, "deck 2 end point (ms)"},
        {Orvelia, "paste", orvelia_cmd::PasteSearch, "paste the clipboard into the search field"},

        {InfoOrvelia, "front", info_cmd::ToFront, "bring the running Tonello to the front (send)"},

        {Singalo, "front", singalo_cmd::ToFront, "bring the window to the front"},
        {Singalo, "video", singalo_cmd::StartAnnouncedVideo, "start the announced video, lParam = offset (ms)"},
        {Singalo, "closed", singalo_cmd::VideoClosed, "the video window closed, lParam = reason"},
        {Singalo, "position", singalo_cmd::VideoPosition, "video position (ms)"},
        {Singalo, "length", singalo_cmd::VideoLength, "video length (ms)"},
        {Singalo, "reread", singalo_cmd::RereadFolder, "read the selected folder again"},

        {Kinolux, "close", kinolux_cmd::Close, "close the window"},
        {Kinolux, "seekplay", kinolux_cmd::SeekAndPlay, "play from lParam (ms)"},
        {Kinolux, "pause", kinolux_cmd::Pause, "0 toggle, 1 resume, 2 pause, 3 stop"},
        {Kinolux, "stop", kinolux_cmd::Stop, "stop"},
        {Kinolux, "seek", kinolux_cmd::Seek, "go to lParam (ms)"},
        {Kinolux, "volume", kinolux_cmd::Volume, "volume 0..127"},

        {Padlink, "end", padlink_cmd::End, "the sender ends"},
        {Padlink, "started", padlink_cmd::Started, "the sender started"},
        {Padlink, "active", padlink_cmd::Active, "the sender came to the front"},

        {Scintara, "number", scintara_cmd::Number, "show lParam (send)"},
    };
    static const std::vector<CodeName> all = [] {
        std::vector<CodeName> v = names;
        for (const char* player : {Valdoro, Marquesta, Lumbrato}) {
            v.push_back({player, "closed", report_cmd::Closed, "the video window closed, lParam = reason"});
            v.push_back({player, "position", report_cmd::Position, "video position (ms)"});
            v.push_back({player, "length", report_cmd::Length, "video length (ms)"});
        }
        return v;
    }();
    return all;
}

std::optional<std::uint32_t> codeByName(std::string_view caption, std::string_view name) {
    for (const auto& c : codeNames())
        if (caption == c.caption && name == c.name) return c.code;
    return std::nullopt;
}

const char* nameOfCode(std::string_view caption, std::uint32_t code) {
    for (const auto& c : codeNames())
        if (caption == c.caption && code == c.code) return c.name;
    return nullptr;
}

}  // namespace qb::protocol
