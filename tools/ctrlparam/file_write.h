#pragma once
// Writing a changed options text back into a file: only the text's bytes change, every other byte of the
// file stays as it was, and the file is replaced atomically by a complete new one. What cannot be written so
// is refused with its reason before anything is written. File names are the system's bytes, never decoded.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tools/ctrlparam/byte_range.h"

namespace ctrlparam {

// A file name as messages print it: bytes that are no UTF-8, and control characters, as \xNN.
std::string readableName(std::string_view name);

// Why nothing was written (or read). `form` is the message with %1 for the file (`name`, readable) and %2
// for the system's reason where there is one; the forms are translatable in the context "ctrlparam".
struct WriteError : std::runtime_error {
  WriteError(char const* form, std::string_view file, std::string const& reason = {});
  char const* form;
  std::string name;
  std::string reason;
};

// The form of a file whose bytes are no longer those that were read.
extern char const kChangedSinceRead[];
// The form of a new file's name that a file holds already (WriteMode::NewFile).
extern char const kAlreadyExists[];

enum class WriteMode {
  InPlace,          // the file `content` was read from, which must hold it still
  NewFile,          // another file, refused when it exists
  ReplaceExisting,  // another file, replaced when it exists
};

// A text put in place of the bytes `range` of a file's content.
struct Replacement {
  ByteRange range;
  std::string_view text;
};

// Writes `content` (a file's bytes as they were read) with each replacement made into `file`, in one write,
// and returns what was written. A symbolic link is written through (it stays a link); an existing file keeps
// its mode, owner and group. Refused (WriteError), nothing written: a file changed since it was read or no
// longer there (InPlace), one that exists (NewFile), a file or folder that is read-only (by its mode bits
// too, since root may write anything), a file with several names, a UTF-16 content, what the system
// refuses. Ranges outside `content`, overlapping or out of order throw std::out_of_range.
std::string writeReplaced(std::string const& file, std::string_view content,
                          std::vector<Replacement> const& replacements, WriteMode mode = WriteMode::InPlace);

// The same for one text.
inline std::string writeReplaced(std::string const& file, std::string_view content, ByteRange range,
                                 std::string_view text, WriteMode mode = WriteMode::InPlace) {
  return writeReplaced(file, content, {Replacement{range, text}}, mode);
}

}  // namespace ctrlparam
