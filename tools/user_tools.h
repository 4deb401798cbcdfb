#pragma once
// The two user tools (F7 and Shift+F7): adding a program's path to a free position and removing one.

namespace penwick {

class FrameLink;

// Explains the user tools, then asks for a program's path: it becomes user tool 1, or 2 when 1 is set.
// "Both tool positions in use!" when both are set. A blank answer adds nothing.
void AddUserTool(FrameLink& frame);
// Offers the set tools and unsets the one whose path is chosen (tool 1 first); a typed path that matches
// neither changes nothing.
void RemoveUserTool(FrameLink& frame);

}  // namespace penwick
