#include "tonello/player/player_settings.h"

#include <filesystem>
#include <system_error>

#include "platform/core/datetime.h"
#include "platform/core/text.h"

namespace qb::tonello {

void readPlayerSettings(const SettingsKey& key, PlayerSettings& s) {
    key.readInteger("Top", s.top);
    key.readInteger("Left", s.left);
    key.readInteger("Height", s.height);
    key.readInteger("Width", s.width);
    key.readInteger("Ueberblend", s.ueberblend);
    key.readInteger("Lautstaerke", s.lautstaerke);
    key.readBool("Zufall", s.zufall);
    key.readBool("Takeover", s.takeover);
    key.readInteger("Takeoverls", s.takeoverls);
    key.readBool("Suchmethode", s.suchmethode);
    std::string folder;
    std::error_code ec;
    if (key.readString("Musikordner", folder) && !folder.empty() && std::filesystem::is_directory(folder, ec))
        s.musikordner = folder;
    key.readString("Musikspeichernordner", s.musikspeichernordner);
    key.readString("Playlist", s.playlist);
    key.readInteger("Anzahl", s.anzahl);
    key.readString("Lied", s.lied);
    key.readDateTime("Start", s.start);
}

void setPlayerSettings(SettingsKey& key, const PlayerSettings& s, double now) {
    key.setInteger("Top", s.top);
    key.setInteger("Left", s.left);
    key.setInteger("Height", s.height);
    key.setInteger("Width", s.width);
    key.setInteger("Ueberblend", s.ueberblend);
    key.setInteger("Lautstaerke", s.lautstaerke);
    key.setBool("Zufall", s.zufall);
    key.setBool("Takeover", s.takeover);
    key.setInteger("Takeoverls", s.takeoverls);
    key.setString("Playlist", s.playlist);
    key.setBool("Suchmethode", s.suchmethode);
    key.setString("Musikordner", s.musikordner);
    key.setString("Musikspeichernordner", s.musikspeichernordner);
    key.setInteger("Anzahl", s.anzahl);
    key.setString("Lied", std::string(text::leftChars(s.lied, 255)));
    key.setDateTime("Start", s.start);
    key.setString("Datum", formatDateTime(now));
}

}  // namespace qb::tonello
