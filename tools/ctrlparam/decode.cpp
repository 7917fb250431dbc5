#include "tools/ctrlparam/decode.h"

#include <cstdio>
#include <iostream>
#include <map>
#include <utility>

#include "lib/properties/control_param/src/program_records.h"
#include "lib/properties/control_param/src/stored_form.h"
#include "serialization/json_parser.h"
#include "serialization/json_writer.h"
#include "serialization/read_observer.h"
#include "serialization/stored_text.h"
#include "serialization/wire.h"
#include "tools/ctrlparam/task.h"

namespace ctrlparam {
namespace {

using namespace trv::control_param;
using trv::serialization::JsonWriter;
using trv::serialization::Observation;
using trv::serialization::PassedOver;
using trv::serialization::Verdict;
namespace wire = trv::serialization::compact_binary;
namespace simple_json = trv::serialization::simple_json;

// One thing the walk met: a field, an element of a list (a map's keys and values in turn), a JSON member,
// or what follows the record.
struct Entry {
  enum class What { field, element, member, after } what = What::field;
  std::size_t offset = 0;  // Base64: of the record's bytes; JSON: of the text's UTF-8 form
  int number = 0;          // a field's id, an element's index
  std::string name;        // a member's name
  std::string type;        // the wire type, the JSON value's kind, or what follows the record
  std::string value;
  std::string verdict;  // what the readers of the program type did with it
  std::vector<Entry> inside;
};

// The fields of a record as the walk without a schema meets them, nested as they are.
class FieldTree final : public wire::ValueWalker {
 public:
  std::vector<Entry> fields;

  void field(std::size_t offset, wire::FieldHeader header) override {
    Entry& entry = open_.back()->emplace_back();
    entry.offset = offset;
    entry.number = header.id;
    entry.type = wire::wireTypeName(header.type);
    valuePending_ = true;
  }
  void scalar(std::size_t offset, std::uint8_t type, std::string const& text) override {
    valueEntry(offset, type).value = text;
  }
  void container(std::size_t offset, std::uint8_t type, std::uint8_t element, std::uint8_t value,
                 std::uint64_t count) override {
    Entry& entry = valueEntry(offset, type);
    entry.type = wire::containerTypeName(type, element, value);
    entry.value = wire::containerSize(type, count);
    open_.push_back(&entry.inside);
  }
  void end() override {
    if (open_.size() > 1) open_.pop_back();
  }

 private:
  // The entry of a value: the field just met, or a new element of the container it is in.
  Entry& valueEntry(std::size_t offset, std::uint8_t type) {
    if (std::exchange(valuePending_, false)) return open_.back()->back();
    Entry& entry = open_.back()->emplace_back();
    entry.what = Entry::What::element;
    entry.offset = offset;
    entry.number = static_cast<int>(open_.back()->size() - 1);
    entry.type = wire::wireTypeName(type);
    return entry;
  }

  std::vector<std::vector<Entry>*> open_{&fields};
  bool valuePending_ = false;
};

// The members of a JSON object as the parser meets them without a record, and the objects after it.
class MemberList final : public simple_json::MemberVisitor {
 public:
  std::vector<Entry> members;

  int fieldIndex(std::string_view) override { return -1; }
  void member(int, simple_json::JsonMember const&) override {}
  void unknown(simple_json::JsonMember const& member) override {
    static char const* const kinds[] = {"null", "bool", "number", "string", "array", "object"};
    Entry& entry = members.emplace_back();
    entry.what = Entry::What::member;
    entry.offset = member.offset;
    entry.name = member.name;
    entry.type = kinds[static_cast<int>(member.value.kind)];
    entry.value = member.raw;
  }
  void secondObject(std::size_t offset) override {
    Entry& entry = members.emplace_back();
    entry.what = Entry::What::after;
    entry.offset = offset;
    entry.type = "second object";
  }
};

// "3 bytes: 00 0A FF", the first 16 shown.
std::string bytesText(std::string_view bytes) {
  std::string text = std::to_string(bytes.size()) + (bytes.size() == 1 ? " byte:" : " bytes:");
  for (std::size_t i = 0; i < bytes.size() && i < 16; ++i) {
    char hex[4];
    std::snprintf(hex, sizeof hex, " %02X", static_cast<unsigned char>(bytes[i]));
    text += hex;
  }
  return text + (bytes.size() > 16 ? " …" : "");
}

// What a reader did with a field or member: "taken: warp", "passed over: duplicate (warp)".
std::string verdictText(Observation const& seen) {
  static char const* const verdicts[] = {"taken", "taken, no enumerator", "used up without effect",
                                         "taken as zero", "passed over"};
  static char const* const reasons[] = {"",          "no field",       "out of order",     "wrong type",
                                        "duplicate", "later elements", "after a base stop"};
  std::string text = verdicts[static_cast<int>(seen.verdict)];
  if (seen.verdict != Verdict::PassedOver) return text + ": " + std::string(seen.field);
  text += ": ";
  if (seen.reason == PassedOver::LaterElements) text += std::to_string(seen.count) + ' ';
  text += reasons[static_cast<int>(seen.reason)];
  return seen.field.empty() ? text : text + " (" + std::string(seen.field) + ')';
}

// Hears the readers of a record and keeps their verdicts by the offset of the field or member.
class Verdicts final : public trv::serialization::ReadObserver {
 public:
  std::map<std::size_t, std::string> byOffset;
  void field(Observation const& seen) override {
    std::string& text = byOffset[seen.offset];
    text += (text.empty() ? "" : "; ") + verdictText(seen);
  }
};

// The text read as the record of `type` reads it: its verdicts by offset.
std::map<std::size_t, std::string> verdictsOf(QString const& text, ProgrammTypes type) {
  Verdicts verdicts;
  visitRecordType(type, [&](auto tag) {
    try {
      data::decodeRecord<typename decltype(tag)::type>(text, verdicts);
    } catch (std::exception const&) {
      // The verdicts up to where the reading stopped; the fault is reported from the text's reading.
    }
  });
  return verdicts.byOffset;
}

// What the walk met, up to a fault that stopped it.
struct Walked {
  std::vector<Entry> entries;
  std::string fault;  // empty: none
};

Walked walkJson(InputText const& text) {
  MemberList members;
  QByteArray const utf8 = text.text.toUtf8();
  Walked walked;
  try {
    simple_json::parseObservedObjectLine(std::string_view(utf8.constData(), utf8.size()), members);
  } catch (std::exception const& error) {
    walked.fault = error.what();
  }
  for (Entry& entry : members.members)
    if (entry.what == Entry::What::after)
      entry.value = utf8.mid(static_cast<int>(entry.offset)).toStdString();
  walked.entries = std::move(members.members);
  return walked;
}

Walked walkBase64(InputText const& text) {
  trv::serialization::Base64Line const line(text.text);
  wire::InputBuffer input(line.bytes());
  FieldTree tree;
  Walked walked;
  try {
    wire::walkFields(input, 0, tree);
    if (input.remaining() != 0) {
      Entry& after = tree.fields.emplace_back();
      after.what = Entry::What::after;
      after.offset = input.position();
      after.type = "after the record";
      after.value = bytesText(input.bytes(input.position(), input.position() + input.remaining()));
    }
  } catch (std::exception const& error) {
    walked.fault = error.what();
  }
  walked.entries = std::move(tree.fields);
  return walked;
}

void addVerdicts(std::vector<Entry>& entries, std::map<std::size_t, std::string> const& verdicts) {
  for (Entry& entry : entries)
    if (auto const found = verdicts.find(entry.offset);
        found != verdicts.end() && entry.what != Entry::What::after)
      entry.verdict = found->second;
}

// How the entries of one text are printed: offsets as the text counts them (JSON: the user's line and
// column), the verdicts when a program type was given.
struct Printer {
  InputText const& text;
  bool verdicts;

