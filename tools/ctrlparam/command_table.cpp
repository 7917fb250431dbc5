#include "tools/ctrlparam/command_table.h"

#include "tools/ctrlparam/decode.h"
#include "tools/ctrlparam/diff.h"
#include "tools/ctrlparam/explain.h"
#include "tools/ctrlparam/identify.h"
#include "tools/ctrlparam/info_commands.h"
#include "tools/ctrlparam/inspector_commands.h"
#include "tools/ctrlparam/list.h"
#include "tools/ctrlparam/record_commands.h"
#include "tools/ctrlparam/upgrade.h"

namespace ctrlparam {
namespace {

// The options of a command that makes a task from --options and --set.
std::vector<char const*> taskOptions(std::vector<char const*> more) {
  std::vector<char const*> names{"program", "model", "options", "set"};
  names.insert(names.end(), more.begin(), more.end());
  return names;
}

void addRecordCommands(std::vector<Command>& table) {
  table.push_back(Command("programs", programs)
                      .takes({"locale"})
                      .summary("the twelve program types: value<TAB>name<TAB>module")
                      .describes("The twelve program types, one a line: value<TAB>name<TAB>module.")
                      .example("ctrlparam programs"));
  table.push_back(
      Command("show", show)
          .withWidgets()
          .operandsAre("[FIELD...]", 1 << 20)
          .operandsComplete(Command::Operands::fields)
          .takes(taskOptions({"locale", "line", "strict", "lenient", "changed", "json"}))
          .summary("the option record, one field a line: name<TAB>value")
          .describes(
              "The task's option record (only the named fields, when any are named), one field a line in "
              "schema\n"
              "order: name<TAB>value. Choices show as Name (number), switches as true/false, an empty "
              "optional\n"
              "value as -. With --changed, only the options whose value differs from the default.")
          .example("ctrlparam show -p ORIN_B -i @options.txt --changed"));
  table.push_back(
      Command("json", json)
          .takes(taskOptions({"locale", "line", "strict", "lenient"}))
          .summary("the record as one line of Simple JSON (readable by --options)")
          .describes("The record as one line of Simple JSON with every field, which --options reads back.")
          .example("ctrlparam json -p BRAX_A -i @options.txt"));
  table.push_back(Command("store", store)
                      .takes(taskOptions({"locale", "line", "strict", "lenient", "in-place", "all", "dry-run",
                                          "drop-foreign"}))
                      .summary("the stored text (one Base64 line)")
                      .describes("The stored text of the task: one Base64 line and its line feed.")
                      .example("ctrlparam store -p ORIN_B -s warp=Active"));
  table.push_back(
      Command("kelmar", kelmar)
          .takes(taskOptions({"lang", "locale", "line", "strict", "lenient"}))
          .summary("the KELMAR control records")
          .describes("The KELMAR control records of the task, one a line. Warns when a real value loses "
                     "digits in the\n"
                     "line and when a changed option is not written for this program type and model.")
          .example("ctrlparam kelmar -p ORIN_B -m quads,beams -l en -i @options.txt"));
}

void addOptionCommands(std::vector<Command>& table) {
  table.push_back(
      Command("properties", properties)
          .withWidgets()
          .takes(taskOptions({"locale", "line", "strict", "lenient", "json"}))
          .summary("the inspector's properties: id<TAB>group<TAB>label<TAB>value<TAB>changed")
          .describes("The inspector's properties after the applicability filter, in inspector order:\n"
                     "id<TAB>group<TAB>label<TAB>value<TAB>changed; the value (off) when another option "
                     "switches it off,\n"
                     "changed * when the value differs from the default.")
          .example("ctrlparam properties -p PELU_B -m beams --locale de_DE.UTF-8"));
  table.push_back(
      Command("reset", reset)
          .withWidgets()
          .operandsComplete(Command::Operands::options)
          .operandsAre("[FIELD...]", 1 << 20)
          .takes({"program", "options", "locale", "line", "strict", "lenient", "in-place", "all", "dry-run",
                  "drop-foreign"})
          .summary("the stored text with the named options (all when none is named) at their defaults")
          .describes(
              "The stored text after the named options, or every option when none is named, are set back to\n"
              "their defaults in one step. Options are the fields the program type's inspector has a "
              "property\n"
              "for, shown or not; version_id is none and stays.")
          .example("ctrlparam reset -p BRAX_A -i @options.txt cant"));
}

void addCheckCommands(std::vector<Command>& table) {
  table.push_back(
      Command("diff", diff)
          .operandsComplete(Command::Operands::inputs)
          .exits("as diff(1): 0 the texts are equal, 1 they differ, 2 trouble (a text that does not load, "
                 "wrong usage)")
          .statusAs(Command::Status::diffLike)
          .operandsAre("A B", 2)
          .takes({"program", "model", "lang", "locale", "strict", "lenient", "json", "kelmar"})
          .summary("the fields that differ between two stored texts: name<TAB>A<TAB>B")
          .describes(
              "One line per field that differs between the stored texts A and B (each a text, -, @FILE or\n"
              "@FILE:N): name<TAB>value in A<TAB>value in B, then one line #ID<TAB>A<TAB>B per field of "
              "another\n"
              "module that the record passes over (- where a text lacks it). A text whose fields belong only "
              "to\n"
              "other modules is refused. With --kelmar, the KELMAR lines the two texts give for --model and "
              "--lang\n"
              "instead, as a unified diff (-: only in A, +: only in B). Exit status as diff(1): 0 equal, 1\n"
              "different, 2 trouble.")
          .example("ctrlparam diff -p BRAX_A @tasks.txt:3 @tasks.txt:7 --kelmar -m beams"));
  table.push_back(Command("upgrade", upgrade)
                      .exits("0 done, 1 the library or the input failed, 2 wrong usage; with --check as "
                             "diff(1): 0 the upgrade leaves the text as it is, 1 it changes it, 2 trouble")
                      .statusAs(Command::Status::diffLikeWhenChecking)
                      .takes({"program", "options", "locale", "line", "strict", "lenient", "text", "check",
                              "in-place", "all", "dry-run", "drop-foreign"})
                      .summary("what the upgrade reports, then the stored text after it")
                      .describes("What the upgrade check reports, then the stored text after the upgrade. "
                                 "--text: only the text;\n"
                                 "--check: only the report, exit 0 when the upgrade leaves the text as it "
                                 "is, 1 when it changes it,\n"
                                 "2 trouble.")
                      .example("ctrlparam upgrade -p BRAX_A -i @options.txt --check"));
  table.push_back(
      Command("identify", identify)
          .standardInputWithoutOptions()
          .exits("0 some program type holds the text, 1 none does or the text does not load, 2 wrong usage")
          .takes({"options", "locale", "line", "strict", "lenient", "json"})
          .summary("the program types whose record can hold every field of a text")
          .describes(
              "The program types whose record can hold every field of the text (id, wire type, choices), one "
              "a\n"
              "line: value<TAB>name<TAB>module. Says on standard error when the text fits several modules\n"
              "(ambiguous) or holds no field (a default text). Without --options it reads standard input "
              "(not a\n"
              "terminal).")
          .example("ctrlparam identify -i @options.txt"));
}

// Commands that take a text or a file apart: its texts, its fields, one option.
void addReadingCommands(std::vector<Command>& table) {
  table.push_back(
      Command("list", list)
          .standardInputWithoutOptions()
          .statusAs(Command::Status::diffLike)
          .takes({"options", "locale", "json"})
          .summary("every text of a file, one a line: line<TAB>kind<TAB>fits<TAB>state")
          .describes(
              "Every text of the input, one a line in file order: the line it starts on, base64 or json, "
              "the\n"
              "program types whose record holds it (comma-separated; default for a text without fields, - "
              "for\n"
              "none), and ok or what the strict reading finds wrong with it, '; '-separated; upgrade "
              "pending for\n"
              "a construction-stage text the upgrade would change. Exit status 0 when every text is ok, 1 "
              "when one\n"
              "is not, 2 trouble. Without --options it reads standard input (not a terminal).")
          .exits(
              "0 every text is ok (an upgrade pending is no problem), 1 one is not, 2 trouble (a file that "
              "cannot be read, output that cannot be written)")
          .example("ctrlparam list -i @tasks.txt"));
  table.push_back(
      Command("decode", decode)
          .standardInputWithoutOptions()
          .programIfGiven()
          .takes({"program", "options", "locale", "line", "json"})
          .summary("a text field by field without a program type: offset<TAB>id<TAB>wire type<TAB>value")
          .describes(
              "The text read field by field without a program type: offset<TAB>id<TAB>wire type<TAB>value, "
              "the\n"
              "elements of a list indented under their field, then the bytes after the record. A JSON text "
              "member\n"
              "by member: line:column<TAB>name<TAB>kind<TAB>value. With --program, what its record's "
              "reader did\n"
              "with each, in one more column. Without --options it reads standard input (not a terminal).")
          .example("ctrlparam decode -p BRAX_A -i @tasks.txt --line 3"));
  table.push_back(Command("explain", explain)
                      .withWidgets()
                      .operandsAre("FIELD", 1)
                      .operandsComplete(Command::Operands::fields)
                      .takes({"program", "model", "locale", "json"})
                      .summary("one option: label, type, default, choices, KELMAR lines, when it applies")
                      .describes("One option of the program type: label and group in the locale, type, "
                                 "default, choices, range,\n"
                                 "the KELMAR lines it changes in both languages, what makes it apply, which "
                                 "option switches it off.\n"
                                 "Without --model, the model that holds everything.")
                      .example("ctrlparam explain -p ORIN_B warp --locale de_DE.UTF-8"));
}

void addOtherCommands(std::vector<Command>& table) {
  table.push_back(Command("help", help)
                      .operandsComplete(Command::Operands::commands)
                      .operandsAre("[COMMAND]", 1)
                      .takes({"locale"})
                      .summary("this overview, or one command's arguments and an example")
                      .describes("The overview of the commands, or one command's arguments and an example.")
                      .example("ctrlparam help diff"));
  table.push_back(Command("calc-method", calcMethod)
                      .operandsComplete(Command::Operands::files)
                      .operandsAre("[FILE|-]", 1)
                      .takes({"locale"})
                      .summary("the calculation method of an older XML task form, or -1")
                      .describes("The calculation method that an older XML task form holds, or -1.")
                      .example("ctrlparam calc-method task.xml"));
}

void addWindowCommands(std::vector<Command>& table) {
  table.push_back(Command("inspector", inspector)
                      .showingWindow()
                      .takes(taskOptions({"locale", "line", "strict", "lenient", "screenshot", "width"}))
                      .summary("the inspector widget in a window, or rendered into a PNG")
                      .describes("The inspector widget in a window, as a host shows it; with --screenshot "
                                 "rendered off-screen into\n"
                                 "a PNG.")
                      .example("ctrlparam inspector -p ORIN_B -m all --screenshot grid.png"));
  table.push_back(
      Command("edit", edit)
          .showingWindow()
          .takes(taskOptions(
              {"lang", "locale", "line", "strict", "lenient", "drop-foreign", "screenshot", "width"}))
          .summary("edit the options in the inspector, the KELMAR lines beside it, and save them")
          .describes("A window with the inspector and beside it the task's KELMAR lines, updated on every "
                     "change (the\n"
                     "lines changed since the window opened highlighted). Edit: undo (Ctrl+Z) and redo "
                     "(Ctrl+Shift+Z,\n"
                     "Ctrl+Y) named by what they change, Reset all. File > Save (Ctrl+S) writes the stored "
                     "text (one\n"
                     "Base64 line) back: with --options @FILE into that file in place of the chosen text, "
                     "every other\n"
                     "line and the line endings kept; else to standard output. Closing with unsaved changes "
                     "asks first.\n"
                     "--set changes are made in the window, as if typed: they can be undone and are not yet "
                     "saved. A text\n"
                     "that does not load ends the command before any window opens.")
          .example("ctrlparam edit -p NEVO_A -i @tasks.txt --line 2 --locale de_DE.UTF-8"));
}

// What the shell's completion and the build ask the tool; no user's command.
void addHiddenCommands(std::vector<Command>& table) {
  table.push_back(Command("complete", complete)
                      .hiddenFromHelp()
                      .withWidgets()
                      .operandsAre("WHAT [NAME]", 2)
                      .takes({"program", "model", "options", "locale"})
                      .describes("Words for the shell's completion, one a line: commands, options [COMMAND], "
                                 "value OPTION, operand COMMAND.")
                      .example("ctrlparam complete value set -p BRAX_A -m beams"));
  table.push_back(Command("man-include", manInclude)
                      .hiddenFromHelp()
                      .takes({"locale"})
                      .describes("The man page's sections made from the command and option tables, as an "
                                 "include file of help2man.")
                      .example("ctrlparam man-include >ctrlparam.h2m"));
}

}  // namespace

std::string exitStatusText(Command const& command) {
  if (*command.exitText) return command.exitText;
  if (command.status == Command::Status::diffLike)
    return "0 and 1 as its description says, 2 trouble (wrong usage included)";
  std::string const failed = command.window
                                 ? "the library or the input failed, or no display (without --screenshot)"
                                 : "the library or the input failed (or the output could not be written)";
  return "0 done, 1 " + failed + ", 2 wrong usage";
}

std::vector<Command> const& commands() {
  static std::vector<Command> const table = [] {
    std::vector<Command> all;
    addRecordCommands(all);
    addOptionCommands(all);
    addCheckCommands(all);
    addReadingCommands(all);
    addOtherCommands(all);
    addWindowCommands(all);
    addHiddenCommands(all);
    return all;
  }();
  return table;
}

std::vector<Command const*> shownCommands() {
  std::vector<Command const*> shown;
  for (Command const& command : commands())
    if (!command.hidden) shown.push_back(&command);
  return shown;
}

Command const* findCommand(QString const& name) {
  for (Command const& command : commands())
    if (name == QLatin1String(command.name)) return &command;
  return nullptr;
}

}  // namespace ctrlparam
