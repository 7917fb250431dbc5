// trv_pot: writes the translation template (.pot) of every option record's catalogue domain from the schema,
// so that a translator brings a language up to date with msgmerge:
//   msgmerge --update translation/po/de/DOMAIN.po BUILD/pot/DOMAIN.pot
// Every entry a label lookup makes: the labels of each option field, as the inspector asks for them, and its
// choices (context "<enumeration>", the enumerator's name).

#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "lib/properties/control_param/src/program_records.h"
#include "properties/qt/inc/nextgen/property_attributes.h"

namespace {

using namespace trv::control_param;

struct Entry {
  std::string context, message;
  bool operator<(Entry const& other) const {
    return std::tie(context, message) < std::tie(other.context, other.message);
  }
};

std::string quoted(std::string const& text) {
  std::string out = "\"";
  for (char const c : text) out += c == '"' || c == '\\' ? std::string{'\\', c} : std::string{c};
  return out + '"';
}

template <typename Record>
std::vector<Entry> entriesOf() {
  std::string const record = Record::Schema::metadata.qualified_name;
  std::vector<Entry> entries;
  std::set<Entry> seen;
  auto add = [&](std::string context, std::string message) {
    Entry entry{std::move(context), std::move(message)};
    if (seen.insert(entry).second) entries.push_back(entry);
  };
  reflection::for_each_field<Record>([&](auto field) {
    using Field = decltype(field);
    auto const& metadata = Field::metadata;
    if (!reflection::is_option(metadata)) return;
    trv::properties::nextgen::forEachLabelText(
        metadata, record,
        [&](auto, std::string const& context, std::string const& text) { add(context, text); });
    using T = typename Field::value_type;
    if constexpr (reflection::is_schema_enum_v<T>) {
      for (auto const& [value, name] : reflection::enum_traits<T>::maps.value_to_name)
        add(reflection::enum_traits<T>::qualified_name, name);
    }
  });
  return entries;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: trv_pot OUTPUT-FOLDER\n";
    return 2;
  }
  std::filesystem::create_directories(argv[1]);
  int failures = 0;
  forEachModule([&](auto row) {
    using Record = typename decltype(row)::RecordType;
    std::string const domain = Record::Schema::metadata.qualified_name;
    std::ofstream out(std::filesystem::path(argv[1]) / (domain + ".pot"));
    out << "# Labels of the " << moduleName<Record>() << " options (written by trv_pot from the schema).\n"
        << "msgid \"\"\nmsgstr \"\"\n\"Project-Id-Version: trv_control_param_table\\n\"\n"
        << "\"MIME-Version: 1.0\\n\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
        << "\"Content-Transfer-Encoding: 8bit\\n\"\n";
    for (Entry const& entry : entriesOf<Record>())
      out << "\nmsgctxt " << quoted(entry.context) << "\nmsgid " << quoted(entry.message)
          << "\nmsgstr \"\"\n";
    failures += !out;
  });
  return failures ? 1 : 0;
}
