// What QtUi hands to Qt's file dialog.

#include "ui/qt_ui.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace penwick {
namespace {

// The patterns a real file dialog lists files by once the filter is chosen.
QStringList DialogPatterns(const QString& filter) {
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setNameFilters({filter});
  dialog.selectNameFilter(filter);
  const auto* model = dialog.findChild<QFileSystemModel*>();
  return model ? model->nameFilters() : QStringList{QStringLiteral("no model")};
}

TEST(QtNameFilterTest, PatternsAreShownOnceAndTheDialogListsByAllOfThem) {
  struct Case {
    QString row;
    QString filter;
    QStringList listed;     // file names the dialog shows
    QStringList notListed;  // and those it hides
  };
  const Case cases[] = {
      {"Plain text files (*.txt)|*.txt", "Plain text files (*.txt)", {"a.txt"}, {"a.htm", "txt"}},
      {"Desktops (*.dsk)|*.dsk", "Desktops (*.dsk)", {"work.dsk"}, {"work.txt"}},
      {"HTML files (*.htm, *.html)|*.htm; *.html",
       "HTML files (*.htm *.html)",
       {"a.htm", "a.html"},
       {"a.txt"}},
      {"Pages (*.html;*.htm)|*.htm;*.html", "Pages (*.htm *.html)", {"a.htm", "a.html"}, {"a.xml"}},
      // The caption's parentheses do not say the same as the patterns: the patterns follow.
      {"HTML files (*.htm)(*html)|*.htm; *.html",
       "HTML files (*.htm)(*html) (*.htm *.html)",
       {"a.htm", "a.html"},
       {"a.txt"}},
      {"Pictures (*.png)|*.png; *.gif", "Pictures (*.png) (*.png *.gif)", {"a.png", "a.gif"}, {"a.jpg"}},
      {"Notes (see help)|*.txt", "Notes (see help) (*.txt)", {"a.txt"}, {"help"}},
      // Every file, with or without an extension.
      {"All files|*.*", "All files (*)", {"README", "a.txt"}, {}},
      {"All files (*.*)|*.*", "All files (*)", {"README", "a.txt"}, {}},
      {"Anything|", "Anything (*)", {"README"}, {}},
      {"No bar at all", "No bar at all (*)", {"README"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row.toStdString());
    const QString filter = QtNameFilter(c.row);
    EXPECT_EQ(filter.toStdString(), c.filter.toStdString());
    const QStringList patterns = DialogPatterns(filter);
    for (const QString& name : c.listed) EXPECT_TRUE(QDir::match(patterns, name)) << name.toStdString();
    for (const QString& name : c.notListed) EXPECT_FALSE(QDir::match(patterns, name)) << name.toStdString();
  }
  EXPECT_EQ(QtNameFilters({"Plain text files (*.txt)|*.txt", "All files|*.*"}),
            QStringList({"Plain text files (*.txt)", "All files (*)"}));
}

// A name typed into the Open dialog that does not exist is offered for creation; Yes returns it, No keeps
// the dialog open.
TEST(QtOpenDialogTest, OffersToCreateATypedNameThatDoesNotExist) {
  QTemporaryDir folder;
  const QString fresh = folder.filePath("new page.htm");
  for (const bool create : {true, false}) {
    SCOPED_TRACE(create);
    QString asked;
    bool answered = false;
    // The user types the name and presses Open; a timer of its own answers the question (a timer does not
    // fire inside its own handler).
    QTimer typist;
    QObject::connect(&typist, &QTimer::timeout, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      if (answered) return dialog->reject();  // still open after the question
      dialog->findChild<QLineEdit*>("fileNameEdit")->setText(fresh);
      static_cast<QDialog*>(dialog)->accept();  // as the Open button does
    });
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || qobject_cast<QFileDialog*>(modal)) return;
      answered = true;
      auto* box = qobject_cast<MessageDialog*>(modal);
      if (box) asked = box->TextLabel()->text();
      box ? box->Buttons().value(create ? 0 : 1)->click()
          : void(modal->close());  // Yes, No; Qt's "not found"
    });
    typist.start(10);
    answerer.start(10);
    QtUi ui;
    FileDialogRequest request;
    request.caption = "Open";
    request.folder = folder.path();
    request.createPrompt = true;
    const FileDialogResult chosen = ui.AskOpenFiles(request, /*multiple=*/true);
    EXPECT_TRUE(asked.contains(QDir::toNativeSeparators(fresh))) << asked.toStdString();
    EXPECT_EQ(chosen.fileNames, create ? QStringList{fresh} : QStringList{});
  }
}

}  // namespace
}  // namespace penwick
