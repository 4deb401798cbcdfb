// Loading whole documents into the text control, and the character index that only documents holding
// characters outside ASCII need.

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>

#include "editor/scintilla_loader.h"
#include "editor/scintilla_widget.h"
#include "editor/text_control.h"
#include "platform/codepage.h"
#include "platform/memory_return.h"

namespace penwick {

namespace {

constexpr long kLoadHeadroom = 1 << 20;  // room for typing after a load, so early keys do not move the buffer
constexpr qsizetype kCheckChunk = 64 << 10;

}  // namespace

DocumentBuilder::~DocumentBuilder() { Drop(); }

void DocumentBuilder::Drop() {
  if (loader_) loader_->Release();
  loader_ = nullptr;
}

void DocumentBuilder::Start(qint64 textBytes) {
  Drop();
  ScintillaWidget* editor = text_.Widget();
  // Scintilla sets aside room for the text and for its colours; when memory cannot give the second after the
  // first, it keeps the first to itself. Asking for both first (only reserved, never touched) refuses such a
  // file before anything is kept.
  if (textBytes > kLoadHeadroom) {
    void* probe = std::malloc(2 * static_cast<std::size_t>(textBytes + kLoadHeadroom));
    if (!probe) return;
    std::free(probe);
  }
  try {
    if constexpr (sizeof(long) >= sizeof(void*)) {
      const long bytes = static_cast<long>(textBytes) + kLoadHeadroom;
      loader_ = reinterpret_cast<ScintillaLoader*>(
          editor->SendScintilla(QsciScintillaBase::SCI_CREATELOADER, static_cast<unsigned long>(bytes), 0L));
    } else {
      // Where a pointer does not fit a long, the loader is made without room set aside and grows as it fills.
      loader_ =
          static_cast<ScintillaLoader*>(editor->SendScintillaPtrResult(QsciScintillaBase::SCI_CREATELOADER));
    }
  } catch (const std::bad_alloc&) {
    // The room for the whole text is set aside at once; when memory cannot hold it, Append refuses the text
    // and the control keeps the document it has.
    loader_ = nullptr;
  }
}

bool DocumentBuilder::Append(QByteArrayView text) {
  if (!loader_) return false;
  return text.isEmpty() || loader_->AddData(text.data(), text.size()) == 0;
}

void DocumentBuilder::Finish(bool multiByte) {
  if (!loader_) Start(0);
  void* document = loader_->ConvertToDocument();
  loader_ = nullptr;
  text_.AdoptDocument(document, multiByte);
}

void TextControl::LoadUtf8(QByteArrayView utf8) {
  DocumentBuilder builder(*this);
  builder.Start(utf8.size());
  // Too big for memory: the control keeps its text, and the command that asked is told.
  if (!builder.Append(utf8)) throw std::bad_alloc();
  builder.Finish(HasHighByte(utf8.data(), utf8.size()));
}

void TextControl::AdoptDocument(void* document, bool multiByte) {
  using Base = QsciScintillaBase;
  // What Scintilla keeps with the document rather than with the view goes over to the new one.
  const long eolMode = Send(Base::SCI_GETEOLMODE);
  const long readOnly = Send(Base::SCI_GETREADONLY);
  const long tabWidth = Send(Base::SCI_GETTABWIDTH);
  const long useTabs = Send(Base::SCI_GETUSETABS);
  const long indent = Send(Base::SCI_GETINDENT);
  const bool bigBefore = Send(Base::SCI_GETLENGTH) > kLoadHeadroom;
  editor_->SendScintilla(Base::SCI_SETDOCPOINTER, 0UL, document);
  // The control holds the document now; the loader's own reference goes.
  editor_->SendScintilla(Base::SCI_RELEASEDOCUMENT, 0UL, document);
  Send(Base::SCI_SETCODEPAGE, Base::SC_CP_UTF8);
  Send(Base::SCI_SETEOLMODE, eolMode);
  Send(Base::SCI_SETTABWIDTH, tabWidth);
  Send(Base::SCI_SETUSETABS, useTabs);
  Send(Base::SCI_SETINDENT, indent);
  Send(Base::SCI_SETUNDOCOLLECTION, 1);
  Send(Base::SCI_EMPTYUNDOBUFFER);
  Send(Base::SCI_SETSAVEPOINT);
  Send(Base::SCI_SETREADONLY, readOnly);
  asciiOnly_ = !multiByte;
  indexWanted_ = multiByte;
  insertedFrom_ = -1;
  NoteChange(0);
  if (bigBefore) ReturnFreeMemorySoon();
}

void TextControl::CheckInserted() const {
  if (insertedFrom_ < 0) return;
  const long length = Send(QsciScintillaBase::SCI_GETLENGTH);
  long from = std::min(insertedFrom_, length);
  const long to = std::min(insertedFrom_ + insertedLength_, length);
  insertedFrom_ = -1;
  if (!asciiOnly_) return;
  // Read without moving Scintilla's gap: this may run while Scintilla announces the next change.
  QByteArray chunk;
  while (from < to && asciiOnly_) {
    const long end = std::min<long>(to, from + kCheckChunk);
    chunk.resize(end - from + 1);
    editor_->SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, from, end, chunk.data());
    if (HasHighByte(chunk.constData(), end - from)) {
      asciiOnly_ = false;
      indexWanted_ = true;
    }
    from = end;
  }
}

bool TextControl::AsciiOnly() const {
  CheckInserted();
  if (indexWanted_) {
    // Built from the whole text once; Scintilla keeps it up to date from then on.
    indexWanted_ = false;
    Send(QsciScintillaBase::SCI_ALLOCATELINECHARACTERINDEX, QsciScintillaBase::SC_LINECHARACTERINDEX_UTF32);
  }
  return asciiOnly_;
}

}  // namespace penwick
