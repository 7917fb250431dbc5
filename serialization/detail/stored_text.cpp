// Speed-tuned: the Base64 of stored lines without QByteArray's intermediate copies (BENCHMARKS.md).

#include "serialization/stored_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include <boost/endian/conversion.hpp>

namespace trv::serialization {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The sextet of each Latin-1 character shifted to its place in a group of four (place 0 the highest), or
// kInvalid for characters outside the alphabet: a group is four lookups and three ORs.
constexpr std::uint32_t kInvalid = 1u << 31;
struct SextetTables {
  std::uint32_t place[4][256];
  constexpr SextetTables() : place() {
    for (auto& table : place)
      for (std::uint32_t& v : table) v = kInvalid;
    for (int i = 0; i < 64; ++i)
      for (int k = 0; k < 4; ++k)
        place[k][static_cast<unsigned char>(kAlphabet[i])] = static_cast<std::uint32_t>(i) << (18 - 6 * k);
  }
};
constexpr SextetTables kSextets;

constexpr std::uint64_t kBeyondLatin1 = 0xff00ff00ff00ff00u;

// Four UTF-16 characters (little-endian in `quad`, Latin-1 each) as a 24-bit group, kInvalid set when one is
// outside the alphabet.
inline std::uint32_t group(std::uint64_t quad) {
  return kSextets.place[0][quad & 0xff] | kSextets.place[1][(quad >> 16) & 0xff] |
         kSextets.place[2][(quad >> 32) & 0xff] | kSextets.place[3][quad >> 48];
}

inline std::uint64_t loadQuad(char16_t const* in) {
  std::uint64_t quad;
  std::memcpy(&quad, in, sizeof quad);
  return boost::endian::little_to_native(quad);
}

// Hears of each character the decoding skips; the one that does not listen costs nothing.
struct NoSkips {
  void skipped(char16_t const*, char16_t) {}
};

// Decodes from `in` up to `end` or the first line feed, whichever comes first, into `buffer`, which has room
// for (end - in) * 3 / 4 + 1 bytes; returns where it stopped and sets `size`. Characters outside the alphabet
// are skipped, as QByteArray::fromBase64 skips them, and told to `skips`.
template <typename Skips>
char16_t const* decodeLine(char16_t const* in, char16_t const* const end, char* const buffer,
                           std::size_t& size, Skips& skips) {
  // Written through a local pointer: stores through char* could otherwise alias the members.
  char* out = buffer;
  std::uint32_t pending = 0;
  int bits = 0;
  while (in != end) {
    // Whole groups of alphabet characters while no bits are pending, two and then one at a time: three bytes
    // each, written as four (the fourth is overwritten by the next group or lies beyond the size; the
    // buffer has room for it).
    if (bits == 0) {
      while (end - in >= 8) {
        std::uint64_t const first = loadQuad(in), second = loadQuad(in + 4);
        if ((first | second) & kBeyondLatin1) break;
        std::uint32_t const a = group(first), b = group(second);
        if ((a | b) & kInvalid) break;
        boost::endian::store_big_u32(reinterpret_cast<unsigned char*>(out), a << 8);
        boost::endian::store_big_u32(reinterpret_cast<unsigned char*>(out + 3), b << 8);
        out += 6;
        in += 8;
      }
      while (end - in >= 4) {
        std::uint64_t const quad = loadQuad(in);
        if (quad & kBeyondLatin1) break;
        std::uint32_t const a = group(quad);
        if (a & kInvalid) break;
        boost::endian::store_big_u32(reinterpret_cast<unsigned char*>(out), a << 8);
        out += 3;
        in += 4;
      }
      if (in == end) break;
    }
    char16_t const c = *in;
    if (c == u'\n') break;
    ++in;
    std::uint32_t const value = c < 256 ? kSextets.place[3][c] : kInvalid;
    if (value & kInvalid) {
      skips.skipped(in - 1, c);
      continue;
    }
    pending = (pending << 6) | value;
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      *out++ = static_cast<char>(pending >> bits);
      pending &= (1u << bits) - 1;
    }
  }
  size = static_cast<std::size_t>(out - buffer);
  return in;
}

// The characters a line's decoding skipped, told to an observer at the line's end, when it is known which "="
// end the text as padding.
class SkipsTold {
 public:
  SkipsTold(char16_t const* begin, ReadObserver& observer) : begin_(begin), observer_(observer) {}

