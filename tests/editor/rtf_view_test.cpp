// The RTF viewing copy and Export as .RTF file, on real windows.

#include "editor/rtf_view.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMimeData>

#include "app/frame_menus.h"
#include "tests/support/file_bytes.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

class RtfViewTest : public FrameTest {
 protected:
  // The colour of each character of an exported file's text: '.' automatic, 'B' blue, 'R' red.
  static QString ColourMap(const RtfDocument& document) {
    QString map;
    for (const RtfBlock& block : document.blocks) {
      if (!map.isEmpty()) map += QLatin1Char('|');
      for (const RtfRun& run : std::get<RtfParagraph>(block).runs) {
        const QChar c = !run.format.colour               ? QLatin1Char('.')
                        : *run.format.colour == 0x0000FF ? QLatin1Char('B')
                        : *run.format.colour == 0xFF0000 ? QLatin1Char('R')
                                                         : QLatin1Char('?');
        map += QString(run.text.size(), c);
      }
    }
    return map;
  }
};

TEST_F(RtfViewTest, ExportWritesTheColoursBesideTheDocumentAndKeepsItsNameAndState) {
  Start();
  QDir(env_.WorkFolder()).mkdir(QStringLiteral("Site"));
  const QString path = env_.WriteFile(QStringLiteral("Site/Page.HTM"), "a<b>\\{}\r\n\xc3\xa9\xe2\x82\xac x");
  TEditForm* editor = Open(path, MsgResult::kOk);
  editor->Text().SetSelStart(0);
  Type(editor->Editor(), QStringLiteral("z"));
  Flush();
  ASSERT_TRUE(editor->Text().Modified());

  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerMessage(MsgResult::kOk);
  Run("ExportasRTFfile1");
  // Only the extension changes: the folder and the name keep their capitals.
  const QString target = QDir(env_.WorkFolder()).filePath(QStringLiteral("Site/Page.rtf"));
  ExpectBox(ui_, QStringLiteral("Export Completed"), target + QStringLiteral(" created or updated."),
            MsgType::kCustom);
  EXPECT_EQ(ui_.Shown()[ui_.Shown().size() - 2].caption, QStringLiteral("Export as RTF file"));
  const RtfDocument exported = ReadRtf(ReadFile(target));
  EXPECT_EQ(RtfPlainText(exported), QString::fromUtf8("za<b>\\{}\n\u00e9\u20ac x"));
  EXPECT_EQ(ColourMap(exported), QStringLiteral("..BBB...|...."));
  EXPECT_EQ(editor->FileName(), path);
  EXPECT_TRUE(editor->Text().Modified());
  EXPECT_EQ(Panel(editor, 1), QStringLiteral("Modified"));

  // Again: the file is there now, and No leaves it as it is.
  WriteFile(target, "old");
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerMessage(MsgResult::kNo);
  Run("ExportasRTFfile1");
  ExpectBox(ui_, QStringLiteral("Export as RTF"), target + QStringLiteral(" exists. Overwrite?"),
            MsgType::kConfirmation, MsgButtons::kYesNo);
  EXPECT_EQ(ReadFile(target), QByteArray("old"));
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(RtfViewTest, ExportRefusesWhatItCannotWriteAndNeverReportsSuccessThen) {
  Start();
  // An unnamed document is saved first.
  Window(QStringLiteral("text"));
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerMessage(MsgResult::kOk);
  Run("ExportasRTFfile1");
  EXPECT_EQ(ui_.Last().caption, QStringLiteral("Export as RTF"));
  EXPECT_TRUE(ui_.Last().text.startsWith(QStringLiteral("Save this document first")));

  // An RTF document is never wrapped over its own source.
  const QByteArray source = "{\\rtf1 hello}";
  const QString rtf = env_.WriteFile(QStringLiteral("doc.rtf"), source);
  Open(rtf);
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerMessage(MsgResult::kOk);
  Run("ExportasRTFfile1");
  EXPECT_TRUE(ui_.Last().text.contains(QStringLiteral("Nothing was written.")));
  EXPECT_EQ(ReadFile(rtf), source);

  // A target that cannot be written: the error, and no "Export Completed".
  Open(env_.WriteFile(QStringLiteral("notes.txt"), "notes"));
  QDir(env_.WorkFolder()).mkdir(QStringLiteral("notes.rtf"));
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerMessage(MsgResult::kYes);
  ui_.AnswerMessage(MsgResult::kOk);
  Run("ExportasRTFfile1");
  EXPECT_EQ(ui_.Last().caption, QStringLiteral("Penwick"));
  EXPECT_TRUE(ui_.Last().text.startsWith(QStringLiteral("Unable to write to")))
      << ui_.Last().text.toStdString();
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(RtfViewTest, ViewingCopyShowsTheFileFormattedAndTakesNoText) {
  Start();
  const QByteArray source =
      "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 No Such Font "
      "Anywhere;}}{\\colortbl;\\red255\\green0\\blue0;}"
      "\\f0\\fs24 Plain {\\b Bold} {\\cf1 red}\\par caf\\'e9\\par}";
  const QString path = env_.WriteFile(QStringLiteral("letter.rtf"), source);
  TEditForm* source_window = Open(path);

  // Only an .rtf file has a viewing copy.
  TEditForm* notes = Open(env_.WriteFile(QStringLiteral("n.txt"), "x"));
  ui_.AnswerMessage(MsgResult::kOk);
  Run("ViewinRTFmode1");
  ExpectBox(ui_, QStringLiteral("Inappropriate File"),
            QStringLiteral("You must have an .rtf file to use this view."), MsgType::kCustom);
  EXPECT_EQ(frame_->EditorWindows().size(), 2u);
  notes->CloseApproved();
  Flush();

  frame_->MdiArea()->setActiveSubWindow(source_window);
  Flush();
  Run("ViewinRTFmode1");
  TEditForm* view = frame_->ActiveEditor();
  ASSERT_NE(view, source_window);
  EXPECT_TRUE(view->IsRtfView());
  EXPECT_EQ(view->Number(), 102);
  EXPECT_EQ(view->windowTitle(), QStringLiteral("letter.rtf"));
  EXPECT_EQ(Panel(view, 3), QStringLiteral("WrdWrp: WIN"));
  EXPECT_EQ(Panel(view, 5), QStringLiteral("Dirty Sp: NA"));
  EXPECT_EQ(view->Text().Text(), QString::fromUtf8("Plain Bold red\r\ncaf\u00e9"));
  // Bold and red are styles of their own, set up as the file says.
  const int bold = view->Text().StyleAt(6);
  const int red = view->Text().StyleAt(11);
  EXPECT_NE(bold, view->Text().StyleAt(0));
  EXPECT_NE(red, bold);
  ScintillaWidget* widget = view->Editor();
  EXPECT_TRUE(widget->SendScintilla(QsciScintillaBase::SCI_STYLEGETBOLD, bold));
  EXPECT_EQ(widget->SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, red), 0x0000FF);  // BGR
  // A font the system lacks is measured in the one drawn in its place, so letters never overlap.
  QByteArray family(256, '\0');
  widget->SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT, bold, family.data());
  EXPECT_TRUE(QFontDatabase::families().contains(QString::fromUtf8(family.constData())))
      << family.constData();

  // Nothing typed reaches the text, and it is never saved.
  view->Text().SetSelStart(0);
  Type(widget, QStringLiteral("xy"));
  Key(view, Qt::Key_Delete);
  EXPECT_EQ(view->Text().Text(), QString::fromUtf8("Plain Bold red\r\ncaf\u00e9"));
  ui_.AnswerMessage(MsgResult::kOk);
  EXPECT_FALSE(view->Save1Click());
  EXPECT_EQ(ui_.Last().caption, QStringLiteral("RTF Viewing mode"));
  EXPECT_EQ(ReadFile(path), source);
  // Asking for a view of the view explains instead.
  ui_.AnswerMessage(MsgResult::kOk);
  Run("ViewinRTFmode1");
  EXPECT_EQ(ui_.Last().caption, QStringLiteral("View in RTF Mode"));
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(RtfViewTest, AFileOfTensOfThousandsOfFormatsOpensAtOnce) {
  Start();
  QByteArray rtf = "{\\rtf1{\\colortbl;";
  constexpr int kColours = 30000;
  for (int i = 1; i <= kColours; ++i)
    rtf += "\\red" + QByteArray::number(i % 256) + "\\green" + QByteArray::number(i / 256) + "\\blue0;";
  rtf += "}";
  for (int i = 1; i <= kColours; ++i) rtf += "{\\cf" + QByteArray::number(i) + " x}";
  rtf += "}";
  QElapsedTimer timer;
  timer.start();
  frame_->OpenRtfView(env_.WriteFile(QStringLiteral("colours.rtf"), rtf));
  Flush();
  // Every format past the control's styles shares one made before: no search over all the formats seen.
  EXPECT_LT(timer.elapsed(), 3000);
  EXPECT_EQ(frame_->ActiveEditor()->Text().TextLength(), kColours);
}

TEST_F(RtfViewTest, AFileThatIsNotRtfIsViewedAsPlainText) {
  Start();
  const QString path = env_.WriteFile(QStringLiteral("fake.rtf"), "just {text}\r\nline 2");
  frame_->OpenRtfView(path);
  Flush();
  TEditForm* view = frame_->ActiveEditor();
  ASSERT_TRUE(view->IsRtfView());
  EXPECT_EQ(view->Text().Text(), QStringLiteral("just {text}\r\nline 2"));
}

TEST_F(RtfViewTest, AClipboardHoldingOnlyRtfPastesItsText) {
  Start();
  TEditForm* editor = Window(QStringLiteral("<>"), 1);
  auto* data = new QMimeData;
  data->setData(QStringLiteral("text/rtf"), "{\\rtf1\\ansi {\\b bold}\\par caf\\'e9}");
  QGuiApplication::clipboard()->setMimeData(data);
  Flush();
  Run("Paste1");
  EXPECT_EQ(editor->Text().Text(), QString::fromUtf8("<bold\r\ncaf\u00e9>"));
}

}  // namespace
}  // namespace penwick::test
