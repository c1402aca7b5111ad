#pragma once

#include "commands/request_words.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <variant>

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

struct Profile {
    QString name;
    QList<QStringList> steps;
};

// The profile in a file's text, or why there is none: where the JSON breaks
// ("第3行第12列：缺少逗号"), or what is wrong with its form.
std::variant<Profile, QString> parseProfile(const QByteArray &json);

// The file's text: one step to a line, so that it reads and edits well.
QByteArray profileToJson(const Profile &profile);

// One step ready to send.
struct ProfileStep {
    QStringList words;
    CommandFrame frame;
};

// Every step read and built, `clock now` taken from `now`; or the first
// step that cannot be, as "第N步：reason".
std::variant<QList<ProfileStep>, QString> buildProfileSteps(const Profile &profile, const QDateTime &now);

}  // namespace smscfg