  void skipped(char16_t const* at, char16_t c) {
    skips_.push_back({static_cast<std::size_t>(at - begin_), c});
  }

  // The line's `length` characters are decoded.
  void tell(std::size_t length) {
    std::size_t const letters = length - skips_.size();
    std::size_t const lastGroup = letters % 4;
    // The last letter's column, and how many "=" after it fill the last group.
    std::size_t last = length;
    for (auto skip = skips_.rbegin(); last > 0 && skip != skips_.rend() && skip->column == last - 1; ++skip)
      --last;
    std::size_t padding = lastGroup < 2 ? 0 : 4 - lastGroup;
    for (Skip const& skip : skips_) {
      if (skip.character != u'=')
        observer_.base64(Base64Skip::OutsideAlphabet, skip.column, skip.character);
      else if (skip.column < last)
        observer_.base64(Base64Skip::PaddingInside, skip.column, skip.character);
      else if (padding > 0)
        --padding;
      else
        observer_.base64(Base64Skip::ExtraPadding, skip.column, skip.character);
    }
    if (lastGroup == 1) observer_.base64(Base64Skip::LoneCharacter, last - 1, begin_[last - 1]);
  }

 private:
  struct Skip {
    std::size_t column;
    char16_t character;
  };
  char16_t const* begin_;
  ReadObserver& observer_;
  std::vector<Skip> skips_;
};

}  // namespace

QString base64Line(std::string_view bytes) {
  auto const* in = reinterpret_cast<std::uint8_t const*>(bytes.data());
  std::size_t const size = bytes.size();
  QString text(static_cast<int>((size + 2) / 3 * 4 + 1), Qt::Uninitialized);
  QChar* out = text.data();
  std::size_t i = 0;
  for (; i + 3 <= size; i += 3) {
    std::uint32_t const group = (in[i] << 16) | (in[i + 1] << 8) | in[i + 2];
    *out++ = QLatin1Char(kAlphabet[group >> 18]);
    *out++ = QLatin1Char(kAlphabet[(group >> 12) & 0x3f]);
    *out++ = QLatin1Char(kAlphabet[(group >> 6) & 0x3f]);
    *out++ = QLatin1Char(kAlphabet[group & 0x3f]);
  }
  if (std::size_t const rest = size - i) {
    std::uint32_t const group = (in[i] << 16) | (rest == 2 ? in[i + 1] << 8 : 0);
    *out++ = QLatin1Char(kAlphabet[group >> 18]);
    *out++ = QLatin1Char(kAlphabet[(group >> 12) & 0x3f]);
    *out++ = rest == 2 ? QLatin1Char(kAlphabet[(group >> 6) & 0x3f]) : QLatin1Char('=');
    *out++ = QLatin1Char('=');
  }
  *out = QLatin1Char('\n');
  return text;
}

Base64Line::Base64Line(QStringView text) {
  char16_t const* const begin = reinterpret_cast<char16_t const*>(text.data());
  char16_t const* const textEnd = begin + text.size();
  // The local buffer takes the lines of ordinary length; a longer line is decoded again into one of its size.
  data_ = local_.data();
  char16_t const* end = begin + std::min<qsizetype>(text.size(), kLocalCharacters);
  NoSkips none;
  char16_t const* stop = decodeLine(begin, end, data_, size_, none);
  if (stop == end && end != textEnd && *end != u'\n') {
    end = std::find(end, textEnd, u'\n');
    heap_.reset(new char[static_cast<std::size_t>(end - begin) * 3 / 4 + 4]);
    data_ = heap_.get();
    stop = decodeLine(begin, end, data_, size_, none);
  }
  length_ = static_cast<std::size_t>(stop - begin);
}

Base64Line::Base64Line(QStringView text, ReadObserver& observer) {
  char16_t const* const begin = reinterpret_cast<char16_t const*>(text.data());
  char16_t const* const end = std::find(begin, begin + text.size(), u'\n');
  auto const characters = static_cast<std::size_t>(end - begin);
  data_ = local_.data();
  if (characters > static_cast<std::size_t>(kLocalCharacters)) {
    heap_.reset(new char[characters * 3 / 4 + 4]);
    data_ = heap_.get();
  }
  SkipsTold skips(begin, observer);
  length_ = static_cast<std::size_t>(decodeLine(begin, end, data_, size_, skips) - begin);
  skips.tell(length_);
}

}  // namespace trv::serialization
