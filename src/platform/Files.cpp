#include "kx/platform/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>
#include <mutex>
#include <new>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kx::platform {
namespace {

// The test seam ------------------------------------------------------------------------------

SystemCallHook& Hook() {
  static auto* hook = new SystemCallHook();  // never destroyed, like the other handlers
  return *hook;
}

// True (with errno set) when the installed hook makes the call fail.
bool Fails(const char* call) {
  const SystemCallHook& hook = Hook();
  if (!hook) return false;
  const int error = hook(call);
  if (error == 0) return false;
  errno = error;
  return true;
}

// Names --------------------------------------------------------------------------------------

bool Exists(const std::string& path, struct stat* st = nullptr) {
  struct stat local;
  return ::stat(path.c_str(), st != nullptr ? st : &local) == 0;
}

// A regular file without any write permission bit: read-only, as the attribute is on Windows.
bool IsReadOnly(const std::string& path) {
  struct stat st;
  return Exists(path, &st) && S_ISREG(st.st_mode) &&
         (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool IsDirectory(const std::string& path) {
  struct stat st;
  return Exists(path, &st) && S_ISDIR(st.st_mode);
}

// Upper case of a Windows-1252 byte: 'a'-'z', the accented letters 224-254 (not the division sign
// 247), and the four letters whose capitals lie in 128-159.
unsigned char Fold(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  switch (c) {
    case 0x9A:
      return 0x8A;
    case 0x9C:
      return 0x8C;
    case 0x9E:
      return 0x8E;
    case 0xFF:
      return 0x9F;
    default:
      return c;
  }
}

bool EqualNoCase(const char* a, const char* b) {
  for (; *a != '\0' && *b != '\0'; ++a, ++b) {
    if (Fold(static_cast<unsigned char>(*a)) != Fold(static_cast<unsigned char>(*b))) return false;
  }
  return *a == *b;
}

// The entry of directory that equals name but for case: the first in byte order; "" for none.
std::string FindNoCase(const std::string& directory, const std::string& name) {
  std::string found;
  DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
  if (dir == nullptr) return found;
  while (const dirent* entry = ::readdir(dir)) {
    if (EqualNoCase(entry->d_name, name.c_str()) && (found.empty() || found > entry->d_name)) {
      found = entry->d_name;
    }
  }
  ::closedir(dir);
  return found;
}

std::string Join(const std::string& directory, const std::string& name) {
  if (directory.empty()) return name;
  return directory.back() == '/' ? directory + name : directory + '/' + name;
}

// The directory part of a resolved path ("" for the current directory).
std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Text mode ----------------------------------------------------------------------------------

#if defined(__GLIBC__)

// Streams that read their file as the Windows runtime reads in text mode: the CR of every CR LF is
// dropped and a Ctrl-Z ends the input. The file itself is open in binary mode underneath.
constexpr char kCtrlZ = 26;
constexpr bool kTextModeHere = true;

// A text-mode file opened only for reading: a regular file, read in blocks.
//
// Positions: the stream counts in "logical" positions, one per character it delivers (a CR that is
// dropped takes none), so the buffered stream's own bookkeeping (what it read ahead, where it is)
// holds. The file is decoded in blocks of kBlock raw bytes, each block starting where the previous
// one ended, and the start of every block decoded so far is kept as a pair of positions (raw,
// logical). The block being read is held decoded, with the places of its dropped CRs, so a
// position inside it maps either way exactly; another block is decoded again from its recorded
// start when a position inside it is asked for. Tell and Seek of the platform use this to give and
// take byte offsets in the file, as the Windows runtime does. A Ctrl-Z is decoded like any other
// byte, so a position after it is as reachable as on Windows; reading stops at it.
class TextReader {
 public:
  explicit TextReader(std::FILE* raw) : raw_(raw), fd_(::fileno(raw)) {}
  TextReader(const TextReader&) = delete;
  TextReader& operator=(const TextReader&) = delete;
  ~TextReader() { std::fclose(raw_); }

  std::FILE* stream = nullptr;  // the text stream that reads through this reader

  // The cookie functions: reading, and positioning in logical positions.
  ssize_t Read(char* out, std::size_t size) {
    if (Fails("read")) return -1;
    if (!Load(logical_)) return -1;
    if (logical_ >= End().logical) return 0;  // at or beyond the end of the file
    const std::size_t at = static_cast<std::size_t>(logical_ - block_.logical);
    std::size_t n = std::min(size, text_.size() - at);
    if (ctrlZ_ >= at && ctrlZ_ - at < n) n = ctrlZ_ - at;  // the text ends at a Ctrl-Z
    // NOLINTNEXTLINE(bugprone-not-null-terminated-result): bytes of the text, not a C string
    std::memcpy(out, &text_[at], n);
    logical_ += static_cast<std::int64_t>(n);
    return static_cast<ssize_t>(n);
  }

  int Seek(off64_t* offset, int origin) {
    std::int64_t base = 0;
    if (origin == SEEK_CUR) {
      base = logical_;
    } else if (origin == SEEK_END) {
      if (!Load(std::numeric_limits<std::int64_t>::max())) return -1;
      base = starts_.back().logical;
    }
    std::int64_t to = 0;
    if (__builtin_add_overflow(base, static_cast<std::int64_t>(*offset), &to) || to < 0) {
      errno = EINVAL;
      return -1;
    }
    logical_ = to;
    *offset = static_cast<off64_t>(to);
    return 0;
  }

  // The size of the file in bytes.
  bool Size(std::int64_t& size) const {
    struct stat st;
    if (::fstat(fd_, &st) != 0) return false;
    size = static_cast<std::int64_t>(st.st_size);
    return true;
  }

  // The byte offset in the file of a logical position, and back. A position on a CR LF maps to
  // the CR: reading from there gives the line feed, as from the logical position.
  bool RawOf(std::int64_t logical, std::int64_t& raw) {
    if (!Load(logical)) return false;
    if (logical >= End().logical) {  // at or beyond the end of the file
      raw = End().raw + (logical - End().logical);
      return true;
    }
    const std::int64_t at = logical - block_.logical;
    const auto dropped = std::lower_bound(drops_.begin(), drops_.end(), at) - drops_.begin();
    raw = block_.raw + at + dropped;
    return true;
  }
  bool LogicalOf(std::int64_t raw, std::int64_t& logical) {
    if (!Load(raw, &Start::raw)) return false;
    if (raw >= End().raw) {
      logical = End().logical + (raw - End().raw);
      return true;
    }
    const std::int64_t at = raw - block_.raw;
    // The CR of drop i lies at drops_[i] + i in the block.
    std::size_t lo = 0, hi = drops_.size();
    while (lo < hi) {
      const std::size_t mid = (lo + hi) / 2;
      if (drops_[mid] + static_cast<std::int64_t>(mid) < at) {
        lo = mid + 1;
      } else {
        hi = mid;
      }
    }
    logical = block_.logical + at - static_cast<std::int64_t>(lo);
    return true;
  }

 private:
  static constexpr std::size_t kBlock = 65536;
  struct Start {
    std::int64_t raw, logical;
  };

  // Where the decoded block ends.
  Start End() const {
    return {block_.raw + static_cast<std::int64_t>(consumed_),
            block_.logical + static_cast<std::int64_t>(text_.size())};
  }

  // Makes the decoded block the one that holds position, a logical position or a byte offset (by
  // field); the empty block at the end when position lies at or beyond the end of the file. false
  // on a read error.
  bool Load(std::int64_t position, std::int64_t Start::*field = &Start::logical) {
    if (loaded_ && position >= block_.*field && (position < End().*field || AtEnd())) return true;
    while (!complete_ && position >= starts_.back().*field) {
      if (!Decode(starts_.size() - 1)) return false;
    }
    return Decode(Find(position, field));
  }
  // Whether the decoded block is the empty one at the end of the file.
  bool AtEnd() const { return complete_ && index_ + 1 == starts_.size(); }

  // The block that holds position (raw or logical, by field): the last start at or before it,
  // which is the empty block at the end for a position at or beyond the end of the file.
  std::size_t Find(std::int64_t position, std::int64_t Start::*field) const {
    std::size_t lo = 0, hi = starts_.size();
    while (hi - lo > 1) {
      const std::size_t mid = (lo + hi) / 2;
      (starts_[mid].*field <= position ? lo : hi) = mid;
    }
    return lo;
  }

  // Decodes block index (its start is known) into text_ and drops_; a block decoded for the first
  // time records where the next one starts, or that the file ends. false on a read error.
  bool Decode(std::size_t index) {
    if (loaded_ && index_ == index) return true;
    loaded_ = false;
    const Start start = starts_[index];
    ssize_t got;
    do {
      got = ::pread(fd_, rawBlock_, kBlock, static_cast<off_t>(start.raw));
    } while (got < 0 && errno == EINTR);
    if (got < 0) return false;
    const std::size_t n = static_cast<std::size_t>(got);
    const bool last = n < kBlock;  // a regular file reads short only at its end
    text_.clear();
    drops_.clear();
    std::size_t i = 0;
    while (i < n) {
      const void* cr = std::memchr(rawBlock_ + i, '\r', n - i);
      const std::size_t stop = cr != nullptr ? static_cast<std::size_t>(
                                                   static_cast<const char*>(cr) - rawBlock_)
                                             : n;
      text_.append(rawBlock_ + i, stop - i);
      i = stop;
      if (i == n) break;
      if (i + 1 == n && !last) break;  // a CR ends the block: the next block starts with it
      if (i + 1 < n && rawBlock_[i + 1] == '\n') {
        drops_.push_back(static_cast<std::int64_t>(text_.size()));
        text_ += '\n';
        i += 2;
      } else {
        text_ += '\r';
        ++i;
      }
    }
    const std::size_t z = text_.find(kCtrlZ);
    ctrlZ_ = z != std::string::npos ? z : text_.size();
    consumed_ = i;
    block_ = start;
    index_ = index;
    loaded_ = true;
    if (index + 1 == starts_.size() && !complete_) {
      if (i == 0) {
        complete_ = true;  // nothing more: this start is the end of the file
      } else {
        starts_.push_back({start.raw + static_cast<std::int64_t>(i),
                           start.logical + static_cast<std::int64_t>(text_.size())});
      }
    }
    return true;
  }

  std::FILE* raw_;
  int fd_;
  std::int64_t logical_ = 0;        // where the next read starts
  std::vector<Start> starts_{{0, 0}};  // the start of each block decoded so far, then the next
  bool complete_ = false;           // the last start is the end of the file
  bool loaded_ = false;             // text_ holds block index_
  std::size_t index_ = 0;
  Start block_{0, 0};
  std::size_t consumed_ = 0;        // raw bytes of the block
  std::size_t ctrlZ_ = 0;           // where the first Ctrl-Z of text_ lies (its size: none)
  std::string text_;                // the block decoded
  std::vector<std::int64_t> drops_;  // where in text_ the line feeds of dropped CRs lie
  char rawBlock_[kBlock] = {};
};
// The text readers by their stream, for Tell and Seek. The library is used from one thread, but a
// host may read two files on two threads: the table is guarded.
struct Readers {
  std::mutex lock;
  std::unordered_map<std::FILE*, TextReader*> byStream;
};
Readers& TheReaders() {
  static auto* readers = new Readers();  // never destroyed: streams may close at exit
  return *readers;
}
TextReader* ReaderOf(std::FILE* file) {
  Readers& readers = TheReaders();
  const std::lock_guard<std::mutex> guard(readers.lock);
  const auto found = readers.byStream.find(file);
  return found != readers.byStream.end() ? found->second : nullptr;
}

ssize_t ReaderRead(void* cookie, char* buffer, std::size_t size) {
  return static_cast<TextReader*>(cookie)->Read(buffer, size);
}
int ReaderSeek(void* cookie, off64_t* offset, int origin) {
  return static_cast<TextReader*>(cookie)->Seek(offset, origin);
}
int ReaderClose(void* cookie) {
  auto* reader = static_cast<TextReader*>(cookie);
  {
    Readers& readers = TheReaders();
    const std::lock_guard<std::mutex> guard(readers.lock);
    readers.byStream.erase(reader->stream);
  }
  delete reader;
  return 0;
}

// Text mode for a stream that also writes (update modes) or a file that is not a regular one (a
// pipe, a device): the stream is unbuffered and the reader takes one byte at a time from the file,
// so the stream's position is always the file's.
ssize_t PassingRead(void* cookie, char* buffer, std::size_t size) {
  auto* raw = static_cast<std::FILE*>(cookie);
  if (Fails("read")) return -1;
  std::size_t n = 0;
  while (n < size) {
    int c = std::getc(raw);
    if (c == EOF) break;
    if (c == kCtrlZ) {
      std::ungetc(c, raw);  // stays the end for every later read
      break;
    }
    if (c == '\r') {
      const int next = std::getc(raw);
      if (next == '\n') {
        c = '\n';
      } else if (next != EOF) {
        std::ungetc(next, raw);
      }
    }
    buffer[n++] = static_cast<char>(c);
  }
  if (n == 0 && std::ferror(raw) != 0) return -1;
  return static_cast<ssize_t>(n);
}

ssize_t PassingWrite(void* cookie, const char* buffer, std::size_t size) {
  auto* raw = static_cast<std::FILE*>(cookie);
  const std::size_t written = std::fwrite(buffer, 1, size, raw);
  return written == 0 && size != 0 ? -1 : static_cast<ssize_t>(written);
}

int PassingSeek(void* cookie, off64_t* offset, int origin) {
  auto* raw = static_cast<std::FILE*>(cookie);
  if (::fseeko(raw, static_cast<off_t>(*offset), origin) != 0) return -1;
  *offset = ::ftello(raw);
  return *offset < 0 ? -1 : 0;
}

int PassingClose(void* cookie) {
  return std::fclose(static_cast<std::FILE*>(cookie)) == 0 ? 0 : EOF;
}

// The text-mode stream over raw, a file open in binary mode (closed on failure). A read-only
// regular file gets the block reader, anything else the passing reader.
std::FILE* TextStream(std::FILE* raw, const char* mode, bool readOnly, bool regular) {
  std::FILE* text = nullptr;
  if (readOnly && regular) {
    auto* reader = new (std::nothrow) TextReader(raw);
    if (reader == nullptr) {
      std::fclose(raw);
      errno = ENOMEM;
      return nullptr;
    }
    cookie_io_functions_t io{ReaderRead, nullptr, ReaderSeek, ReaderClose};
    text = ::fopencookie(reader, mode, io);
    if (text == nullptr) {
      const int error = errno;
      delete reader;  // closes raw
      errno = error;
      return nullptr;
    }
    // Small, since every seek (also a step back within what was read) reads the stream's buffer
    // again from the decoded block; large enough that reading costs few calls.
    std::setvbuf(text, nullptr, _IOFBF, 512);
    reader->stream = text;
    Readers& readers = TheReaders();
    const std::lock_guard<std::mutex> guard(readers.lock);
    readers.byStream[text] = reader;
    return text;
  }
  cookie_io_functions_t io{PassingRead, PassingWrite, PassingSeek, PassingClose};
  text = ::fopencookie(raw, mode, io);
  if (text == nullptr) {
    const int error = errno;
    std::fclose(raw);
    errno = error;
    return nullptr;
  }
  std::setvbuf(text, nullptr, _IONBF, 0);
  return text;
}

#else

constexpr bool kTextModeHere = false;
std::FILE* TextStream(std::FILE* raw, const char*, bool, bool) { return raw; }

#endif

// A runtime mode taken apart: 'r', 'w' or 'a', '+', and binary or text.
struct Mode {
  char kind = 0;
  bool update = false;
  bool binary = false;
};

bool ParseMode(const char* text, Mode& mode) {
  if (text == nullptr || (text[0] != 'r' && text[0] != 'w' && text[0] != 'a')) return false;
  mode.kind = text[0];
  for (const char* c = text + 1; *c != '\0'; ++c) {
    if (*c == '+') {
      mode.update = true;
    } else if (*c == 'b') {
      mode.binary = true;
    } else if (*c != 't') {
      return false;
    }
  }
  return true;
}

// Copying ------------------------------------------------------------------------------------

// Writes all of buffer to fd; false on failure.
bool WriteAll(int fd, const char* buffer, std::size_t size) {
  while (size > 0) {
    if (Fails("write")) return false;
    const ssize_t n = ::write(fd, buffer, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    buffer += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Copies the open file in to the open file out; false on failure.
bool CopyContent(int in, int out) {
  char buffer[65536];
  for (;;) {
    if (Fails("read")) return false;
    const ssize_t n = ::read(in, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    if (!WriteAll(out, buffer, static_cast<std::size_t>(n))) return false;
  }
}

// A new file with a unique name in directory ("" for the current one): its descriptor (-1 on
// failure) and name.
int MakeTemp(const std::string& directory, std::string& name) {
  std::string pattern = Join(directory, "kx-XXXXXX");
  if (Fails("mkstemp")) return -1;
  const int fd = ::mkstemp(&pattern[0]);
  if (fd >= 0) {
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    name = pattern;
  }
  return fd;
}

std::string SystemTempDirectory() {
  const char* dir = std::getenv("TMPDIR");
  return dir != nullptr && *dir != '\0' ? dir : "/tmp";
}

// Removes a file of our own making, keeping errno as the failure that led here left it.
void Discard(const std::string& name) {
  const int error = errno;
  ::unlink(name.c_str());
  errno = error;
}

// The permission bits a new file gets: 0666 less the process's file creation mask.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string ResolvePath(const char* name) {
  if (name == nullptr) return "";
  std::string path = name;
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  if (path.empty() || Exists(path)) return path;

  // Component by component: the exact spelling, else a case-insensitive scan of the directory;
  // a component not found ends the walk and the rest keeps the caller's spelling.
  std::string resolved = path[0] == '/' ? "/" : "";
  std::size_t pos = 0;
  while (pos < path.size()) {
    std::size_t end = path.find('/', pos);
    if (end == std::string::npos) end = path.size();
    const std::string component = path.substr(pos, end - pos);
    pos = end + 1;
    if (component.empty() || component == ".") continue;
    const std::string exact = Join(resolved, component);
    if (component == ".." || Exists(exact)) {
      resolved = exact;
      continue;
    }
    const std::string found = FindNoCase(resolved, component);
    if (found.empty()) {
      return pos < path.size() ? exact + '/' + path.substr(pos) : exact;
    }
    resolved = Join(resolved, found);
  }
  return resolved.empty() ? path : resolved;
}

std::FILE* OpenFile(const char* name, const char* mode) {
  Mode m;
  if (!ParseMode(mode, m)) {
    errno = EINVAL;
    return nullptr;
  }
  const std::string path = ResolvePath(name);
  if (path.empty()) {
    errno = ENOENT;
    return nullptr;
  }
  if ((m.kind != 'r' || m.update) && IsReadOnly(path)) {
    errno = EACCES;
    return nullptr;
  }
  if (Fails("open")) return nullptr;
  // With glibc the file is opened in binary mode and TextReader reads it in text mode; elsewhere
  // the runtime's own text mode serves (Windows), or text is read as it stands.
  std::string system(1, m.kind);
  if (m.update) system += '+';
  if (m.binary || kTextModeHere) system += 'b';
  std::FILE* file = std::fopen(path.c_str(), system.c_str());
  if (file == nullptr) return nullptr;
  struct stat st;
  if (::fstat(::fileno(file), &st) != 0 || S_ISDIR(st.st_mode)) {
    std::fclose(file);
    errno = EISDIR;
    return nullptr;
  }
  if (!m.binary && (m.kind == 'r' || m.update)) {
    return TextStream(file, system.c_str(), !m.update, S_ISREG(st.st_mode));
  }
  return file;
}

bool CloseFile(std::FILE* file) { return file != nullptr && std::fclose(file) == 0; }

bool Tell(std::FILE* file, std::int64_t& position) {
  if (file == nullptr) return false;
  const off_t at = ::ftello(file);
  if (at < 0) return false;
#if defined(__GLIBC__)
  if (TextReader* reader = ReaderOf(file)) return reader->RawOf(at, position);
#endif
  position = static_cast<std::int64_t>(at);
  return true;
}

bool Seek(std::FILE* file, std::int64_t offset, int origin) {
  static const int kOrigins[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  if (file == nullptr || origin < 0 || origin > 2) return false;
#if defined(__GLIBC__)
  if (TextReader* reader = ReaderOf(file)) {
    // The byte offset is taken to the stream's own position through the reader's map.
    std::int64_t base = 0;
    if (origin == 1 && !Tell(file, base)) return false;
    if (origin == 2 && !reader->Size(base)) return false;
    std::int64_t raw = 0, logical = 0;
    if (__builtin_add_overflow(base, offset, &raw) || raw < 0) {
      errno = EINVAL;
      return false;
    }
    return reader->LogicalOf(raw, logical) && ::fseeko(file, logical, SEEK_SET) == 0;
  }
#endif
  return ::fseeko(file, static_cast<off_t>(offset), kOrigins[origin]) == 0;
}

int CheckAccess(const char* name, int mode) {
  const std::string path = ResolvePath(name);
  if (path.empty()) return ENOENT;
  if (::access(path.c_str(), mode) != 0) return errno;
  if ((mode & kAccessWrite) != 0 && IsReadOnly(path)) return EACCES;
  return 0;
}

bool CopyOver(const char* from, const char* to) {
  const std::string source = ResolvePath(from), target = ResolvePath(to);
  if (source.empty() || target.empty()) {
    errno = ENOENT;
    return false;
  }
  if (IsReadOnly(target) || IsDirectory(target)) {
    errno = EACCES;
    return false;
  }
  if (Fails("open")) return false;
  const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  struct stat st;
  if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(in);
    errno = EACCES;
    return false;
  }
  std::string temp;
  const int out = MakeTemp(DirectoryOf(target), temp);
  bool ok = out >= 0 && CopyContent(in, out);
  ::close(in);
  if (out < 0) return false;
  // The copy keeps the source's permission bits and last write time, as the Windows copy does.
  const timespec times[2] = {{0, UTIME_NOW}, st.st_mtim};
  ok = ok && ::fchmod(out, st.st_mode & 07777) == 0 && ::futimens(out, times) == 0;
  ok = ::close(out) == 0 && ok;
  ok = ok && !Fails("rename") && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) Discard(temp);
  return ok;
}

bool RemoveFile(const char* name) {
  const std::string path = ResolvePath(name);
  if (path.empty()) {
    errno = ENOENT;
    return false;
  }
  if (IsReadOnly(path) || IsDirectory(path)) {
    errno = EACCES;
    return false;
  }
  return !Fails("unlink") && ::unlink(path.c_str()) == 0;
}

bool ReplaceFile(const char* target, const char* source) {
  const std::string to = ResolvePath(target), from = ResolvePath(source);
  if (to.empty() || from.empty()) {
    errno = ENOENT;
    return false;
  }
  struct stat st;
  const bool existed = Exists(to, &st);
  if (existed && (IsReadOnly(to) || S_ISDIR(st.st_mode))) {
    errno = EACCES;
    return false;
  }
  if (::chmod(from.c_str(), existed ? (st.st_mode & 07777) : NewFileMode()) != 0) return false;
  return !Fails("rename") && ::rename(from.c_str(), to.c_str()) == 0;
}

int GetFileTimes(const char* name, FileTimes& times) {
  const std::string path = ResolvePath(name);
  if (path.empty()) return ENOENT;
  const auto low32 = [](auto seconds) {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(seconds));
  };
#if defined(STATX_BTIME)
  struct statx sx;
  if (::statx(AT_FDCWD, path.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &sx) == 0) {
    times.lastWrite = low32(sx.stx_mtime.tv_sec);
    times.lastAccess = low32(sx.stx_atime.tv_sec);
    times.creation =
        low32((sx.stx_mask & STATX_BTIME) != 0 ? sx.stx_btime.tv_sec : sx.stx_ctime.tv_sec);
    return 0;
  }
  if (errno != ENOSYS) return errno;
#endif
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return errno;
  times.lastWrite = low32(st.st_mtime);
  times.lastAccess = low32(st.st_atime);
  times.creation = low32(st.st_ctime);
  return 0;
}

bool ToLocalTime(std::uint32_t seconds, CalendarTime& time) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm tm;
  ::tzset();  // the time zone as it is now: localtime_r alone may keep an earlier one
  if (::localtime_r(&t, &tm) == nullptr) return false;
  time.year = tm.tm_year + 1900;
  time.month = tm.tm_mon + 1;
  time.day = tm.tm_mday;
  time.hour = tm.tm_hour;
  time.minute = tm.tm_min;
  time.second = tm.tm_sec;
  time.dayOfWeek = tm.tm_wday;
  return true;
}

std::FILE* CreateTempFile(const char* besideName, std::string& name) {
  std::string directory = SystemTempDirectory();
  if (besideName != nullptr) {
    const std::string beside = ResolvePath(besideName);
    if (beside.empty()) {
      errno = ENOENT;
      return nullptr;
    }
    directory = DirectoryOf(beside);
  }
  std::string made;
  const int fd = MakeTemp(directory, made);
  if (fd < 0) return nullptr;
  std::FILE* file = ::fdopen(fd, "w");
  if (file == nullptr) {
    ::close(fd);
    Discard(made);
    return nullptr;
  }
  name = made;
  return file;
}

SystemCallHook SetSystemCallHook(SystemCallHook hook) {
  return std::exchange(Hook(), std::move(hook));
}

}  // namespace kx::platform
