#pragma once
// Cutting an input into its options texts, the one part of reading that is the tool's own: the BOM a line
// starts with (a file's start, also of files joined into one), CR line ends, the blanks around a text (a
// non-breaking space among them), lines, and a JSON text joined over lines. Each text knows where it stands
// in the input's bytes and on which line and column each offset that the library's readers report stands.
// Needs neither widgets nor the library.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

#include "tools/ctrlparam/byte_range.h"

namespace ctrlparam {

// A place in the input as editors count: line and column from 1 (a column counts characters).
struct Place {
  int line = 0;
  int column = 0;
};

// One options text of an input.
struct InputText {
  int line = 0;      // the line it starts on
  int lastLine = 0;  // the line it ends on
  bool json = false;
  // A JSON text with blanks before its "{": the system itself reads such a text as Base64.
  bool blanksBeforeBrace = false;
  // What the library gets: a Base64 line without its outer blanks, or a JSON text on one line, the blanks
  // outside its strings removed (with what follows its object on the line it closes on).
  QString text;
  ByteRange range;  // its bytes in the input, from its first character to its last
  // What is wrong around the text (empty: nothing), and where: a JSON object that does not close, a line
  // that continues a JSON text after it has closed.
  std::string fault;
  Place faultAt;

  // Where an offset the readers report stands in the input: for Base64 a column of `text` (from 0), for JSON
  // a byte of its UTF-8 form.
  Place place(std::size_t offset) const;

  std::vector<Place>
      places;  // JSON: the place of each byte of `text` in UTF-8; Base64: of its first character

  // Base64: the first byte that is no UTF-8 and its index in `text`, where a U+FFFD stands for it.
  struct NotUtf8 {
    int index;
    unsigned char byte;
  };
  std::optional<NotUtf8> notUtf8;
};

// The texts of an input in order; empty lines hold none.
std::vector<InputText> cutInput(std::string_view input);

// The index of the text that line `line` belongs to, or -1.
int textOnLine(std::vector<InputText> const& texts, int line);

// "1, 3 and 7": the lines the texts start on.
std::string lineList(std::vector<int> const& lines);

// The character `c` at `index` of a text as messages show it: as below, or "byte 0xFF" where the input holds
// a byte that is no UTF-8.
std::string shownCharacter(InputText const& text, std::size_t index, char32_t c);

// A character as messages show it: quoted when it is printable and not a blank other than ' ', else as
// U+XXXX.
std::string shownCharacter(char32_t c);

}  // namespace ctrlparam
