#include "editor/text_control.h"

#include <QFontDatabase>
#include <QStringDecoder>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "editor/scintilla_widget.h"
#include "editor/text_matcher.h"

namespace penwick {

namespace {
constexpr auto kUtf32 = QsciScintillaBase::SC_LINECHARACTERINDEX_UTF32;

// Text of the document as it is: a U+FEFF at the start is a character of the text (the file's own mark was
// taken off when it was read), which QString::fromUtf8 would drop.
QString FromUtf8(QByteArrayView bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
  return decoder(bytes);
}
}  // namespace

TextControl::TextControl(ScintillaWidget* editor) : QObject(editor), editor_(editor) {
  editor_->setUtf8(true);
  editor_->setEolMode(QsciScintilla::EolWindows);
  editor_->setWrapMode(QsciScintilla::WrapNone);
  // Soft wrap would switch the layout cache to whole-document; keep it per page.
  Send(QsciScintillaBase::SCI_SETLAYOUTCACHE, QsciScintillaBase::SC_CACHE_PAGE);
  // The horizontal scroll range follows the longest line shown instead of a fixed 2000 pixels.
  Send(QsciScintillaBase::SCI_SETSCROLLWIDTH, 1);
  Send(QsciScintillaBase::SCI_SETSCROLLWIDTHTRACKING, 1);
  editor_->setMarginWidth(0, 0);
  editor_->setMarginWidth(1, 0);
  editor_->setMarginWidth(2, 0);
  editor_->setAutoIndent(false);
  editor_->setAutoCompletionSource(QsciScintilla::AcsNone);

  connect(editor_, &QsciScintillaBase::SCN_MODIFIED, this,
          [this](int position, int type, const char*, int length, int, int, int, int, int, int) {
            OnModified(position, type, length);
          });
  connect(editor_, &QsciScintillaBase::SCN_UPDATEUI, this, &TextControl::OnUpdateUi);
}

long TextControl::Send(unsigned int msg, unsigned long wParam, long lParam) const {
  return editor_->SendScintilla(msg, wParam, lParam);
}

long TextControl::SendBytes(unsigned int msg, const QByteArray& bytes) const {
  // QScintilla's const char* overload hands the pointer on as Scintilla's pointer-sized sptr_t (and the
  // length as uptr_t); a pointer squeezed through long would lose its upper half on 64-bit Windows.
  return editor_->SendScintilla(msg, static_cast<std::uintptr_t>(bytes.size()), bytes.constData());
}

void TextControl::OnModified(int position, int type, int length) {
  if (!(type & (QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE))) return;
  // The previous insertion is complete now; this one is looked at once it is.
  CheckInserted();
  if (asciiOnly_ && (type & QsciScintillaBase::SC_MOD_BEFOREINSERT)) {
    insertedFrom_ = position;
    insertedLength_ = length;
  }
  NoteChange(position);
}

void TextControl::NoteChange(long from) {
  modified_ = true;
  lowestChange_ = std::min(lowestChange_, from);
  if (changePending_) return;
  changePending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        changePending_ = false;
        emit Changed();
      },
      Qt::QueuedConnection);
}

void TextControl::OnUpdateUi(int updated) {
  if (updated & (QsciScintillaBase::SC_UPDATE_SELECTION | QsciScintillaBase::SC_UPDATE_CONTENT)) {
    emit SelectionChanged();
  }
}

void TextControl::SetLineBreak(const QByteArray& lineBreak) {
  lineBreak_ = lineBreak;
  editor_->setEolMode(lineBreak == "\n"   ? QsciScintilla::EolUnix
                      : lineBreak == "\r" ? QsciScintilla::EolMac
                                          : QsciScintilla::EolWindows);
}

QByteArray TextControl::ForDocument(const QString& text) const {
  QByteArray utf8 = text.toUtf8();
  if (lineBreak_ != "\r\n" && utf8.contains('\r')) utf8.replace("\r\n", lineBreak_);
  return utf8;
}

int TextControl::LengthInDocument(QStringView text) const {
  int length = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()) continue;
    if (text[i] == u'\n' && i > 0 && text[i - 1] == u'\r' && lineBreak_ != "\r\n") continue;
    ++length;
  }
  return length;
}

