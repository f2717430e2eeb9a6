#pragma once
// Fil: a named file on disk with an optional open stream.
//
// It opens and closes the stream, answers questions about the file (exists, usable name, newer
// than another, time stamps as numbers or text), deletes and copies it, and asks the user for a
// name through the host's file dialog. Every file operation goes through the platform's file
// services (kx/platform/Files.h): names ignore case, '\' separates directories, and text mode
// drops the CR of CR LF line ends, on every system.
//
// Names given to the constructor are upper-cased; names set later are stored unchanged.
//
// Navn, Path and NavnUtenExt return their result in static buffers of 128, 152 and 256 bytes
// shared by all Fil objects, valid until the next call of the same member on any Fil; a longer
// result is cut to fit.
//
// Time stamps are seconds since 1 January 1970 (UTC), low 32 bits. As dates and times they are
// shown in local time (the process's time zone).
//
// Copies share the stream: a copy of an open Fil has the same stream. LukkIgjen or Slett on any of
// them closes it for all; the destructor closes it only when no other copy holds it. No stream is
// ever closed twice.

#include <cstdint>
#include <cstdio>
#include <memory>

#include "kx/files/Filnavn.h"
#include "kx/foundation/HovedObjekt.h"

namespace kx::detail {
struct FileStream;
}

class KX_API Fil : public HovedObjekt {
 public:
  // No stream; the file name is name, upper-cased (null: an empty name).
  explicit Fil(const char* name);
  Fil(const Fil& other);
  Fil& operator=(const Fil& other);
  // Closes the stream if it is open and no other copy holds it. A close that cannot store what
  // was written is reported in an error box.
  ~Fil() override;

  // Identity: -1 and "Fil".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // The stream, or null when the file is closed.
  std::FILE* Peker() const;
  // Opens the file in mode ("r" when null; "w", "a", "r+", with 'b' for binary, 't' or nothing
  // for text). 1 when the stream is open afterwards, else 0. An open stream is kept as it is,
  // whatever its mode: 1 at once.
  virtual unsigned char LukkOpp(char* mode = nullptr);
  template <typename C, kx::IfConstChar<C> = 0>
  unsigned char LukkOpp(C* mode) {
    return LukkOpp(const_cast<char*>(mode));
  }
  // Closes an open stream: 1; 0 when nothing was open.
  unsigned char LukkIgjen();
  // The stream position (a byte offset) into *pos: 1; 0 for a null pos, a closed file or a
  // failure.
  int GetPos(std::int64_t* pos);
  // Moves the stream by *offset bytes from origin (0 start, 1 current, 2 end): 1; 0 for a null
  // offset, a closed file, another origin or a failure.
  int SetPos(const long* offset, int origin);

  // Name ---------------------------------------------------------------------------------------

  // With a non-null name the file name becomes name (unchanged). Returns the file name object.
  Filnavn* FilNavn(const char* name = nullptr);
  // Forgets the stream without closing it (close first: a forgotten stream is the caller's, who
  // took it with Peker()). A non-null name becomes the file name: 1 when it is usable
  // (Lovlig_Filnavn), else the name is emptied and 0. Null: the name is emptied, 0.
  unsigned char SetNavn(const char* name);
  // SetNavn(name); with null, SetNavn of a new temporary file: a unique name in the system's
  // temporary directory, where an empty file is created under it to hold the name (delete it
  // with Slett when done).
  unsigned char SetTempNavn(const char* name = nullptr);
  // The full file name.
  char* NavnExt();
  // The text from the first '.' of the full name to its end (pointing into the name), or "".
  char* Ext();
  // The full name up to its last '\', '/' or ':' found after the first character ("C:\DATA" for
  // "C:\DATA\F.TXT", "C" for "C:F.TXT"); "" when there is none. Static buffer (152 bytes).
  char* Path();
  // The name between Path() and Ext() ("F"); "" when nothing is left between them. Static
  // buffer (128 bytes).
  char* Navn();
  // The full name without the text from its last '.' found after the first character. Static
  // buffer (256 bytes).
  char* NavnUtenExt();

  // Existence ----------------------------------------------------------------------------------

  // FilenFinnes(showMessage) of the name (Filnavn): 1 when the file exists.
  unsigned char Finnes(int showMessage);
  // 1 when the file exists, or when it can be created: it is then created (LukkOpp("a")) and
  // deleted again. 0 otherwise (no file is left behind). With the stream open: 1, and the stream
  // stays open.
  unsigned char Lovlig_Filnavn();

  // Changes on disk ----------------------------------------------------------------------------

  // Closes the stream if open, then deletes the file: 1 on success; 0 for a missing, read-only
  // or directory name.
  unsigned char Slett();
  // Copies the file to target, replacing it; what was written to an open stream is flushed
  // first. The copy keeps the last write time. 1 on success; 0 for a null target, a file that
  // cannot be read, a read-only or directory target (the target is then left as it was).
  unsigned char KopierTil(const char* target, int unused = 0);

  // Time stamps --------------------------------------------------------------------------------

  // Whether this file was written later than the file named other: 1. 0 with code -1 other null,
  // -4 this file's time cannot be read, -5 the other's time cannot be read (a missing other file
  // gives 1), -3 equal times, -2 this file older.
  int NyereEnn(const Streng* other);
  // NyereEnn of the other file's full name; 0 with code -1 for a null other.
  int NyereEnn(const Fil* other);
  // The time stamp of kind (0 last write, 1 last access, 2 creation: the birth time where the
  // file system records it, otherwise the last status change) as local time: day 1-31, month
  // 1-12, full year, day of the week (0 Sunday to 6), second, minute, hour (null fields are
  // skipped). 1; 0 with code -101 when the file is not found, -102 for another kind.
  int GetTime(int* day, int* month, int* year, int* dayOfWeek, int* second, int* minute, int* hour,
              int kind);
  // The time stamp of kind as text: format 0 "4/12-1998  09:05:07", 1 "04.12.98  09:05:07",
  // 2 "04.12.98 09:05:07", 3 "09:05:07", 4 "04.12.98" (the year less 1900, so 2005 gives "105").
  // 1; 0 with code -1 when the time cannot be read, -2 for another format.
  int GetTime(Streng& text, int format, int kind);

  // Asking the user ----------------------------------------------------------------------------

  // A save dialog for a new name (title, filter as IO_Enhet::API_FileDialog takes it), proposing
  // the current name without extension and the current extension. A chosen name becomes the file
  // name unchanged: 1; 0 when the user cancels.
  unsigned char LesNyttNavn(const char* title, int unused1, int unused2, const char* filter);
  // The same with an open dialog, for an existing file.
  unsigned char LesEksNavn(const char* title, const char* filter);

 private:
  // One time stamp of fileName: 1; 0 with code -3 time null, -4 fileName null, -1 not found,
  // -2 another kind.
  int GetLongTime(std::uint32_t* time, const char* fileName, int kind);
  unsigned char AskName(int open, const char* title, unsigned long options, const char* filter);

 protected:
  // Closes the stream for every copy; false when nothing was open. A close that cannot store
  // what was written is reported (ReportUnwritten).
  bool CloseStream(const char* operation);
  // Closes the stream when no other copy holds it (as the destructor does); otherwise flushes it.
  void CloseIfLast(const char* operation);
  // Shows "<operation>\nThe file <name> could not be written completely." in an error box; 0.
  int ReportUnwritten(const char* operation);

 private:
  std::shared_ptr<kx::detail::FileStream> stream_;
  Filnavn navn_;
};
