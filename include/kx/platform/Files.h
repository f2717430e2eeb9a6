#pragma once
// The file services of the platform: every file the library opens, tests, copies, deletes or
// renames goes through here.
//
// Names are taken as a Windows program writes them and resolved on the file system as Windows
// would find them:
// - '\' and '/' both separate directories;
// - case is ignored: each component is looked up with its exact spelling first, then by a
//   case-insensitive scan of its directory (ASCII letters and the letters of Windows-1252, so
//   "DATA/PROFIL.PRF" and "data\Profil.prf" name the same file). When several entries differ only
//   in case, the exact spelling wins, else the first in byte order;
// - a component that is not found keeps the caller's spelling: a new file is created with the
//   name as given, in the directory found; in a directory that does not exist the call fails.
// A drive prefix ("C:") is not mapped: it is an ordinary first component.
//
// Text mode: a mode without 'b' reads in text mode, where the CR of every CR LF line end is
// dropped and a Ctrl-Z (byte 26) ends the input, as the Windows runtime reads; writing in text
// mode writes the text unchanged (LF line ends). Positions (Tell, Seek) are byte offsets in the
// file also in text mode, and a position told and set again returns to the same character (one on
// the LF of a CR LF is told as the CR's). A regular file opened only for reading in text mode is
// read in blocks and buffered, as fast as in binary mode; one opened for update, or a file that is
// not a regular one, is read a byte at a time.
//
// Read-only: a regular file without any write permission bit is read-only, as a file with the
// read-only attribute is on Windows: it cannot be opened for writing, replaced, copied over or
// deleted, whoever asks (the system administrator included).
//
// Failures return false, null or an error number, and leave errno set.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "kx/foundation/Export.h"

namespace kx::platform {

// The name as the file system spells it (see above); "" for a null or empty name.
KX_API std::string ResolvePath(const char* name);

// Opens name with a runtime mode: "r", "w" or "a", then optionally '+', 'b' (binary) or 't'
// (text, the default). Null for a bad mode, a missing file (reading), a directory, a read-only
// file opened for writing, or any failure of the system.
KX_API std::FILE* OpenFile(const char* name, const char* mode);
// Closes a stream from OpenFile or CreateTempFile. false when what was written could not all
// be stored (the stream is closed all the same).
KX_API bool CloseFile(std::FILE* file);
// The stream position as a byte offset; false on failure.
KX_API bool Tell(std::FILE* file, std::int64_t& position);
// Moves the stream by offset from origin (0 start, 1 current, 2 end); false on failure or for
// another origin.
KX_API bool Seek(std::FILE* file, std::int64_t offset, int origin);

// Modes of CheckAccess, with the runtime's values.
inline constexpr int kAccessExists = 0;
inline constexpr int kAccessWrite = 2;
inline constexpr int kAccessRead = 4;
// 0 when name exists and may be used as mode asks (kAccessWrite fails for a read-only file);
// otherwise the error number (ENOENT when it does not exist, EACCES when permission is denied).
// Directories count as existing.
KX_API int CheckAccess(const char* name, int mode);

// Copies the regular file from to the file to, replacing it. The copy keeps the source's
// permission bits and last write time. It is written beside the target under a temporary name
// and renamed into place, so a failure leaves neither a partial target nor a stray file, and an
// existing target is either replaced whole or left as it was. false when from cannot be read, to
// is read-only or a directory, or the system fails.
KX_API bool CopyOver(const char* from, const char* to);
// Deletes a file; false for a missing, read-only or directory name.
KX_API bool RemoveFile(const char* name);
// Puts the file source in the place of target in one step (target need not exist); target keeps
// its permission bits. false when target is read-only or the system fails (source is then left
// as it was).
KX_API bool ReplaceFile(const char* target, const char* source);

// A file's time stamps, in seconds since 1 January 1970 (UTC), low 32 bits. creation is the
// birth time where the file system records it, otherwise the last status change.
struct FileTimes {
  std::uint32_t lastWrite = 0;
  std::uint32_t lastAccess = 0;
  std::uint32_t creation = 0;
};
// 0 with times filled, or the error number (ENOENT when name does not exist).
KX_API int GetFileTimes(const char* name, FileTimes& times);

// A time stamp as local calendar time.
struct CalendarTime {
  int year = 0;       // full year, e.g. 1998
  int month = 0;      // 1 to 12
  int day = 0;        // 1 to 31
  int hour = 0;       // 0 to 23
  int minute = 0;     // 0 to 59
  int second = 0;     // 0 to 60
  int dayOfWeek = 0;  // 0 Sunday to 6 Saturday
};
// seconds since 1970 in the process's time zone (TZ); false when it cannot be converted.
KX_API bool ToLocalTime(std::uint32_t seconds, CalendarTime& time);

// Creates a new, empty file with a unique name and opens it for writing (text mode). The file is
// made in the directory where besideName lies or would be created, or in the system's temporary
// directory when besideName is null. The name is chosen and the file created in one step, so no
// other program can take the name in between. Returns the stream and its name, or null.
KX_API std::FILE* CreateTempFile(const char* besideName, std::string& name);

// Test seam. A hook, when installed, is asked before each system call that the tests need to see
// fail ("open", "read", "write", "rename", "unlink", "mkstemp"): a non-zero answer is taken as the
// error number and the call fails without being made. Returns the previous hook; an empty one
// removes it.
using SystemCallHook = std::function<int(const char* call)>;
KX_API SystemCallHook SetSystemCallHook(SystemCallHook hook);

}  // namespace kx::platform
