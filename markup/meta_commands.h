#pragma once
// The Meta menu: HTML meta statements, general and named, and up to five names of the user's own
// (Settings::userMetas, stored with the settings). Each group has a label that explains it.

#include <QString>
#include <array>

namespace penwick {

class FrameLink;
class MenuBuilder;
class TEditForm;

inline constexpr int kUserMetas = 5;
using UserMetas = std::array<QString, kUserMetas>;

// How a meta statement ends: "\" />" while The Changer is on, "\">" otherwise.
QString MetaClose(bool changer);
// A whole statement on a line of its own: <meta name="name" content="content"> and a line break.
QString MetaStatement(const QString& name, const QString& content, bool changer);

// The user's own names, with or without an editor window (the lists editor adds names too).
// Fills the lowest free slot with an asked name; "All 5 slots are full" when there is none.
void AddUserMeta(FrameLink& frame);
// Empties the lowest slot holding the chosen name.
void RemoveUserMeta(FrameLink& frame);

// The frame's help on writing metadata.
void ShowWritingMetadata(FrameLink& frame);

void METAtags1Click(TEditForm& e);
// An empty statement for user slot index (0 to 4), the caret in its content.
void UserMetaClick(TEditForm& e, int index);

void AddMetaMenus(MenuBuilder& menus);

}  // namespace penwick
