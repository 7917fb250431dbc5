// Texts customers send, each as the library's stored-form readers read it (what they told their observer) and
// as the tool judges it from that (what it finds for the program type's record, and which program types the
// text fits). The cases and what they give are one golden file, tests/data/golden/readings.txt: a case is a
// line "= PROGRAM TEXT" (\n in TEXT for a line break), followed by what it gives. After an intended change:
//   TRV_UPDATE_GOLDEN=1 QT_QPA_PLATFORM=offscreen build/test/tests/trv_unit_tests --gtest_filter='Readings.*'
// and read the diff of the file.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "lib/properties/control_param/src/program_records.h"
#include "lib/properties/control_param/src/stored_form.h"
#include "serialization/errors.h"
#include "serialization/read_observer.h"
#include "tools/ctrlparam/text_reading.h"

namespace {

using namespace trv::control_param;
using trv::serialization::Observation;

char const* const kVerdicts[] = {"taken", "taken, no enumerator", "used up without effect", "taken as zero",
                                 "passed over"};
char const* const kReasons[] = {"",
                                " (no field)",
                                " (out of order)",
                                " (wrong type)",
                                " (duplicate)",
                                " (later elements)",
                                " (after a base stop)"};
char const* const kSkips[] = {"outside the alphabet", "padding inside", "extra padding", "lone character"};

// What the readers tell, one line each.
struct Told final : trv::serialization::ReadObserver {
  std::ostringstream out;
  bool json = false;

  void field(Observation const& seen) override {
    out << "  read: " << kVerdicts[static_cast<int>(seen.verdict)] << kReasons[static_cast<int>(seen.reason)]
        << " at " << seen.offset << ": " << (json ? "member '" + std::string(seen.member) + "' " : "")
        << (seen.field.empty() ? "" : std::string(seen.field) + ' ') << "(id " << seen.id << ")";
    if (!json) out << " wire type " << int{seen.wireType};
    out << ", " << seen.raw.size() << (json ? " characters" : " bytes");
    if (seen.count) out << ", " << seen.count << " of them";
    if (seen.negative) out << ", negative";
    out << '\n';
  }
  void afterRecord(std::size_t offset, std::size_t count) override {
    out << "  read: " << count << " bytes after the record at " << offset << '\n';
  }
  void endsInside(std::size_t offset) override {
    out << "  read: ends inside the field at " << offset << '\n';
  }
  void secondObject(std::size_t offset) override { out << "  read: a second object at " << offset << '\n'; }
  void jsonFault(std::size_t offset) override { out << "  read: no JSON from " << offset << '\n'; }
  void base64(trv::serialization::Base64Skip what, std::size_t column, char16_t) override {
    out << "  read: Base64 skips column " << column << ", " << kSkips[static_cast<int>(what)] << '\n';
  }
};

char const* const kKinds[] = {"bad", "refused", "foreign", "trailing"};

std::string readings(ProgrammTypes type, std::string const& input) {
  std::ostringstream out;
  std::vector<ctrlparam::InputText> const texts = ctrlparam::cutInput(input);
  ctrlparam::InputReadings all(texts);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    ctrlparam::InputText const& text = texts[i];
    out << " text on lines " << text.line << "-" << text.lastLine << (text.json ? ", JSON" : ", Base64")
        << (text.blanksBeforeBrace ? ", blanks before its '{'" : "") << '\n';
    Told told;
    told.json = text.json;
    visitRecordType(type, [&](auto tag) {
      try {
        data::decodeRecord<typename decltype(tag)::type>(text.text, told);
      } catch (std::exception const& error) {
        told.out << "  read: fails: " << error.what() << '\n';
      }
    });
    out << told.out.str();
    ctrlparam::TextReading const& reading = all.of(i);
    for (ctrlparam::Finding const& finding : reading.of(type).findings)
      out << "  finds, " << kKinds[static_cast<int>(finding.kind)] << (finding.kept ? " (kept)" : "")
          << ", line " << finding.at.line << ": " << finding.message << '\n';
    out << "  fits: " << ctrlparam::programList(reading.fitting()) << (reading.empty ? " (no field)" : "")
        << '\n';
    if (auto const wrapped = all.wrappedAround(i))
      out << "  wrapped over lines " << wrapped->first << "-" << wrapped->last << '\n';
  }
  return out.str();
}

std::string unescaped(std::string text) {
  for (std::size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 1))
    text.replace(at, 2, "\n");
  return text;
}

TEST(Readings, EachTextAsTheReadersReadItAndAsTheToolJudgesIt) {
  std::string const path = std::string(TRV_TEST_DATA_DIR) + "/golden/readings.txt";
  std::ifstream file(path);
  std::ostringstream expected, now;
  for (std::string line; std::getline(file, line);) {
    expected << line << '\n';
    if (line.rfind("= ", 0) == 0) {
      std::size_t const space = line.find(' ', 2);
      std::string const name = line.substr(2, space - 2);
      int type = 0;
      while (type < kProgrammTypeCount && name != kProgrammTypeNames[type]) ++type;
      ASSERT_LT(type, kProgrammTypeCount) << line;
      now << line << '\n' << readings(static_cast<ProgrammTypes>(type), unescaped(line.substr(space + 1)));
    } else if (line.rfind("#", 0) == 0) {
      now << line << '\n';
    }
  }
  if (char const* update = std::getenv("TRV_UPDATE_GOLDEN"); update && std::string(update) == "1")
    std::ofstream(path) << now.str();
  EXPECT_EQ(now.str(), expected.str());
}

}  // namespace
