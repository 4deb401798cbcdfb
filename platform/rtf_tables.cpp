#include "platform/rtf_tables.h"

namespace penwick {
namespace {

// A family name longer than this is cut: runs compare their formats, family names included.
constexpr qsizetype kMaxFontName = 128;

}  // namespace

void RtfFontTable::StartEntry(int number) {
  pending_ = true;
  number_ = number;
  codePage_ = 0;
  name_.clear();
}

void RtfFontTable::SetCharset(int charset) {
  if (pending_) codePage_ = CodePageForCharset(charset, 0);
}

void RtfFontTable::SetCodePage(int codePage) {
  if (pending_ && codePage > 0) codePage_ = codePage;
}

void RtfFontTable::Bytes(const char* p, const char* end, CodePageDecoders& decoders, int documentCodePage) {
  for (; p < end; ++p) {
    if (*p == ';') {
      FinishEntry(decoders, documentCodePage);
    } else if (pending_ && static_cast<unsigned char>(*p) >= 0x20 && name_.size() < 4 * kMaxFontName) {
      name_.append(*p);
    }
  }
}

void RtfFontTable::FinishEntry(CodePageDecoders& decoders, int documentCodePage) {
  if (!pending_) return;
  pending_ = false;
  QString family;
  decoders.For(codePage_ != 0 ? codePage_ : documentCodePage).Decode(name_, &family);
  fonts_[number_] = RtfFont{family.trimmed().left(kMaxFontName), codePage_};
  name_.clear();
}

const RtfFont* RtfFontTable::Find(int number) const {
  const auto it = fonts_.find(number);
  return it != fonts_.end() ? &it->second : nullptr;
}

void RtfColourTable::Clear() {
  colours_.clear();
  red_ = green_ = blue_ = 0;
  given_ = false;
}

void RtfColourTable::SetRed(int value) {
  red_ = value;
  given_ = true;
}

void RtfColourTable::SetGreen(int value) {
  green_ = value;
  given_ = true;
}

void RtfColourTable::SetBlue(int value) {
  blue_ = value;
  given_ = true;
}

void RtfColourTable::Bytes(const char* p, const char* end) {
  for (; p < end; ++p) {
    if (*p != ';') continue;
    colours_.push_back(given_ ? std::optional<uint32_t>(red_ << 16 | green_ << 8 | blue_) : std::nullopt);
    red_ = green_ = blue_ = 0;
    given_ = false;
  }
}

std::optional<uint32_t> RtfColourTable::At(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= colours_.size()) return std::nullopt;
  return colours_[index];
}

}  // namespace penwick
