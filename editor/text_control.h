#pragma once
// The editor window's text control in the terms every command uses: positions are character offsets from 0,
// a line break is CR LF and counts two, lines are numbered from 0. Underneath is Scintilla in UTF-8 mode;
// characters and bytes are mapped through its line character index, so no query walks the whole document;
// a document of pure ASCII needs no index and has none until its first other character.

#include <QByteArray>
#include <QByteArrayView>
#include <QColor>
#include <QObject>
#include <QString>
#include <limits>
#include <vector>

#include "platform/document_io.h"

namespace penwick {

class ScintillaWidget;
class ScintillaLoader;

class TextControl : public QObject {
  Q_OBJECT
 public:
  explicit TextControl(ScintillaWidget* editor);

  ScintillaWidget* Widget() const { return editor_; }

  // Replaces the whole document with utf8 (line breaks CR LF): no undo step, room left for typing. Throws
  // std::bad_alloc, with the document unchanged, when memory cannot hold the text.
  void LoadUtf8(QByteArrayView utf8);
  // The document as Scintilla holds it (UTF-8, CR LF), valid until the next edit.
  QByteArrayView Utf8() const;
  // Copies the bytes [fromByte, toByte) to out, which has room for one byte more (a NUL is written after
  // them). Scintilla's gap stays where it is, so typing goes on at no extra cost.
  void CopyBytes(long fromByte, long toByte, char* out) const;
  // The document's bytes from fromByte to toByte; empty when toByte is not past fromByte.
  QByteArray RangeBytes(long fromByte, long toByte) const;
  // The lowest byte position any edit touched since the last ResetLowestChange (LONG_MAX: none): the bytes
  // before it are as they were then. A copy taken in pieces between keys stays whole with it.
  long LowestChange() const { return lowestChange_; }
  void ResetLowestChange() { lowestChange_ = std::numeric_limits<long>::max(); }
  // The line break that text put in by commands takes: CR LF, except in a document that keeps a file's
  // mixed line breaks, where new breaks take the file's most common style. Text handed to the control
  // always writes its breaks as CR LF; they are changed to this style on the way in.
  void SetLineBreak(const QByteArray& lineBreak);
  // How many positions text takes once handed to the control: a character outside the basic plane is
  // one, and each CR LF is the document's line break (one position where breaks are LF or CR).
  int LengthInDocument(QStringView text) const;

  QString Text() const;
  void SetText(const QString& text);  // undoable; "" empties the control
  int TextLength() const;             // characters

  int SelStart() const;
  void SetSelStart(int pos);  // collapses the selection to a caret there, scrolled into view
  int SelLength() const;
  void SetSelLength(int length);  // selection from the selection start; caret at its end, in view
  QString SelText() const;
  void SetSelText(const QString& text);  // replaces the selection (undoable); caret after the new text
  // As SetSelText, for typed characters: keystrokes typed one after the other undo together.
  void TypeText(const QString& text);
  // Inserts text at the caret or over the selection without an undo step. Scintilla cannot leave a gap in
  // its undo history, so the history is emptied. Where text holds the selection itself (a wrap), the
  // selection's bytes go back unchanged, whatever line breaks the document takes for new text.
  void ReplaceSelection(const QString& text);

  int LineCount() const;  // at least 1
  QString Line(int line) const;
  void InsertLine(int line, const QString& text);
  void DeleteLine(int line);
  int LineFromPosition(int pos) const;
  int LineIndex(int line) const;  // first position of the line; -1 beyond the last line
  int LineLength(int pos) const;  // length of the line holding pos, without its line break

  void SelectAll();
  void Cut();
  void Copy();
  void Paste();
  void ClearSelection();
  void Undo();
  bool CanUndo() const;
  // Edits between these two calls undo as one step.
  void BeginUndoAction();
  void EndUndoAction();

  bool Modified() const { return modified_; }
  void SetModified(bool modified);

  // --- Clipboard, line commands and printing ---
  // Cheap whatever the document's size: for the Edit-menu state, which is refreshed on every key.
  bool IsEmpty() const;
  bool HasSelection() const;
  // Inserts text at pos as one undoable step; a selection after pos moves along with its text.
  void InsertText(int pos, const QString& text);
  // Character styles; style 0 is the editor's own font and colour.
  void SetStyle(int start, int length, int style);
  int StyleAt(int pos) const;