QByteArrayView TextControl::Utf8() const {
  const long length = Send(QsciScintillaBase::SCI_GETLENGTH);
  const auto* data =
      static_cast<const char*>(editor_->SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
  return QByteArrayView(data, length);
}

QString TextControl::Text() const {
  const QByteArrayView bytes = Utf8();
  return FromUtf8(bytes);
}

void TextControl::SetText(const QString& text) {
  const QByteArray utf8 = ForDocument(text);
  Send(QsciScintillaBase::SCI_CLEARALL);
  if (!utf8.isEmpty()) {
    SendBytes(QsciScintillaBase::SCI_APPENDTEXT, utf8);
  }
}

void TextControl::ReplaceBytes(long fromByte, long toByte, QByteArrayView utf8) {
  Send(QsciScintillaBase::SCI_SETTARGETRANGE, static_cast<unsigned long>(fromByte), toByte);
  SendBytes(QsciScintillaBase::SCI_REPLACETARGET, utf8.toByteArray());
}

long TextControl::ToByte(int pos) const {
  if (pos <= 0) return 0;
  if (AsciiOnly()) return std::min<long>(pos, Send(QsciScintillaBase::SCI_GETLENGTH));
  const long lastLine = Send(QsciScintillaBase::SCI_GETLINECOUNT) - 1;
  const long line = std::min(Send(QsciScintillaBase::SCI_LINEFROMINDEXPOSITION, pos, kUtf32), lastLine);
  const long lineByte = Send(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
  const long lineChar = Send(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, line, kUtf32);
  const long lineEndByte = line < lastLine ? Send(QsciScintillaBase::SCI_POSITIONFROMLINE, line + 1)
                                           : Send(QsciScintillaBase::SCI_GETLENGTH);
  const long offset = pos - lineChar;
  if (offset <= 0) return lineByte;
  // POSITIONRELATIVE answers 0 past the end of the document; stay inside the line.
  const long byte = Send(QsciScintillaBase::SCI_POSITIONRELATIVE, lineByte, offset);
  return (byte == 0 || byte > lineEndByte) ? lineEndByte : byte;
}

int TextControl::ToChar(long bytePos) const {
  bytePos = std::clamp(bytePos, 0L, Send(QsciScintillaBase::SCI_GETLENGTH));
  if (AsciiOnly()) return static_cast<int>(bytePos);
  const long line = Send(QsciScintillaBase::SCI_LINEFROMPOSITION, bytePos);
  const long lineByte = Send(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
  const long lineChar = Send(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, line, kUtf32);
  return static_cast<int>(lineChar + Send(QsciScintillaBase::SCI_COUNTCHARACTERS, lineByte, bytePos));
}

int TextControl::TextLength() const { return ToChar(Send(QsciScintillaBase::SCI_GETLENGTH)); }

int TextControl::SelStart() const { return ToChar(Send(QsciScintillaBase::SCI_GETSELECTIONSTART)); }

int TextControl::SelLength() const {
  const long start = Send(QsciScintillaBase::SCI_GETSELECTIONSTART);
  const long end = Send(QsciScintillaBase::SCI_GETSELECTIONEND);
  return ToChar(end) - ToChar(start);
}

void TextControl::SetSelStart(int pos) {
  const long byte = ToByte(pos);
  Send(QsciScintillaBase::SCI_SETSEL, byte, byte);  // SETSEL scrolls the caret into view
}

void TextControl::SetSelLength(int length) {
  const int start = SelStart();
  Send(QsciScintillaBase::SCI_SETSEL, ToByte(start), ToByte(start + std::max(length, 0)));
}

void TextControl::CopyBytes(long fromByte, long toByte, char* out) const {
  editor_->SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, fromByte, toByte, out);
}

QByteArray TextControl::RangeBytes(long fromByte, long toByte) const {
  if (toByte <= fromByte) return {};
  QByteArray bytes(toByte - fromByte + 1, Qt::Uninitialized);  // and Scintilla's closing NUL
  CopyBytes(fromByte, toByte, bytes.data());
  bytes.chop(1);
  return bytes;
}

QString TextControl::SelText() const {
  const long start = Send(QsciScintillaBase::SCI_GETSELECTIONSTART);
  const long end = Send(QsciScintillaBase::SCI_GETSELECTIONEND);
  return FromUtf8(RangeBytes(start, end));
}

void TextControl::SetSelText(const QString& text) {
  const QByteArray utf8 = ForDocument(text);
  // TARGET replacement takes a length, so the text may hold NUL characters.
  Send(QsciScintillaBase::SCI_TARGETFROMSELECTION);
  SendBytes(QsciScintillaBase::SCI_REPLACETARGET, utf8);
  const long end = Send(QsciScintillaBase::SCI_GETTARGETEND);
  Send(QsciScintillaBase::SCI_SETSEL, end, end);
}

void TextControl::TypeText(const QString& text) {
  if (SelLength() > 0 || text.isEmpty()) {
    SetSelText(text);
    return;
  }
  // Plain insertion at the caret joins the previous keystroke's undo step, as typing in the control does.
  const QByteArray utf8 = ForDocument(text);
  SendBytes(QsciScintillaBase::SCI_ADDTEXT, utf8);
  Send(QsciScintillaBase::SCI_SCROLLCARET);
}

void TextControl::ReplaceSelection(const QString& text) {
  QByteArray utf8 = ForDocument(text);
  // Text built around the selection keeps the selection's own bytes: a CR LF of the file inside it is the
  // file's, not the command's, and stays as it is.
  const long start = Send(QsciScintillaBase::SCI_GETSELECTIONSTART);
  const long end = Send(QsciScintillaBase::SCI_GETSELECTIONEND);
  if (lineBreak_ != "\r\n") {
    const QByteArray kept = RangeBytes(start, end);
    if (kept.contains("\r\n")) {
      const QString selected = FromUtf8(kept);
      const qsizetype at = text.indexOf(selected);
      if (at >= 0) utf8 = ForDocument(text.left(at)) + kept + ForDocument(text.mid(at + selected.size()));
    }
  }
  Send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0);
  Send(QsciScintillaBase::SCI_TARGETFROMSELECTION);
  SendBytes(QsciScintillaBase::SCI_REPLACETARGET, utf8);
  const long after = Send(QsciScintillaBase::SCI_GETTARGETEND);
  Send(QsciScintillaBase::SCI_SETSEL, after, after);
  Send(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
  Send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 1);
}

int TextControl::LineCount() const { return static_cast<int>(Send(QsciScintillaBase::SCI_GETLINECOUNT)); }

QString TextControl::Line(int line) const {
  if (line < 0 || line >= LineCount()) return {};
  const long start = Send(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
  const long end = Send(QsciScintillaBase::SCI_GETLINEENDPOSITION, line);
  return FromUtf8(RangeBytes(start, end));
}

void TextControl::InsertLine(int line, const QString& text) {
  const int count = LineCount();
  line = std::clamp(line, 0, count);
  QByteArray utf8 = ForDocument(text);
  long at;
  if (line < count) {
    at = Send(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    utf8 += lineBreak_;
  } else {
    at = Send(QsciScintillaBase::SCI_GETLENGTH);
    utf8.prepend(lineBreak_);
  }
  Send(QsciScintillaBase::SCI_SETTARGETRANGE, at, at);
  SendBytes(QsciScintillaBase::SCI_REPLACETARGET, utf8);
}

void TextControl::DeleteLine(int line) {
  const int count = LineCount();
  if (line < 0 || line >= count) return;
  long start = Send(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
  long end = line + 1 < count ? Send(QsciScintillaBase::SCI_POSITIONFROMLINE, line + 1)
                              : Send(QsciScintillaBase::SCI_GETLENGTH);
  // The last line takes the line break before it along.
  if (line + 1 >= count && line > 0) start = Send(QsciScintillaBase::SCI_GETLINEENDPOSITION, line - 1);
  Send(QsciScintillaBase::SCI_DELETERANGE, start, end - start);
}

int TextControl::LineFromPosition(int pos) const {
  return static_cast<int>(Send(QsciScintillaBase::SCI_LINEFROMPOSITION, ToByte(pos)));
}

int TextControl::LineIndex(int line) const {
  if (line < 0 || line >= LineCount()) return -1;
  if (AsciiOnly()) return static_cast<int>(Send(QsciScintillaBase::SCI_POSITIONFROMLINE, line));
  return static_cast<int>(Send(QsciScintillaBase::SCI_INDEXPOSITIONFROMLINE, line, kUtf32));
}

int TextControl::LineLength(int pos) const {
  const long line = LineFromPosition(pos);
  const long start = Send(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
  const long end = Send(QsciScintillaBase::SCI_GETLINEENDPOSITION, line);
  return static_cast<int>(Send(QsciScintillaBase::SCI_COUNTCHARACTERS, start, end));
}

void TextControl::SelectAll() { Send(QsciScintillaBase::SCI_SELECTALL); }
void TextControl::Cut() { Send(QsciScintillaBase::SCI_CUT); }
void TextControl::Copy() { Send(QsciScintillaBase::SCI_COPY); }
void TextControl::Paste() { Send(QsciScintillaBase::SCI_PASTE); }
void TextControl::ClearSelection() { Send(QsciScintillaBase::SCI_CLEAR); }
void TextControl::Undo() { Send(QsciScintillaBase::SCI_UNDO); }
bool TextControl::CanUndo() const { return Send(QsciScintillaBase::SCI_CANUNDO) != 0; }
void TextControl::BeginUndoAction() { Send(QsciScintillaBase::SCI_BEGINUNDOACTION); }
void TextControl::EndUndoAction() { Send(QsciScintillaBase::SCI_ENDUNDOACTION); }

void TextControl::SetModified(bool modified) {
  modified_ = modified;
  if (!modified) Send(QsciScintillaBase::SCI_SETSAVEPOINT);
}

// --- Clipboard, line commands and printing ---

bool TextControl::IsEmpty() const { return Send(QsciScintillaBase::SCI_GETLENGTH) == 0; }

bool TextControl::HasSelection() const {
  return Send(QsciScintillaBase::SCI_GETSELECTIONEND) != Send(QsciScintillaBase::SCI_GETSELECTIONSTART);
}

void TextControl::InsertText(int pos, const QString& text) {
  const QByteArray utf8 = ForDocument(text);
  const long at = ToByte(pos);
  Send(QsciScintillaBase::SCI_SETTARGETRANGE, at, at);
  SendBytes(QsciScintillaBase::SCI_REPLACETARGET, utf8);
}

void TextControl::SetStyle(int start, int length, int style) {
  const long from = ToByte(start);
  const long to = ToByte(start + std::max(length, 0));
  Send(QsciScintillaBase::SCI_STARTSTYLING, from);
  Send(QsciScintillaBase::SCI_SETSTYLING, to - from, style);
}

int TextControl::StyleAt(int pos) const {
  return static_cast<int>(Send(QsciScintillaBase::SCI_GETSTYLEAT, ToByte(pos)));
}

// --- Find and replace -------------------------------------------------------------------------------------

TextControl::Match TextControl::FindForward(const QString& text, int start, bool wholeWord,
                                            bool matchCase) const {
  const TextMatcher matcher(text, {wholeWord, matchCase});
  if (matcher.Empty()) return {};
  const QByteArrayView doc = Utf8();
  const TextMatcher::Hit hit = matcher.Find(doc, ToByte(std::max(start, 0)));
  if (!hit) return {};
  const int first = ToChar(hit.start);
  return {first, ToChar(hit.start + hit.length) - first};
}

int TextControl::ReplaceAll(const QString& text, const QString& with, int start, bool wholeWord,
                            bool matchCase) {
  const TextMatcher matcher(text, {wholeWord, matchCase});
  if (matcher.Empty()) return 0;
  const QByteArrayView doc = Utf8();
  std::vector<TextMatcher::Hit> hits;
  for (TextMatcher::Hit hit = matcher.Find(doc, ToByte(std::max(start, 0))); hit;
       hit = matcher.Find(doc, hit.start + hit.length)) {
    hits.push_back(hit);
  }
  if (hits.empty()) return 0;

  // Only the stretch from the first match to the end of the last one is rewritten.
  const qsizetype spanStart = hits.front().start;
  const qsizetype spanEnd = hits.back().start + hits.back().length;
  const QByteArray replacement = ForDocument(with);
  QByteArray out;
  out.reserve(spanEnd - spanStart + static_cast<qsizetype>(hits.size()) * replacement.size());
  qsizetype copied = spanStart;
  for (const TextMatcher::Hit& hit : hits) {
    out.append(doc.sliced(copied, hit.start - copied));
    out.append(replacement);
    copied = hit.start + hit.length;
  }

  // The colours between the matches (blue tags, red blocks) stay; replacements are plain text.
  QByteArray styles;
  {
    QByteArray styled(2 * (spanEnd - spanStart) + 2, '\0');
    editor_->SendScintilla(QsciScintillaBase::SCI_GETSTYLEDTEXT, static_cast<long>(spanStart),
                           static_cast<long>(spanEnd), styled.data());
    bool coloured = false;
    for (qsizetype i = 1; i < styled.size() - 2 && !coloured; i += 2) coloured = styled[i] != 0;
    if (coloured) {
      styles.reserve(out.size());
      copied = spanStart;
      for (const TextMatcher::Hit& hit : hits) {
        for (qsizetype b = copied; b < hit.start; ++b) styles.append(styled[2 * (b - spanStart) + 1]);
        styles.append(replacement.size(), '\0');
        copied = hit.start + hit.length;
      }
    }
  }

  Send(QsciScintillaBase::SCI_SETTARGETRANGE, spanStart, spanEnd);
  SendBytes(QsciScintillaBase::SCI_REPLACETARGET, out);
  if (!styles.isEmpty()) {
    Send(QsciScintillaBase::SCI_STARTSTYLING, spanStart, 0xFF);
    SendBytes(QsciScintillaBase::SCI_SETSTYLINGEX, styles);
  }
  const long caret = spanStart + out.size();
  Send(QsciScintillaBase::SCI_SETSEL, caret, caret);
  return static_cast<int>(hits.size());
}

}  // namespace penwick