  void lines(std::vector<Entry> const& entries, std::string const& indent) const {
    for (Entry const& entry : entries) {
      std::cout << indent << offsetText(entry) << '\t' << idText(entry) << '\t' << entry.type << '\t'
                << entry.value << (verdicts ? '\t' + entry.verdict : std::string()) << '\n';
      lines(entry.inside, indent + "  ");
    }
  }

  void json(JsonWriter& out, std::vector<Entry> const& entries) const {
    static char const* const whats[] = {"field", "element", "member", "after"};
    out.StartArray();
    for (Entry const& entry : entries) {
      out.StartObject();
      out.Key("what");
      out.String(whats[static_cast<int>(entry.what)]);
      place(out, entry);
      if (entry.what == Entry::What::member) {
        out.Key("name");
        out.String(entry.name);
      } else if (entry.what != Entry::What::after) {
        out.Key(entry.what == Entry::What::field ? "id" : "index");
        out.Int(entry.number);
      }
      out.Key("type");
      out.String(entry.type);
      out.Key("value");
      out.String(entry.value);
      if (verdicts) {
        out.Key("verdict");
        out.String(entry.verdict);
      }
      if (!entry.inside.empty()) {
        out.Key("inside");
        json(out, entry.inside);
      }
      out.EndObject();
    }
    out.EndArray();
  }

 private:
  std::string offsetText(Entry const& entry) const {
    if (!text.json) return std::to_string(entry.offset);
    Place const at = text.place(entry.offset);
    return std::to_string(at.line) + ':' + std::to_string(at.column);
  }

  void place(JsonWriter& out, Entry const& entry) const {
    if (!text.json) {
      out.Key("offset");
      out.Int(static_cast<int>(entry.offset));
      return;
    }
    Place const at = text.place(entry.offset);
    out.Key("line");
    out.Int(at.line);
    out.Key("column");
    out.Int(at.column);
  }

  static std::string idText(Entry const& entry) {
    JsonWriter name;
    switch (entry.what) {
      case Entry::What::field:
        return std::to_string(entry.number);
      case Entry::What::element:
        return '[' + std::to_string(entry.number) + ']';
      case Entry::What::member:
        name.String(entry.name);
        return name.text();
      default:
        return "";
    }
  }
};

}  // namespace

int decode(Context const& context) {
  LoadedText const loaded = loadText(optionsOrStandardInput(context), context, "");
  InputText const& text = loaded.text();
  Walked walked = text.json ? walkJson(text) : walkBase64(text);
  std::vector<Entry>& entries = walked.entries;
  if (context.program) addVerdicts(entries, verdictsOf(text.text, *context.program));
  Printer const printer{text, context.program.has_value()};
  if (context.json) {
    JsonWriter out;
    out.StartObject();
    out.Key("kind");
    out.String(text.json ? "json" : "base64");
    out.Key("entries");
    printer.json(out, entries);
    out.EndObject();
    std::cout << out.text() << '\n';
  } else {
    printer.lines(entries, "");
  }
  // A damaged text is shown as far as the walk went; its fault as the reading names it.
  if (Finding const* bad = loaded.reading.modules[0].first(Finding::Kind::Bad))
    throw Failure(loaded.where(*bad) + bad->message);
  if (!walked.fault.empty()) throw Failure(loaded.where(text.line) + walked.fault);
  return 0;
}

}  // namespace ctrlparam
