// The ctrlparam tool's own checks of an input on arbitrary bytes: the cutting into texts (JSON blank
// removal, second objects), the Base64 check and the field scan. The first byte picks whether the rest is
// read as UTF-8 (even) or as Latin-1 (odd); the rest is the input.
// Checked for every text: a JSON text has no blank left outside its strings and compacts to itself; a
// Base64 line that passes decodes to the bytes its characters hold; a module whose record the scan finds
// fitting reads the text without an error through the codec, and so does its stored form again; a JSON text
// the checks cannot parse is one the codec refuses.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_check.h"
#include "lib/properties/control_param/src/program_records.h"
#include "serialization/compact_binary.h"
#include "serialization/errors.h"
#include "serialization/simple_json.h"
#include "tools/ctrlparam/record_fit.h"

namespace {

using namespace trv::control_param;

using fuzz::require;

// No blank outside the strings of a compacted JSON text, and compacting it again changes nothing.
void checkJson(ctrlparam::OptionsText const& text) {
  std::string const json = text.text.toStdString();
  auto const again = ctrlparam::compactJson(json);
  require(again.closed && again.text == json && again.end == json.size(),
          "a JSON text does not compact to itself");
}

void checkBase64(ctrlparam::OptionsText const& text) {
  if (!text.problem.empty()) return;
  int letters = 0;
  for (QChar const c : text.text) letters += c != QLatin1Char('=') ? 1 : 0;
  QByteArray const bytes = QByteArray::fromBase64(text.text.toLatin1());
  require(bytes.size() == letters * 3 / 4, "a Base64 text that passed holds other characters");
}

// A record the scan finds fitting reads the text through the codec, and its stored form fits it again.
template <typename Record>
void checkFit(ctrlparam::OptionsText const& text, ctrlparam::Fit const& fit) {
  if (!fit.fits()) return;
  Record record{};
  try {
    if (text.json) {
      trv::serialization::fromSimpleJson(text.text.toStdString(), record);
    } else {
      QByteArray const bytes = QByteArray::fromBase64(text.text.toLatin1());
      trv::serialization::fromCompactBinary(std::string_view(bytes.constData(), bytes.size()), record);
    }
  } catch (std::exception const&) {
    require(false, "a text that fits a record does not read");
  }
  std::string const bytes = trv::serialization::toCompactBinary(record);
  ctrlparam::OptionsText stored;
  stored.text = QString::fromLatin1(QByteArray(bytes.data(), static_cast<int>(bytes.size())).toBase64());
  ctrlparam::Fits const again = ctrlparam::fitsOf(stored);
  int index = 0, module = -1;
  forEachModule([&](auto row) {
    if (std::is_same_v<typename decltype(row)::RecordType, Record>) module = index;
    ++index;
  });
  require(again.modules[static_cast<std::size_t>(module)].fits(),
          "the stored form of a fitting text does not fit");
}

void check(ctrlparam::OptionsText const& text) {
  if (text.json)
    checkJson(text);
  else
    checkBase64(text);
  ctrlparam::Fits fits;
  try {
    fits = ctrlparam::fitsOf(text);
  } catch (trv::serialization::StreamException const&) {
    return;
  } catch (trv::serialization::CoreException const&) {
    return;
  }
  if (!fits.parsed) {
    // A JSON text the checks cannot parse is one the codec refuses too.
    ORIN_Control_Properties record{};
    bool refused = false;
    try {
      trv::serialization::fromSimpleJson(text.text.toStdString(), record);
    } catch (trv::serialization::CoreException const&) {
      refused = true;
    }
    require(refused, "the codec reads a JSON text that the checks cannot parse");
    return;
  }
  int index = 0;
  forEachModule([&](auto row) {
    checkFit<typename decltype(row)::RecordType>(text, fits.modules[static_cast<std::size_t>(index++)]);
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  if (size == 0) return 0;
  char const* rest = reinterpret_cast<char const*>(data + 1);
  int const length = static_cast<int>(size - 1);
  QString const input =
      data[0] % 2 == 0 ? QString::fromUtf8(rest, length) : QString::fromLatin1(rest, length);
  try {
    for (ctrlparam::OptionsText const& text : ctrlparam::splitTexts(input)) check(text);
  } catch (ctrlparam::CheckError const& error) {
    require(error.line >= 1, "a refusal names no line");
  }
  return 0;
}
