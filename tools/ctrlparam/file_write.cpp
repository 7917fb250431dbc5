#include "tools/ctrlparam/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

#include <QtGlobal>
#include <boost/locale/utf.hpp>

#include "tools/ctrlparam/file_names.h"

namespace ctrlparam {

char const kChangedSinceRead[] = QT_TRANSLATE_NOOP("ctrlparam", "%1 has changed since it was read");
char const kAlreadyExists[] = QT_TRANSLATE_NOOP("ctrlparam", "%1 already exists");

namespace {

char const kCannotRead[] = QT_TRANSLATE_NOOP("ctrlparam", "cannot read %1: %2");
char const kCannotWrite[] = QT_TRANSLATE_NOOP("ctrlparam", "cannot write %1: %2");
char const kGone[] = QT_TRANSLATE_NOOP("ctrlparam", "%1 no longer exists");
char const kReadOnly[] = QT_TRANSLATE_NOOP("ctrlparam", "%1 is read-only");
char const kFolderReadOnly[] = QT_TRANSLATE_NOOP("ctrlparam", "the folder of %1 cannot be written");
char const kNotRegular[] = QT_TRANSLATE_NOOP("ctrlparam", "%1 is no regular file");
char const kUtf16[] = QT_TRANSLATE_NOOP("ctrlparam", "%1 is UTF-16; only UTF-8 files are written");
char const kHardLinks[] =
    QT_TRANSLATE_NOOP("ctrlparam", "%1 has several names (hard links); an atomic replace would split them");
char const kOwner[] = QT_TRANSLATE_NOOP("ctrlparam", "cannot keep the owner and group of %1: %2");

std::string systemReason() {
  return std::strerror(errno);
}

// A file descriptor closed when it goes out of scope.
struct Descriptor {
  explicit Descriptor(int fd) : fd(fd) {}
  Descriptor(Descriptor const&) = delete;
  Descriptor& operator=(Descriptor const&) = delete;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  int fd;
};

std::string folderOf(std::string const& path) {
  std::size_t const slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Writable by the user, and with a write bit for its owner: root may write anything, but a file or folder
// that its owner made read-only is not for changing.
bool writable(std::string const& path, struct stat const& status) {
  return (status.st_mode & S_IWUSR) && ::access(path.c_str(), W_OK) == 0;
}

// The path whose file is replaced: the final target of a symbolic link (the link itself stays), else the
// name as given.
std::string targetOf(std::string const& file, WriteMode mode) {
  struct stat status;
  if (::lstat(file.c_str(), &status) != 0) {
    if (errno != ENOENT) throw WriteError(kCannotWrite, file, systemReason());
    if (mode == WriteMode::InPlace) throw WriteError(kGone, file);
    return file;
  }
  if (mode == WriteMode::NewFile) throw WriteError(kAlreadyExists, file);
  if (!S_ISLNK(status.st_mode)) return file;
  std::unique_ptr<char, decltype(&std::free)> const real(::realpath(file.c_str(), nullptr), &std::free);
  if (!real) {
    if (errno == ENOENT && mode == WriteMode::InPlace) throw WriteError(kGone, file);
    throw WriteError(kCannotWrite, file, systemReason());
  }
  return real.get();
}

// The target's status when it exists, after the refusals that depend on it and on its folder.
std::optional<struct stat> checkTarget(std::string const& target, std::string const& file, WriteMode mode) {
  std::optional<struct stat> existing;
  struct stat status;
  if (::stat(target.c_str(), &status) == 0) {
    if (!S_ISREG(status.st_mode)) throw WriteError(kNotRegular, file);
    if (status.st_nlink > 1) throw WriteError(kHardLinks, file);
    if (!writable(target, status)) throw WriteError(kReadOnly, file);
    existing = status;
  } else if (errno != ENOENT) {
    throw WriteError(kCannotWrite, file, systemReason());
  } else if (mode == WriteMode::InPlace) {
    throw WriteError(kGone, file);
  }
  std::string const folder = folderOf(target);
  if (::stat(folder.c_str(), &status) != 0) throw WriteError(kCannotWrite, file, systemReason());
  if (!writable(folder, status) || ::access(folder.c_str(), X_OK) != 0)
    throw WriteError(kFolderReadOnly, file);
  return existing;
}

std::string readAll(std::string const& path, std::string const& file) {
  Descriptor const in(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  QByteArray bytes;
  if (in.fd < 0 || !readAllFrom(in.fd, bytes)) throw WriteError(kCannotRead, file, systemReason());
  return bytes.toStdString();
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t const count = ::write(fd, bytes.data(), bytes.size());
    if (count < 0 && errno != EINTR) return false;
    if (count > 0) bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

// The mode a new file gets: what the user's file-creation mask leaves of rw-rw-rw-. The mask can only be
// read by setting it, so it is set back at once.
mode_t newFileMode() {
  mode_t const mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Replaces `target` by a new file in its folder holding `bytes`, with the old file's mode, owner and group
// (when there was one): written and synced completely before it takes the target's name, so that a crash or
// a full disk never leaves half a file.
void replaceAtomically(std::string const& target, std::string const& file, std::string_view bytes,
                       std::optional<struct stat> const& old) {
  std::string const folder = folderOf(target);
  std::string temporary = folder + "/.ctrlparam-XXXXXX";
  Descriptor out(::mkostemp(temporary.data(), O_CLOEXEC));
  if (out.fd < 0) throw WriteError(kCannotWrite, file, systemReason());
  auto fail = [&](char const* form) {
    WriteError error(form, file, systemReason());
    ::unlink(temporary.c_str());
    throw error;
  };
  struct stat status;
  if (old && ::fstat(out.fd, &status) == 0 &&
      (status.st_uid != old->st_uid || status.st_gid != old->st_gid) &&
      ::fchown(out.fd, old->st_uid, old->st_gid) != 0)
    fail(kOwner);
  if (::fchmod(out.fd, old ? old->st_mode & 07777 : newFileMode()) != 0 || !writeAll(out.fd, bytes) ||
      ::fsync(out.fd) != 0)
    fail(kCannotWrite);
  int const fd = out.fd;
  out.fd = -1;
  if (::close(fd) != 0 || ::rename(temporary.c_str(), target.c_str()) != 0) fail(kCannotWrite);
  // The new name lasts through a crash once the folder is synced; the file is complete either way.
  Descriptor const directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.fd >= 0) ::fsync(directory.fd);
}

std::string filled(char const* form, std::string const& name, std::string const& reason) {
  std::string message = form;
  for (auto const& [marker, value] : {std::pair{"%1", &name}, std::pair{"%2", &reason}})
    if (std::size_t const at = message.find(marker); at != std::string::npos) message.replace(at, 2, *value);
  return message;
}

}  // namespace

WriteError::WriteError(char const* form, std::string_view file, std::string const& reason)
    : std::runtime_error(filled(form, readableName(file), reason)),
      form(form),
      name(readableName(file)),
      reason(reason) {}

std::string readableName(std::string_view name) {
  using Utf8 = boost::locale::utf::utf_traits<char>;
  std::string readable;
  for (char const* p = name.data(); p != name.data() + name.size();) {
    char const* const start = p;
    auto const code = Utf8::decode(p, name.data() + name.size());
    if (code == boost::locale::utf::illegal || code == boost::locale::utf::incomplete || code < 0x20 ||
        code == 0x7f) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(*start));
      readable += escaped;
      p = start + 1;
    } else {
      readable.append(start, p);
    }
  }
  return readable;
}

std::string writeReplaced(std::string const& file, std::string_view content,
                          std::vector<Replacement> const& replacements, WriteMode mode) {
  std::size_t kept = 0;  // the end of the last range
  for (Replacement const& replacement : replacements) {
    if (replacement.range.begin < kept || replacement.range.begin > replacement.range.end ||
        replacement.range.end > content.size())
      throw std::out_of_range("writeReplaced: a range lies outside the content or before another");
    kept = replacement.range.end;
  }
  if (isUtf16(content)) throw WriteError(kUtf16, file);
  std::string const target = targetOf(file, mode);
  std::optional<struct stat> const old = checkTarget(target, file, mode);
  if (mode == WriteMode::InPlace && readAll(target, file) != content)
    throw WriteError(kChangedSinceRead, file);
  std::string bytes;
  kept = 0;
  for (Replacement const& replacement : replacements) {
    bytes.append(content.substr(kept, replacement.range.begin - kept)).append(replacement.text);
    kept = replacement.range.end;
  }
  bytes.append(content.substr(kept));
  replaceAtomically(target, file, bytes, old);
  return bytes;
}

}  // namespace ctrlparam
