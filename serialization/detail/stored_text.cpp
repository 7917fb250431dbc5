// Speed-tuned: the Base64 of stored lines without QByteArray's intermediate copies (BENCHMARKS.md).

#include "serialization/stored_text.h"

#include <cstdint>
#include <cstring>

#include <boost/endian/conversion.hpp>

namespace trv::serialization {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The 6-bit value of each Latin-1 character in the Base64 alphabet, -1 for the other characters.
struct SextetTable {
  signed char value[256];
  constexpr SextetTable() : value() {
    for (signed char& v : value) v = -1;
    for (int i = 0; i < 64; ++i)
      value[static_cast<unsigned char>(kAlphabet[i])] = static_cast<signed char>(i);
  }
};
constexpr SextetTable kSextets;

inline int sextet(char16_t c) {
  return c < 256 ? kSextets.value[c] : -1;
}

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

Base64Line::Base64Line(QStringView line) {
  data_ = local_.data();
  std::size_t const capacity = static_cast<std::size_t>(line.size()) * 3 / 4 + 1;  // and the fourth byte
  if (capacity > local_.size()) {
    heap_.reset(new char[capacity]);
    data_ = heap_.get();
  }
  char16_t const* in = reinterpret_cast<char16_t const*>(line.data());
  char16_t const* const end = in + line.size();
  // Written through a local pointer: stores through char* could otherwise alias the members.
  char* out = data_;
  std::uint32_t buffer = 0;
  int bits = 0;
  while (in != end) {
    // Whole groups of four alphabet characters while no bits are pending: three bytes each, written as four
    // (the fourth is overwritten by the next group or lies beyond the size; the buffer has room for it).
    while (bits == 0 && end - in >= 4) {
      std::uint64_t quad;
      std::memcpy(&quad, in, sizeof quad);
      quad = boost::endian::little_to_native(quad);
      if (quad & 0xff00ff00ff00ff00u) break;  // a character beyond Latin-1
      int const a = kSextets.value[quad & 0xff], b = kSextets.value[(quad >> 16) & 0xff],
                c = kSextets.value[(quad >> 32) & 0xff], d = kSextets.value[quad >> 48];
      if ((a | b | c | d) < 0) break;
      std::uint32_t const group =
          (static_cast<std::uint32_t>(a) << 26) | (static_cast<std::uint32_t>(b) << 20) |
          (static_cast<std::uint32_t>(c) << 14) | (static_cast<std::uint32_t>(d) << 8);
      boost::endian::store_big_u32(reinterpret_cast<unsigned char*>(out), group);
      out += 3;
      in += 4;
    }
    if (in == end) break;
    int const value = sextet(*in++);
    if (value < 0) continue;
    buffer = (buffer << 6) | static_cast<std::uint32_t>(value);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      *out++ = static_cast<char>(buffer >> bits);
      buffer &= (1u << bits) - 1;
    }
  }
  size_ = static_cast<std::size_t>(out - data_);
}

}  // namespace trv::serialization
