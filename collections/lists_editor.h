#pragma once
// The lists editor: any one of the nine lists Penwick keeps (web sites, help files, recent files, re-search
// markers, direct-open files, toolbox programs, user tools, user metas), with Add, Delete and in-place Edit.
// Every change goes straight into the frame's lists, which are saved with the settings at close.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <array>

#include "collections/collection_links.h"

class QPushButton;

namespace penwick {

class EditListBox;
struct Settings;

class TrfDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TrfDialog(const CollectionLinks& links);

  // The list on show: 'w', 'h', 'm', 'r', 's', 'd', 't', 'u', 'f'; a blank while none is chosen.
  char Code() const { return code_; }
  bool Editing() const { return editing_; }

  // Handlers.
  void ChooseList(char code);  // the nine list buttons
  void AddBtnClick();
  void DelBtnClick();
  void EditBtnClick();
  void ListBox1Click(int row);

  // Components.
  EditListBox* ListBox1() const { return list_; }
  QPushButton* AddBtn() const { return addBtn_; }
  QPushButton* DelBtn() const { return delBtn_; }
  QPushButton* EditBtn() const { return editBtn_; }
  QPushButton* CloseBtn() const { return closeBtn_; }
  // The button of a list, by its code; nullptr for another character.
  QPushButton* ListButton(char code) const;

 private:
  // The rows of the list on show.
  QStringList Rows() const;
  void ShowList();
  void EditEntry(int row, const QString& answer);
  void AddEntry();
  void DeleteEntry();
  void DeleteMeta();
  void Inform(const QString& caption, const char* text);

  CollectionLinks links_;
  Settings& settings_;
  char code_ = ' ';
  bool editing_ = false;
  EditListBox* list_ = nullptr;
  QPushButton* addBtn_ = nullptr;
  QPushButton* delBtn_ = nullptr;
  QPushButton* editBtn_ = nullptr;
  QPushButton* closeBtn_ = nullptr;
  std::array<QPushButton*, 9> listBtns_{};
};

// The Tools menu's Lists Editor.
void ListsEditor1Click(const CollectionLinks& links);

}  // namespace penwick
