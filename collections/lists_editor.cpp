#include "collections/lists_editor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "collections/edit_list_box.h"
#include "editor/frame_link.h"
#include "settings/settings.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

struct ListKind {
  char code;
  const char* name;
  const char* button;
  const char* caption;
};

constexpr ListKind kLists[] = {
    {'w', "wsBtn", "&Web Sites List", "List Editor - Helpful Web Sites Access List"},
    {'h', "whBtm", "Win&Help Files List", "List Editor - Useful WinHelp Files Access list"},
    {'m', "htmlFiles", "HT&MLHelp Files List", "List Editor - Useful HTMLHelp Files Access List"},
    {'r', "roBtn", "&Recently Opened", "List Editor - \"Recently Opened\" Files Access List"},
    {'s', "SrchBtn", "Re-&search List", "List Editor - Re-search Markers Access List"},
    {'d', "doBtn", "Direct &Open List", "List Editor - \"Direct Open\" Files Access List"},
    {'t', "ToolBoxList", "&ToolBoxList", "List Editor - ToolBox Applications Access list"},
    {'u', "UserToolsList", "&User Tools List", "List Editor - \"User Defined\" Tools Access List"},
    {'f', "UserMetas", "User De&fined Metas", "List Editor - \"User Defined\" META Template List"},
};

constexpr int kMaxReopens = 5;

const char kRecentEditText[] =
    "Only five files are listed. A file added goes to the top and the fifth is dropped. To put a file at a "
    "given position, edit the entry there.\n\nSave settings when you close Penwick to keep the changes.";
const char kRecentAddText[] =
    "Only five files are listed: the new one goes to the top, and when there are five the last is dropped. "
    "To put a file at a given position, edit the entry there instead.\n\nSave settings when you close "
    "Penwick to keep the changes.";
const char kResearchText[] =
    "The re-search list keeps phrases or titles that mark the work areas of your documents, so Re-search "
    "takes you from one to another. You can edit it here.\n\nSave settings when you close Penwick to keep "
    "the changes.";
const QString kRecentlyOpened = QStringLiteral("\"Recently Opened\"");
const QString kResearchCaption = QStringLiteral("Re-search (advanced search) List");

// A list of entries with, for most, a current value that commands use directly and that follows its first
// entry.
struct PlainList {
  QStringList* items = nullptr;
  QString* current = nullptr;
};

PlainList Plain(Settings& s, char code) {
  switch (code) {
    case 'w':
      return {&s.helpUrls, &s.helpUrl};
    case 'h':
      return {&s.helpFiles, &s.helpFile};
    case 'm':
      return {&s.hhelpFiles, &s.hhelpFile};
    case 'r':
      return {&s.reopens, nullptr};
    case 's':
      return {&s.research, &s.lastResearch};
    case 't':
      return {&s.toolApps, &s.toolApp};
    default:
      return {};
  }
}

// The lists whose current value moves to the next entry when it is deleted.
bool DeletingMovesCurrent(char code) { return code == 'w' || code == 'h' || code == 'm'; }

// An answer of blanks only is a Cancel: no list keeps an empty entry.
bool IsBlank(const QString& answer) { return answer.trimmed().isEmpty(); }

}  // namespace

