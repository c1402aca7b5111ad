#pragma once

#include "commands/request_words.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A profile: the settings of one controller, saved to apply to the next.
// A file holds JSON:
//
//   {"smscfg-profile": 1, "name": "一号楼",
//    "steps": [["device-count", "12"],
//              ["phone", "1", "13912345678"],
//              ["clock", "now"]]}
//
// Each step is the words that follow `smscfg-cli` for one request.
namespace smscfg {

inline constexpr int ProfileVersion = 1;

// The most a profile file may hold: some 100,000 short steps, far more than
// any controller takes, and little enough to read and show at once.
inline constexpr long long MaxProfileBytes = 1024 * 1024;

struct Profile {
    std::u16string name;
    std::vector<Words> steps;
};

// The profile in a file's text (UTF-8), or why there is none: where the JSON
// breaks ("配置文件第3行第12列：缺少逗号"), or what is wrong with its form.
std::variant<Profile, std::u16string> parseProfile(std::string_view json);

// The file's text (UTF-8): one step to a line, so that it reads and edits well.
std::string profileToJson(const Profile &profile);

// One step ready to send.
struct ProfileStep {
    Words words;
    CommandFrame frame;
};

// Every step read and built, `clock now` taken from `now`; or the first
// step that cannot be, as "第N步：reason".
std::variant<std::vector<ProfileStep>, std::u16string> buildProfileSteps(const Profile &profile, const LocalTime &now);

}  // namespace smscfg