  // --- Colour and formats (styles live in the control only: they are never part of the text) ---
  static constexpr int kBlueStyle = 1;
  static constexpr int kRedStyle = 2;
  // The formats a viewing copy defines take the style numbers from here up (32 to 39 are the control's own).
  static constexpr int kFirstFormatStyle = 40;
  static constexpr int kLastStyle = 255;
  // Gives blue and red the editor's font and paper. Call again after the font or the paper changed.
  void DefineColourStyles();
  struct CharFormat {
    QString family;  // empty: the editor's font
    int points = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor ink;    // invalid: the editor's ink
    QColor paper;  // invalid: the editor's paper
  };
  void DefineStyle(int style, const CharFormat& format);
  // Byte-wise styling for passes over the whole document: styles[i] is the style of byte from + i.
  void SetStyleBytes(long fromByte, QByteArrayView styles);
  QByteArray StyleBytes(long fromByte, long toByte) const;
  long ByteLength() const;

  // Invisible marks on stretches of text that move with it as the text around them is edited.
  void SetMark(int mark, int pos, int length);
  // Each marked stretch (start and length in characters), in document order.
  struct Match;
  std::vector<Match> MarkedStretches(int mark) const;
  // Struck-through text (a format Scintilla styles do not carry).
  void SetStrike(long fromByte, long length);

  // The viewing copy: no typing reaches the text, lines wrap at the window's edge.
  void SetReadOnly(bool readOnly);
  void SetSoftWrap(bool on);

  // Replaces the bytes [fromByte, toByte) with utf8 exactly as given (no line-break conversion), as one
  // undoable step.
  void ReplaceBytes(long fromByte, long toByte, QByteArrayView utf8);
  long ToByte(int pos) const;
  int ToChar(long bytePos) const;

  // --- Find and replace ---
  struct Match {
    int start = -1;  // -1: not found
    int length = 0;
  };
  // The first match of text at or after character start, to the end of the document. An empty text finds
  // nothing. Runs over the raw buffer: no copy of the document.
  Match FindForward(const QString& text, int start, bool wholeWord, bool matchCase) const;
  // Replaces every match from character start to the end in one edit (one undo step), building the new
  // text in one pass, so a replacement that contains the search text is never searched again. Colours of
  // the text between the matches are kept. The caret goes after the last replacement. Returns the count.
  int ReplaceAll(const QString& text, const QString& with, int start, bool wholeWord, bool matchCase);

 signals:
  // After a text change; several changes in one go are reported once, when control returns to the loop.
  void Changed();
  // After the caret moved or the selection changed.
  void SelectionChanged();

 private:
  friend class DocumentBuilder;
  // Shows a document built off the control in place of the one shown, which is dropped.
  void AdoptDocument(void* document, bool multiByte);
  // True while the document holds only ASCII: a position is then a byte and no character index is kept.
  // Bytes inserted since the last call are looked at first; the first character outside ASCII builds the
  // index.
  bool AsciiOnly() const;
  void CheckInserted() const;
  // The text changed from byte `from` on.
  void NoteChange(long from);
  void OnModified(int position, int type, int length);
  void OnUpdateUi(int updated);
  // Numbers only: a pointer never goes through long (32 bits on 64-bit Windows); see SendBytes.
  long Send(unsigned int msg, unsigned long wParam = 0, long lParam = 0) const;
  // A message whose wParam is a byte count and lParam points at the bytes.
  long SendBytes(unsigned int msg, const QByteArray& bytes) const;
  QByteArray ForDocument(const QString& text) const;

  ScintillaWidget* editor_;
  bool modified_ = false;
  bool changePending_ = false;
  long lowestChange_ = std::numeric_limits<long>::max();
  QByteArray lineBreak_ = "\r\n";
  mutable bool asciiOnly_ = true;
  mutable bool indexWanted_ = false;
  // The bytes of the last insertion, not yet looked at (from -1: none).
  mutable long insertedFrom_ = -1;
  mutable long insertedLength_ = 0;
};

// Builds a document for a text control block by block, off the control, so that its text is held only
// once; the control shows it at Finish and keeps the document it had until then.
class DocumentBuilder : public DocumentSink {
 public:
  explicit DocumentBuilder(TextControl& text) : text_(text) {}
  DocumentBuilder(const DocumentBuilder&) = delete;
  DocumentBuilder& operator=(const DocumentBuilder&) = delete;
  ~DocumentBuilder() override;

  void Start(qint64 textBytes) override;
  bool Append(QByteArrayView text) override;
  // Shows the document, without an undo step and unmodified; multiByte: it holds characters outside ASCII.
  void Finish(bool multiByte);

 private:
  void Drop();

  TextControl& text_;
  ScintillaLoader* loader_ = nullptr;
};

}  // namespace penwick