TrfDialog::TrfDialog(const CollectionLinks& links)
    : QDialog(links.owner), links_(links), settings_(links.frame.AppSettings()) {
  setWindowTitle(QStringLiteral("Lists Editor"));
  list_ = new EditListBox(this);
  list_->setObjectName(QStringLiteral("ListBox1"));
  list_->setEnabled(false);
  list_->setMinimumSize(440, 200);
  connect(list_, &EditListBox::EditRequested, this, &TrfDialog::ListBox1Click);

  auto* choices = new QGridLayout;
  for (std::size_t i = 0; i < std::size(kLists); ++i) {
    const ListKind& kind = kLists[i];
    auto* button = new QPushButton(QString::fromLatin1(kind.button), this);
    button->setObjectName(QString::fromLatin1(kind.name));
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, [this, code = kind.code] { ChooseList(code); });
    choices->addWidget(button, static_cast<int>(i) / 3, static_cast<int>(i) % 3);
    listBtns_[i] = button;
  }
  const auto makeButton = [this](const char* caption, const char* name) {
    auto* button = new QPushButton(QString::fromLatin1(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(true);
    return button;
  };
  addBtn_ = makeButton("&Add", "AddBtn");
  delBtn_ = makeButton("&Delete", "DelBtn");
  editBtn_ = makeButton("&Edit", "EditBtn");
  closeBtn_ = makeButton("E&xit", "CloseBtn");
  connect(addBtn_, &QPushButton::clicked, this, &TrfDialog::AddBtnClick);
  connect(delBtn_, &QPushButton::clicked, this, &TrfDialog::DelBtnClick);
  connect(editBtn_, &QPushButton::clicked, this, &TrfDialog::EditBtnClick);
  connect(closeBtn_, &QPushButton::clicked, this, &QDialog::accept);

  auto* actions = new QHBoxLayout;
  for (QPushButton* button : {addBtn_, delBtn_, editBtn_, closeBtn_}) actions->addWidget(button);
  auto* panel = new QLabel(
      QStringLiteral("Choose a list with the button bearing its name, then add, delete or edit its items.\n"
                     "Save settings when you close Penwick to keep the changes."),
      this);
  panel->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(list_, 1);
  layout->addLayout(actions);
  layout->addWidget(panel);
  closeBtn_->setDefault(true);
}

QPushButton* TrfDialog::ListButton(char code) const {
  for (std::size_t i = 0; i < std::size(kLists); ++i) {
    if (kLists[i].code == code) return listBtns_[i];
  }
  return nullptr;
}

QStringList TrfDialog::Rows() const {
  Settings& s = settings_;
  switch (code_) {
    case 'd':
      return QStringList(s.directOpen.begin(), s.directOpen.end());
    case 'u':
      if (s.f7Tool.isEmpty() && s.f8Tool.isEmpty()) return {};
      return {s.f7Tool, s.f8Tool};
    case 'f': {
      QStringList metas;
      for (const QString& meta : s.userMetas) {
        if (!meta.isEmpty()) metas << meta;
      }
      return metas;
    }
    default: {
      const PlainList plain = Plain(s, code_);
      return plain.items ? *plain.items : QStringList();
    }
  }
}

void TrfDialog::ShowList() { list_->SetRows(Rows()); }

void TrfDialog::ChooseList(char code) {
  const auto kind = std::find_if(std::begin(kLists), std::end(kLists),
                                 [code](const ListKind& k) { return k.code == code; });
  if (kind == std::end(kLists)) return;
  setWindowTitle(QString::fromLatin1(kind->caption));
  if (editing_) {
    editing_ = false;
    editBtn_->setText(QStringLiteral("&Edit"));
    list_->clear();
    list_->setEnabled(false);
    addBtn_->setEnabled(true);
    delBtn_->setEnabled(true);
  }
  code_ = code;
  ShowList();
}

void TrfDialog::Inform(const QString& caption, const char* text) {
  links_.frame.Boxes().Show(caption, QString::fromLatin1(text), MsgType::kInformation, MsgButtons::kOk);
}

void TrfDialog::EditBtnClick() {
  if (code_ == ' ') return;
  if (editing_) {
    editing_ = false;
    list_->SetEditing(false, editBtn_);
    addBtn_->setEnabled(true);
    delBtn_->setEnabled(true);
    return;
  }
  // No row, nothing to edit.
  if (list_->count() == 0) return;
  if (code_ == 'r') Inform(kRecentlyOpened + QStringLiteral(" Files List"), kRecentEditText);
  if (code_ == 's') Inform(kResearchCaption, kResearchText);
  editing_ = true;
  list_->SetEditing(true, editBtn_);
  addBtn_->setEnabled(false);
  delBtn_->setEnabled(false);
}

void TrfDialog::ListBox1Click(int row) {
  if (!editing_ || row < 0 || row >= list_->count()) return;
  QString answer = list_->item(row)->text();
  if (!links_.frame.Boxes().InputQuery(QStringLiteral("Edit List item"), QString(), answer)) return;
  if (IsBlank(answer)) return;
  EditEntry(row, answer);
  if (code_ == 'f') {
    ShowList();
    return;
  }
  list_->item(row)->setText(answer);
  list_->setCurrentRow(row);
}

void TrfDialog::EditEntry(int row, const QString& answer) {
  Settings& s = settings_;
  switch (code_) {
    case 'd':
      s.directOpen[static_cast<std::size_t>(row)] = answer;
      return;
    case 'u':
      (row == 0 ? s.f7Tool : s.f8Tool) = answer;
      return;
    case 'f': {
      const QString old = list_->item(row)->text();
      const auto slot = std::find(s.userMetas.begin(), s.userMetas.end(), old);
      if (slot != s.userMetas.end()) *slot = answer;
      return;
    }
    default: {
      const PlainList plain = Plain(s, code_);
      if (!plain.items || row >= plain.items->size()) return;
      (*plain.items)[row] = answer;
      if (row == 0 && plain.current) *plain.current = answer;
    }
  }
}

void TrfDialog::AddBtnClick() {
  if (code_ == ' ' || editing_) return;
  const auto run = [this](const std::function<void()>& command) {
    if (command) command();
    ShowList();
  };
  switch (code_) {
    case 'd':
      return run(links_.addDirectOpen);
    case 'u':
      return run(links_.addUserTool);
    case 'f':
      return run(links_.addUserMeta);
    default:
      AddEntry();
  }
}

void TrfDialog::AddEntry() {
  const PlainList plain = Plain(settings_, code_);
  QStringList& items = *plain.items;
  // An entry past those the settings keep would be gone after the next start.
  if (code_ != 'r' && code_ != 't' && items.size() >= kMaxSavedMenuList) {
    links_.frame.Boxes().Show(
        QStringLiteral("Add List item"),
        QStringLiteral("This list keeps %1 entries, and it is full. Delete an entry first.")
            .arg(kMaxSavedMenuList),
        MsgType::kInformation, MsgButtons::kOk);
    return;
  }
  if (code_ == 'r')
    Inform(QStringLiteral("Adding to ") + kRecentlyOpened + QStringLiteral(" List"), kRecentAddText);
  if (code_ == 's') Inform(kResearchCaption, kResearchText);
  QString answer;
  if (!links_.frame.Boxes().InputQuery(QStringLiteral("Add List item"), QString(), answer)) return;
  if (IsBlank(answer)) return;
  if (code_ == 'r') {
    // The newest file first, once; the oldest of five makes room.
    items.removeAll(answer);
    while (items.size() >= kMaxReopens) items.removeLast();
    items.prepend(answer);
  } else {
    if (items.isEmpty()) *plain.current = answer;
    items.append(answer);
  }
  ShowList();
}

void TrfDialog::DelBtnClick() {
  if (code_ == ' ' || editing_) return;
  switch (code_) {
    case 'd':
      if (links_.removeDirectOpen) links_.removeDirectOpen();
      return ShowList();
    case 'u':
      if (links_.removeUserTool) links_.removeUserTool();
      return ShowList();
    case 'f':
      return DeleteMeta();
    default:
      DeleteEntry();
  }
}

void TrfDialog::DeleteEntry() {
  const PlainList plain = Plain(settings_, code_);
  QStringList& items = *plain.items;
  const bool currentProposed = DeletingMovesCurrent(code_);
  QString answer = currentProposed ? *plain.current : items.value(0);
  // The box works on a copy: what it does to its history must not reorder the frame's list.
  QStringList history = items;
  if (!links_.frame.Boxes().InputWithHistory(QStringLiteral("Delete List item"),
                                             QStringLiteral("Select the item to Delete"), answer, history)) {
    return;
  }
  const qsizetype found = items.indexOf(answer);
  if (found < 0) return;
  items.removeAt(found);
  ShowList();
  // The current help site or file moves on to the next entry when it goes; the current re-search string
  // and toolbox program stay as they are.
  if (currentProposed && *plain.current == answer) *plain.current = items.value(0);
}

void TrfDialog::DeleteMeta() {
  QStringList metas = Rows();
  if (metas.isEmpty()) return;
  QString answer = metas.first();
  if (!links_.frame.Boxes().InputWithHistory(QStringLiteral("Delete List item"),
                                             QStringLiteral("Select the item to Delete"), answer, metas)) {
    return;
  }
  for (QString& meta : settings_.userMetas) {
    if (meta == answer) meta.clear();
  }
  ShowList();
}

void ListsEditor1Click(const CollectionLinks& links) {
  TrfDialog dialog(links);
  links.frame.Boxes().ui().ExecModal(dialog);
}

}  // namespace penwick
