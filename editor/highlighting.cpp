#include "editor/highlighting.h"

#include <QApplication>
#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <new>

#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/text_control.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

constexpr char kBlue = TextControl::kBlueStyle;
constexpr std::size_t kChunk = 1 << 20;

const char kTagPrompt[] =
    "Tags in HTML and XML files are highlighted blue on loading, for convenient scanning.\n\n"
    "After changing tags, save, close and load the file again to update the marking (File/Reload does it "
    "in one click); or work without highlighting and load with it to proof your work.\n\n"
    "Tags are not highlighted while you type: that would distract.\n\n"
    "Cancel skips highlighting.\n\n"
    "Should a load ever leave a white panel without a caret, click it and it goes away.";

const char kCommentPrompt[] =
    "Comments in .PAS files are highlighted blue on loading, for convenient scanning.\n\n"
    "After changing comments, save, close and load the file again to update the marking (File/Reload does "
    "it in one click).\n\n"
    "Comments are not highlighted while you type: that would distract.\n\n"
    "Cancel skips highlighting.\n\n"
    "Penwick is not a programming editor, but it is handy for scanning downloaded code: the comments are "
    "the best clues.";

const char kTagFailure[] =
    "Highlighting could not be finished, for lack of memory.\n\n"
    "The text is exactly as it was loaded; some of its tags may be marked and others not.\n\n"
    "To get a clean result, close the window and load the file again.";

}  // namespace

HighlightPass PassFor(const QString& fileName, bool whiteOnBlack, bool viewingCopy) {
  if (viewingCopy) return HighlightPass::kNone;
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QLatin1String("htm") || suffix == QLatin1String("html")) return HighlightPass::kTags;
  if (whiteOnBlack) return HighlightPass::kNone;
  if (suffix == QLatin1String("xml")) return HighlightPass::kTags;
  if (suffix == QLatin1String("pas")) return HighlightPass::kComments;
  return HighlightPass::kNone;
}

bool TagScanner::Scan(const char* bytes, std::size_t count, char* styles) {
  for (std::size_t i = 0; i < count; ++i) {
    const char c = bytes[i];
    if (c == '<') inTag_ = true;
    styles[i] = inTag_ ? kBlue : 0;
    if (c == '>') inTag_ = false;
  }
  return false;
}

bool CommentScanner::Scan(const char* bytes, std::size_t count, char* styles) {
  bool colourBefore = false;
  // The first half of an opener, already styled, turns blue with the second.
  auto takeBack = [&](std::size_t i) {
    if (i > 0) {
      styles[i - 1] = kBlue;
    } else {
      colourBefore = true;
    }
  };
  for (std::size_t i = 0; i < count; ++i) {
    const char c = bytes[i];
    bool endAfter = false;
    if (c == '{') {
      inBrace_ = true;
      blue_ = true;
    } else if (c == '}') {
      inBrace_ = false;
      endAfter = true;
    } else if (c == '/' && previous_ == '/' && !inBrace_ && !inParen_) {
      inLine_ = true;
      blue_ = true;
      takeBack(i);
    } else if ((c == '\r' || c == '\n') && inLine_) {
      inLine_ = false;
      blue_ = false;
    } else if (c == '*' && previous_ == '(') {
      inParen_ = true;
      blue_ = true;
      takeBack(i);
    } else if (c == ')' && previous_ == '*' && inParen_) {
      inParen_ = false;
      endAfter = true;
    }
    styles[i] = blue_ ? kBlue : 0;
    if (endAfter) blue_ = false;
    previous_ = c;
  }
  return colourBefore;
}

namespace {

// Runs the pass over the document in chunks of styles; the text is only read.
template <typename Scanner>
void RunPass(TextControl& text, Scanner& scanner, qsizetype& reached) {
  const QByteArrayView bytes = text.Utf8();
  QByteArray styles(static_cast<qsizetype>(std::min<std::size_t>(kChunk, bytes.size())), '\0');
  for (qsizetype from = 0; from < bytes.size(); from += kChunk) {
    reached = from;
    const auto count = static_cast<std::size_t>(std::min<qsizetype>(kChunk, bytes.size() - from));
    const bool colourBefore = scanner.Scan(bytes.data() + from, count, styles.data());
    if (colourBefore && from > 0) text.SetStyleBytes(from - 1, QByteArrayView(&kBlue, 1));
    text.SetStyleBytes(from, QByteArrayView(styles.constData(), static_cast<qsizetype>(count)));
  }
}

}  // namespace

void RunHighlightPass(TextControl& text, HighlightPass pass) {
  qsizetype reached = 0;
  text.DefineColourStyles();
  if (pass == HighlightPass::kTags) {
    TagScanner scanner;
    RunPass(text, scanner, reached);
  } else if (pass == HighlightPass::kComments) {
    CommentScanner scanner;
    RunPass(text, scanner, reached);
  }
}

void HighlightOnLoad(TEditForm& e) {
  FrameLink& frame = e.Frame();
  const HighlightPass pass = PassFor(e.FileName(), frame.Switches().whiteOnBlack, e.IsRtfView());
  if (pass == HighlightPass::kNone) return;
  const bool tags = pass == HighlightPass::kTags;
  const MsgResult answer = frame.Boxes().Show(tags ? QStringLiteral("Blue tags in HTML/XML files")
                                                   : QStringLiteral("Blue Italic Comments in PAS files"),
                                              QString::fromLatin1(tags ? kTagPrompt : kCommentPrompt),
                                              MsgType::kInformation, MsgButtons::kOkCancel);
  if (answer != MsgResult::kOk) return;
  TextControl& text = e.Text();
  if (text.IsEmpty()) return;
  const QString caption = e.windowTitle();
  e.setWindowTitle(QStringLiteral("Highlighting..."));
  text.DefineColourStyles();
  qsizetype reached = 0;
  try {
    if (tags) {
      TagScanner scanner;
      RunPass(text, scanner, reached);
    } else {
      CommentScanner scanner;
      RunPass(text, scanner, reached);
    }
  } catch (const std::bad_alloc&) {
    // Only styles were being set: the text is as loaded, whatever the colours show.
    if (tags) {
      frame.Boxes().Show(QStringLiteral("Error during complex Highlighting !"),
                         QString::fromLatin1(kTagFailure), MsgType::kInformation, MsgButtons::kOk);
    } else {
      frame.Boxes().Show(QStringLiteral("Trouble Highlighting at byte %1, Discontinuing.").arg(reached),
                         MsgType::kCustom, MsgButtons::kOk);
    }
  }
  e.setWindowTitle(caption);
}

}  // namespace penwick
