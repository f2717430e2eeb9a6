#pragma once
// TekstFil: a Fil read and written line by line.
//
// Lines are read in text mode ("rt"): a line ends at its line feed, which is removed, and the CR
// of a CR LF line end never reaches the text. A line longer than 510 characters is delivered as
// several lines of at most 510 characters; a line of exactly 510 (or a multiple) is not followed
// by an empty one. A NUL in a line ends the text read from it (a text holds none), never the line.
// Line numbers count from 1. Reading opens the file when it is closed; writing
// needs a stream the caller opened (LukkOpp("wt") or LukkOpp("at")).

#include "kx/files/Fil.h"

class DT_Nodeliste;

class KX_API TekstFil : public Fil {
 public:
  // A Fil on name (upper-cased); no line buffer.
  explicit TekstFil(const char* name);
  // Copies the line buffer too; the stream is shared as for Fil.
  TekstFil(const TekstFil& other);
  TekstFil& operator=(const TekstFil& other);
  // A non-empty line buffer is appended to the file (LukkOpp("a"), or the open stream) and the
  // file closed (when no other copy holds the stream); a failure is reported in an error box.
  // Then the buffer is deleted.
  ~TekstFil() override;

  // Identity: -1 and "TekstFil".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // Writes text exactly as it is (no line end is added) to the open stream: 1. 0 for a null
  // text, a closed file or a failed write (nothing written).
  unsigned char LeggTilLinje(const char* text);
  unsigned char LeggTilLinje(const Streng* text);
  // Writes the text of every Streng element of list, from the first, each followed by "\n"
  // (other objects are skipped; the list's cursor ends off the list): 1. 0 for a null list, a
  // closed file or a failed write.
  int LeggTilListe(DT_Nodeliste* list);
  // Reads the next line into line: 1; 0 at the end of the file, on a read error, for a null line
  // or a file that cannot be opened. With a format (and without flag 4) line becomes the format
  // with the text as its one argument, else the text. Flag 8 removes a comment: everything from
  // the first "//". The stream stays open.
  int LesNesteLinje(Streng* line, const char* format, int flags);
  // Appends every remaining line (as LesNesteLinje(new, 0, flags)) to list, which owns them: 1;
  // 0 for a null list or a file that cannot be opened. A stream this call opened is closed again.
  int InitListe(DT_Nodeliste* list, int flags);
  // Line number (from 1), read from the top, as a new Streng the caller deletes; null when the file
  // has fewer lines, for 0, or when it cannot be opened. The stream stays open after that line.
  Streng* GetLinje(unsigned short number);
  // Rewrites the file without line number (a file that does not exist is created empty). The new
  // content is written to a temporary file beside it, which then takes the file's place in one
  // step. 1; 0 when the file is left as it was: the temporary file cannot be created or written,
  // the file exists but cannot be read, or it cannot be replaced (read-only). The stream is
  // closed afterwards.
  unsigned char SlettLinje(unsigned short number);
  // Records size and gives the object a new, empty line buffer (an earlier one is deleted): 1.
  unsigned char SetBufferStorrelse(unsigned short size);
  // The recorded size (0 before SetBufferStorrelse).
  unsigned short GetBufferStorrelse();

 protected:
  // The line buffer: no member adds text to it, a derived class may; what it holds is appended to
  // the file at destruction.
  Streng* buffer_ = nullptr;
  unsigned short bufferSize_ = 0;
};
