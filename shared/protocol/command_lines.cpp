#include "shared/protocol/command_lines.h"

namespace qb::protocol {

CommandLine previewCommandLine() { return {"Tonello_Preview", {}}; }

CommandLine padlinkCommandLine() { return {"Padlink", {}}; }

CommandLine kinoluxCommandLine(const KinoluxStart& s) {
    CommandLine c{"Kinolux", {s.path}};
    if (s.width) c.args.push_back("/b=" + std::to_string(*s.width));
    if (s.height) c.args.push_back("/h=" + std::to_string(*s.height));
    if (s.startMs) c.args.push_back("/i=" + std::to_string(*s.startMs));
    if (s.volume) c.args.push_back("/l=" + std::to_string(*s.volume));
    if (s.paused) c.args.push_back("/p");
    return c;
}

}  // namespace qb::protocol
