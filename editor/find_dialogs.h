#pragma once
// The editor window's modeless Find and Replace dialogs. They only hold the texts and options and report
// their buttons; the editor window runs the search (TextSearch) and remembers where they were closed.

#include <QDialog>
#include <QString>

#include "editor/text_search.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace penwick {

class SearchDialog : public QDialog {
  Q_OBJECT
 public:
  QString FindText() const;
  void SetFindText(const QString& text);
  // Match case and Whole word as ticked; the direction is always down.
  SearchOptions Options() const;

  QLineEdit* FindField() const { return findField_; }
  QCheckBox* WholeWord() const { return wholeWord_; }
  QCheckBox* MatchCase() const { return matchCase_; }
  QPushButton* FindNextButton() const { return findNext_; }
  QPushButton* CancelButton() const { return cancel_; }

 signals:
  // Find Next, Replace or Replace All was pressed.
  void Pressed(ReplaceButton button);

 protected:
  SearchDialog(const QString& caption, QWidget* parent);
  // Adds a button to the column on the right, above Cancel.
  QPushButton* AddButton(const QString& caption, ReplaceButton button);
  QGridLayout* Fields() const { return fields_; }

 private:
  QGridLayout* fields_;
  QVBoxLayout* buttons_;
  QLineEdit* findField_;
  QCheckBox* wholeWord_;
  QCheckBox* matchCase_;
  QPushButton* findNext_;
  QPushButton* cancel_;
};

// Find: Match case, Whole word, Find Next.
class FindDialog : public SearchDialog {
  Q_OBJECT
 public:
  explicit FindDialog(QWidget* parent);
};

// Replace: Match case, Whole word, Find Next, Replace, Replace All.
class ReplaceDialog : public SearchDialog {
  Q_OBJECT
 public:
  explicit ReplaceDialog(QWidget* parent);

  QString ReplaceText() const;
  void SetReplaceText(const QString& text);

  QLineEdit* ReplaceField() const { return replaceField_; }
  QPushButton* ReplaceButton1() const { return replace_; }
  QPushButton* ReplaceAllButton() const { return replaceAll_; }

 private:
  QLineEdit* replaceField_;
  QPushButton* replace_;
  QPushButton* replaceAll_;
};

}  // namespace penwick
