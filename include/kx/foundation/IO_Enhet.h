#pragma once
// IO_Enhet: the built-in host interface.
//
// When the host installs no host interface object of its own, the library uses one IO_Enhet that
// lives from library load to unload. It shows every text in the platform's modal message box
// (kx/platform/MessageBox.h) under the application's title, and can append every message to the
// debug trace file "ORVADEBU.ERR" in the current directory. A host may also derive from it.

#include "kx/foundation/KxBasicAPI.h"

class KX_API IO_Enhet : public KxBasicAPI {
 public:
  // API flags 512, debug mode 0.
  IO_Enhet();
  ~IO_Enhet() override;

  using KxBasicAPI::API_FileDialog;
  using KxBasicAPI::API_Printf;

  // Returns SkrivCharStreng(text).
  int API_Printf(char* text) override;
  // The platform's common file dialog: open (open != 0) or save as, with title, default extension,
  // initial file name and filter list. The filter is written with '|' between the descriptions and
  // patterns ("Text files (*.txt)|*.txt|All files (*.*)|*.*|"); null gives "All files (*.*)" with
  // "*.*". Returns 1 and copies the full path (at most 511 characters, result holds 512 bytes) into
  // a non-null result; 0 when the user cancels, result unchanged. flags and reserved are not used.
  int API_FileDialog(int open, char* result, char* title, char* defaultExt, char* fileName,
                     unsigned long flags, char* filter, void* reserved) override;
  // Returns GetTekstNr(number, buffer).
  char* API_GetText(long number, char* buffer) override;

  // 1 and "IO_Enhet".
  virtual int KlasseType() const;
  virtual char* KlasseNavn() const;
  // Returns buffer, or an empty text for a null buffer; the number is not used.
  virtual char* GetTekstNr(long number, char* buffer);
  // Shows text in the platform message box with an OK button under the application's title (this
  // object's program name, or "kxlib" when none was set) and returns 0 once it is closed.
  virtual int SkrivCharStreng(char* text);
  // With a debug mode above 0 that has the flag 8, appends text to "ORVADEBU.ERR" (as
  // "DEBUG2[text]" when the flag 4 is set too; no line end is added), opening and closing the file
  // for every message. In every case then shows the text like SkrivCharStreng and returns that.
  virtual int SkrivDebugStreng(char* text);
  // Returns API_GetStr(buffer).
  virtual int LesCharStreng(char* buffer);
  // Reading numbers is not provided: each shows "IO_Enhet::LesTall( ... ) is not created yet !"
  // through API_MessageBox (title "Message") and returns its result; the number is not touched.
  virtual int LesTall(double* value);
  virtual int LesTall(float* value);
  virtual int LesTall(long* value);
  virtual int LesTall(int* value);
  // SkrivCharStreng and SkrivDebugStreng for constant texts (literals).
  template <typename C, kx::IfConstChar<C> = 0>
  int SkrivCharStreng(C* text) {
    return SkrivCharStreng(const_cast<char*>(text));
  }
  template <typename C, kx::IfConstChar<C> = 0>
  int SkrivDebugStreng(C* text) {
    return SkrivDebugStreng(const_cast<char*>(text));
  }
  // The object's own debug mode: a value other than -1 is stored; returns the stored value.
  virtual long DebugMode(long mode = -1);

 private:
  long debugMode_ = 0;
};
