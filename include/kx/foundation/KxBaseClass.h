#pragma once
// KxBaseClass: the root of every library object except the host interface objects.
//
// It gives each object a class-type number, a way to talk to the user through the current host
// interface object (Printf, MsgBox, ErrBox) and access to the process-wide last error code.
// Objects never draw on the screen themselves: they format their text and hand it to the host
// interface.

#include "kx/foundation/Export.h"

class KxBasicAPI;

class KX_API KxBaseClass {
 public:
  KxBaseClass();
  KxBaseClass(const KxBaseClass&) = default;  // copies the class type
  KxBaseClass& operator=(const KxBaseClass&) = default;
  virtual ~KxBaseClass();

  // With a type other than -1 stores it; returns the stored type (the new one after a set).
  virtual int ClassType(int type = -1);
  // "KxBaseClass" (a static text; do not write into it).
  virtual char* ClassName();

  // Formats fmt with the arguments (printf rules, cut at 511 characters) and hands the text to the
  // current host interface: API_Printf. Returns what the host interface returns; a null fmt gives
  // 0 with last error code -2 and shows nothing.
  virtual int Printf(char* fmt, ...) KX_PRINTF(2, 3);
  // As Printf, through API_MessageBox(text, title, flags).
  virtual int MsgBox(long flags, char* title, char* fmt, ...) KX_PRINTF(4, 5);
  // As Printf, then the virtual MsgBox(1, title, ...) with the formatted text, which is shown
  // unchanged (not formatted a second time).
  virtual int MsgBox(char* title, char* fmt, ...) KX_PRINTF(3, 4);
  // As Printf, through API_ErrorBox(text, title, 0x100001).
  virtual int ErrBox(char* title, char* fmt, ...) KX_PRINTF(3, 4);

  // The same four for constant texts (literals): each formats the text and hands it to the
  // virtual member above as the single argument of the format "%s", so that a class that
  // redefines the virtual member sees every message. A null format is written as a typed null
  // pointer ((char*)nullptr) or reaches the virtual member through a constant-text call.
  int Printf(const char* fmt, ...) KX_PRINTF(2, 3);
  int MsgBox(long flags, const char* title, const char* fmt, ...) KX_PRINTF(4, 5);
  int MsgBox(const char* title, const char* fmt, ...) KX_PRINTF(3, 4);
  int ErrBox(const char* title, const char* fmt, ...) KX_PRINTF(3, 4);

  // The process-wide last error code: any code but -9999 is stored and 0 returned; -9999 returns
  // the stored code unchanged.
  virtual int ErrCode(int code);

  // The current host interface object. With null: the current one, the built-in IO_Enhet being
  // installed when none is; never null. With an object: installs it and returns the previous one
  // (which may be null). The library never deletes an installed object; one that is destroyed
  // while current removes itself.
  virtual KxBasicAPI* API(KxBasicAPI* api = nullptr);

  // The process-wide system platform value (32 bits): -1 reads; any other value is stored and the
  // previous value returned. The library only keeps it for the host.
  virtual long SystemPlattform(long value = -1);

  // The process-wide debug function mode (32 bits), same rule as SystemPlattform.
  long DebugFuncMode(long mode = -1);

 private:
  int classType_;
};
