#pragma once
// KxBasicAPI: the host interface object.
//
// Every text the library shows, every line it reads from the user and every numbered text it asks
// for passes through the current host interface object. This plain implementation writes to
// standard output and reads from standard input; a host derives from it (or from IO_Enhet) to send
// the texts to its own window or command line, and installs its object with KxBaseClass::API or
// DOVERO01_SetSystemLong(2, ...).

#include "kx/foundation/Export.h"

class KX_API KxBasicAPI {
 public:
  explicit KxBasicAPI(unsigned long flags = 0);
  // Copies duplicate the four strings; a copy is never the current host interface.
  KxBasicAPI(const KxBasicAPI& other);
  KxBasicAPI& operator=(const KxBasicAPI& other);
  // Releases the strings; an object destroyed while current stops being current, so that the next
  // API() query installs the built-in one again.
  virtual ~KxBasicAPI();

  // Calls API_Printf(text) and returns 1. title and flags are the host's; not used here.
  virtual int API_MessageBox(char* text, char* title, long flags);
  // Calls API_Printf(text) and returns 0.
  virtual int API_ErrorBox(char* text, char* title, long flags);
  // Writes text to standard output unchanged; returns the number of characters, or -100 for a
  // null text.
  virtual int API_Printf(char* text);
  // Reads one line from standard input into buffer, without the line end; returns 1, or 0 at the
  // end of input, on a read error or for a null buffer. The line is cut at 511 characters (buffer
  // holds 512 bytes); the rest of a longer line is skipped.
  virtual int API_GetStr(char* buffer);
  // The file dialog; the plain interface has none: 0.
  virtual int API_FileDialog(int open, char* result, char* title, char* defaultExt, char* fileName,
                             unsigned long flags, char* filter, void* reserved);
  // The host's numbered texts: returns buffer unchanged (the plain interface has none).
  virtual char* API_GetText(long number, char* buffer);
  // Picking a point is not available here: tells the user so and returns 0; point unchanged.
  virtual int API_PickPoint(double* point, char* prompt, double* basePoint, unsigned long flags);
  // Not available here: a trace text, 0; point unchanged.
  virtual int API_TranslatePoint(double* point, int from, int to);

  // The same members for constant texts (literals); each hands its texts to the virtual member
  // above, which never writes through them.
  int API_MessageBox(const char* text, const char* title, long flags);
  int API_ErrorBox(const char* text, const char* title, long flags);
  template <typename C, kx::IfConstChar<C> = 0>
  int API_Printf(C* text) {
    return API_Printf(const_cast<char*>(text));
  }
  int API_FileDialog(int open, char* result, const char* title, const char* defaultExt,
                     const char* fileName, unsigned long flags, const char* filter,
                     void* reserved);
  int API_PickPoint(double* point, const char* prompt, double* basePoint, unsigned long flags);

  // The flags given at construction (the built-in object carries 512). -1 reads; any other value
  // is stored and the previous flags returned. The library never interprets them.
  unsigned long API_Flags(unsigned long flags = static_cast<unsigned long>(-1));

  // Free texts the host supplies for display. With a non-null s the object keeps a fresh copy;
  // every call returns the current copy, or null when never set.
  char* API_ProgramFileName(const char* s = nullptr);
  char* API_ProgramVersion(const char* s = nullptr);
  char* API_ProgramFileTime(const char* s = nullptr);
  char* API_ProgramName(const char* s = nullptr);

 private:
  void ReleaseStrings();
  void CopyStrings(const KxBasicAPI& other);

  char* programFileName_ = nullptr;
  char* programVersion_ = nullptr;
  char* programFileTime_ = nullptr;
  char* programName_ = nullptr;
  unsigned long flags_;
};
