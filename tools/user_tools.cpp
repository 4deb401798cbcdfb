#include "tools/user_tools.h"

#include <QStringList>

#include "editor/frame_link.h"
#include "settings/settings.h"
#include "ui/message_boxes.h"

namespace penwick {

void AddUserTool(FrameLink& frame) {
  MessageBoxes& boxes = frame.Boxes();
  Settings& s = frame.AppSettings();
  boxes.Show(
      QStringLiteral("Add User Tool"),
      QStringLiteral("Up to two tools can be added. They appear at the bottom of the Tools menu, on F7 "
                     "and Shift+F7.\n\nGive the complete path and file name of the program (PathFinder "
                     "puts it on the Clipboard for you).\n\nSave settings when you close Penwick to "
                     "keep the change."),
      MsgType::kInformation, MsgButtons::kOk);
  if (!s.f7Tool.isEmpty() && !s.f8Tool.isEmpty()) {
    boxes.Show(QStringLiteral("Can't add tool"), QStringLiteral("Both tool positions in use!"),
               MsgType::kInformation, MsgButtons::kOk);
    return;
  }
  QString answer;
  if (!boxes.InputQuery(QStringLiteral("Add User's Tool"), QStringLiteral("path\\name:"), answer)) return;
  answer = answer.trimmed();
  if (answer.isEmpty()) return;
  (s.f7Tool.isEmpty() ? s.f7Tool : s.f8Tool) = answer;
}

void RemoveUserTool(FrameLink& frame) {
  MessageBoxes& boxes = frame.Boxes();
  Settings& s = frame.AppSettings();
  boxes.Show(QStringLiteral("Remove User Tool"),
             QStringLiteral("Select the tool to remove and press OK.\n\nSave settings when you close Penwick "
                            "to keep the change."),
             MsgType::kInformation, MsgButtons::kOk);
  QStringList tools;
  for (const QString* tool : {&s.f7Tool, &s.f8Tool}) {
    if (!tool->isEmpty()) tools << *tool;
  }
  if (tools.isEmpty()) return;
  QString answer = tools.first();
  if (!boxes.InputWithHistory(QStringLiteral("Delete User Tool List item"),
                              QStringLiteral("Select the item to Delete"), answer, tools)) {
    return;
  }
  if (s.f7Tool == answer) {
    s.f7Tool.clear();
  } else if (s.f8Tool == answer) {
    s.f8Tool.clear();
  }
}

}  // namespace penwick
