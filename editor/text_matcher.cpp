#include "editor/text_matcher.h"

#include <QChar>
#include <QList>
#include <algorithm>
#include <cstring>

namespace penwick {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

QByteArray Utf8Of(char32_t ch) { return QString::fromUcs4(&ch, 1).toUtf8(); }

unsigned char ByteAt(QByteArrayView text, qsizetype pos) { return static_cast<unsigned char>(text[pos]); }

// The character whose encoding starts at pos; a broken sequence reads as U+FFFD.
char32_t DecodeAt(QByteArrayView text, qsizetype pos) {
  const unsigned char lead = ByteAt(text, pos);
  if (lead < 0x80) return lead;
  const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (length == 1 || pos + length > text.size()) return kReplacement;
  char32_t ch = lead & (0xFF >> (length + 1));
  for (int i = 1; i < length; ++i) {
    const unsigned char next = ByteAt(text, pos + i);
    if ((next & 0xC0) != 0x80) return kReplacement;
    ch = (ch << 6) | (next & 0x3F);
  }
  return ch;
}

// The character that ends just before pos (pos > 0).
char32_t DecodeBefore(QByteArrayView text, qsizetype pos) {
  qsizetype start = pos - 1;
  for (int steps = 0; start > 0 && steps < 3 && (ByteAt(text, start) & 0xC0) == 0x80; ++steps) --start;
  return DecodeAt(text, start);
}

// The forms a character may take when case is ignored.
std::vector<QByteArray> CaseForms(char32_t ch) {
  std::vector<QByteArray> forms;
  for (char32_t form :
       {ch, QChar::toLower(ch), QChar::toUpper(ch), QChar::toTitleCase(ch), QChar::toCaseFolded(ch)}) {
    QByteArray utf8 = Utf8Of(form);
    if (std::find(forms.begin(), forms.end(), utf8) == forms.end()) forms.push_back(std::move(utf8));
  }
  return forms;
}

}  // namespace

bool IsWordChar(char32_t ch) { return ch == U'_' || QChar::isLetterOrNumber(ch); }

TextMatcher::TextMatcher(const QString& pattern, SearchOptions options) : wholeWord_(options.wholeWord) {
  const QList<uint> chars = pattern.toUcs4();
  if (chars.isEmpty()) return;
  firstIsWord_ = IsWordChar(chars.first());
  lastIsWord_ = IsWordChar(chars.last());
  const bool ascii = std::all_of(chars.begin(), chars.end(), [](uint ch) { return ch < 0x80; });
  simple_ = options.matchCase || ascii;
  for (int b = 0; b < 256; ++b) fold_[b] = static_cast<unsigned char>(b);
  if (!options.matchCase) {
    for (int b = 'A'; b <= 'Z'; ++b) fold_[b] = static_cast<unsigned char>(b - 'A' + 'a');
  }
  for (uint ch : chars) {
    units_.push_back(options.matchCase ? std::vector<QByteArray>{Utf8Of(ch)} : CaseForms(ch));
  }
  if (simple_) {
    bytes_ = pattern.toUtf8();
    for (char& byte : bytes_) byte = static_cast<char>(fold_[static_cast<unsigned char>(byte)]);
    // Skip table of the last byte under the window, on folded bytes (Horspool).
    const qsizetype m = bytes_.size();
    std::array<qsizetype, 256> folded;
    folded.fill(m);
    for (qsizetype i = 0; i + 1 < m; ++i) folded[static_cast<unsigned char>(bytes_[i])] = m - 1 - i;
    for (int b = 0; b < 256; ++b) skip_[b] = folded[fold_[b]];
  } else {
    for (const QByteArray& form : units_.front()) firstByte_[static_cast<unsigned char>(form[0])] = true;
  }
}

TextMatcher::Hit TextMatcher::Find(QByteArrayView text, qsizetype from) const {
  if (Empty()) return {};
  from = std::max<qsizetype>(from, 0);
  if (from >= text.size()) return {};
  return simple_ ? FindSimple(text, from) : FindGeneral(text, from);
}

TextMatcher::Hit TextMatcher::FindSimple(QByteArrayView text, qsizetype from) const {
  const qsizetype m = bytes_.size();
  const qsizetype n = text.size();
  const auto* t = reinterpret_cast<const unsigned char*>(text.data());
  const auto* p = reinterpret_cast<const unsigned char*>(bytes_.constData());
  const bool exact = fold_['A'] == 'A';
  const unsigned char last = p[m - 1];
  qsizetype pos = from;
  while (pos <= n - m) {
    if (exact && m == 1) {
      const void* found = std::memchr(t + pos, last, static_cast<size_t>(n - pos));
      if (!found) return {};
      pos = static_cast<const unsigned char*>(found) - t;
      if (!wholeWord_ || WholeWordAt(text, pos, pos + 1)) return {pos, 1};
      ++pos;
      continue;
    }
    const unsigned char c = t[pos + m - 1];
    if (fold_[c] == last) {
      bool equal = true;
      if (exact) {
        equal = std::memcmp(t + pos, p, static_cast<size_t>(m - 1)) == 0;
      } else {
        for (qsizetype i = 0; i + 1 < m && equal; ++i) equal = fold_[t[pos + i]] == p[i];
      }
      if (equal && (!wholeWord_ || WholeWordAt(text, pos, pos + m))) return {pos, m};
    }
    pos += skip_[c];
  }
  return {};
}

TextMatcher::Hit TextMatcher::FindGeneral(QByteArrayView text, qsizetype from) const {
  const qsizetype n = text.size();
  const auto* t = reinterpret_cast<const unsigned char*>(text.data());
  for (qsizetype pos = from; pos < n; ++pos) {
    if (!firstByte_[t[pos]]) continue;
    const qsizetype length = MatchAt(text, pos);
    if (length >= 0 && (!wholeWord_ || WholeWordAt(text, pos, pos + length))) return {pos, length};
  }
  return {};
}

qsizetype TextMatcher::MatchAt(QByteArrayView text, qsizetype pos) const {
  qsizetype at = pos;
  for (const std::vector<QByteArray>& forms : units_) {
    // UTF-8 forms of one character are never prefixes of each other, so the first that fits is the one.
    const auto fits = std::find_if(forms.begin(), forms.end(), [&](const QByteArray& form) {
      return at + form.size() <= text.size() &&
             std::memcmp(text.data() + at, form.constData(), static_cast<size_t>(form.size())) == 0;
    });
    if (fits == forms.end()) return -1;
    at += fits->size();
  }
  return at - pos;
}

bool TextMatcher::WholeWordAt(QByteArrayView text, qsizetype start, qsizetype end) const {
  // Only word characters need a boundary: "<p>" is found whole in "a<p>b".
  if (firstIsWord_ && start > 0 && IsWordChar(DecodeBefore(text, start))) return false;
  if (lastIsWord_ && end < text.size() && IsWordChar(DecodeAt(text, end))) return false;
  return true;
}

}  // namespace penwick
