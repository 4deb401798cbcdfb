// The text control's colours and formats: styles, invisible marks and the viewing copy's settings.

#include <algorithm>
#include <cstdint>

#include "editor/scintilla_widget.h"
#include "editor/text_control.h"

namespace penwick {

namespace {
constexpr int kStrikeIndicator = 9;
// Scintilla takes colours as 0xBBGGRR.
long ToBgr(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }
}  // namespace

void TextControl::DefineColourStyles() {
  DefineStyle(kBlueStyle, CharFormat{QString(), 10, false, false, false, QColor(0, 0, 255), QColor()});
  DefineStyle(kRedStyle, CharFormat{QString(), 10, false, false, false, QColor(255, 0, 0), QColor()});
}

void TextControl::DefineStyle(int style, const CharFormat& format) {
  if (style < 0 || style > kLastStyle) return;
  const QFont font = editor_->font();
  const QByteArray family = (format.family.isEmpty() ? font.family() : format.family).toUtf8();
  editor_->SendScintilla(QsciScintillaBase::SCI_STYLESETFONT, static_cast<std::uintptr_t>(style),
                         family.constData());
  const int points = format.family.isEmpty() && format.points == 10 ? font.pointSize() : format.points;
  Send(QsciScintillaBase::SCI_STYLESETSIZE, style, std::clamp(points, 1, 400));
  Send(QsciScintillaBase::SCI_STYLESETBOLD, style, format.bold);
  Send(QsciScintillaBase::SCI_STYLESETITALIC, style, format.italic);
  Send(QsciScintillaBase::SCI_STYLESETUNDERLINE, style, format.underline);
  Send(QsciScintillaBase::SCI_STYLESETFORE, style,
       ToBgr(format.ink.isValid() ? format.ink : editor_->color()));
  Send(QsciScintillaBase::SCI_STYLESETBACK, style,
       ToBgr(format.paper.isValid() ? format.paper : editor_->paper()));
}

void TextControl::SetStyleBytes(long fromByte, QByteArrayView styles) {
  if (styles.isEmpty()) return;
  Send(QsciScintillaBase::SCI_STARTSTYLING, fromByte);
  editor_->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, static_cast<std::uintptr_t>(styles.size()),
                         styles.data());
}

QByteArray TextControl::StyleBytes(long fromByte, long toByte) const {
  toByte = std::min(toByte, ByteLength());
  if (toByte <= fromByte) return {};
  QByteArray styled(2 * (toByte - fromByte) + 2, '\0');
  editor_->SendScintilla(QsciScintillaBase::SCI_GETSTYLEDTEXT, fromByte, toByte, styled.data());
  QByteArray styles(toByte - fromByte, '\0');
  for (qsizetype i = 0; i < styles.size(); ++i) styles[i] = styled[2 * i + 1];
  return styles;
}

long TextControl::ByteLength() const { return Send(QsciScintillaBase::SCI_GETLENGTH); }

void TextControl::SetMark(int mark, int pos, int length) {
  Send(QsciScintillaBase::SCI_INDICSETSTYLE, mark, QsciScintillaBase::INDIC_HIDDEN);
  Send(QsciScintillaBase::SCI_SETINDICATORCURRENT, mark);
  const long from = ToByte(pos);
  Send(QsciScintillaBase::SCI_INDICATORFILLRANGE, from, ToByte(pos + length) - from);
}

std::vector<TextControl::Match> TextControl::MarkedStretches(int mark) const {
  std::vector<Match> stretches;
  const long length = ByteLength();
  for (long at = 0; at < length;) {
    const long end = Send(QsciScintillaBase::SCI_INDICATOREND, mark, at);
    const long stop = end > at ? std::min(end, length) : length;
    if (Send(QsciScintillaBase::SCI_INDICATORVALUEAT, mark, at) != 0) {
      const int start = ToChar(at);
      stretches.push_back({start, ToChar(stop) - start});
    }
    at = stop;
  }
  return stretches;
}

void TextControl::SetStrike(long fromByte, long length) {
  Send(QsciScintillaBase::SCI_INDICSETSTYLE, kStrikeIndicator, QsciScintillaBase::INDIC_STRIKE);
  Send(QsciScintillaBase::SCI_SETINDICATORCURRENT, kStrikeIndicator);
  Send(QsciScintillaBase::SCI_INDICATORFILLRANGE, fromByte, length);
}

void TextControl::SetReadOnly(bool readOnly) { Send(QsciScintillaBase::SCI_SETREADONLY, readOnly); }

void TextControl::SetSoftWrap(bool on) {
  editor_->setWrapMode(on ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
  Send(QsciScintillaBase::SCI_SETLAYOUTCACHE, QsciScintillaBase::SC_CACHE_PAGE);
  editor_->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

}  // namespace penwick
