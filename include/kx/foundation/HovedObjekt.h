#pragma once
// HovedObjekt: the main object, common base of every library object that holds data or resources.
//
// It counts objects for leak checks, gives every class a type number and a name, and offers the
// short forms by which the classes report errors (ErrorKode, Error1, Error2) and reach the host
// (IOEnhet, GetTekstNr, LesCharStreng).
//
// The error convention of the whole library is fixed here: methods return 1 for success and 0 for
// failure, and a failing method records a reason in the process-wide last error code through
// ErrorKode, which itself returns 0. ErrorKode(-9999) reads the code without changing it.

#include "kx/foundation/KxBaseClass.h"

class IO_Enhet;

class KX_API HovedObjekt : public KxBaseClass {
 public:
  // Raises the created counter and sets class type 100.
  HovedObjekt();
  // Copies count like any other object.
  HovedObjekt(const HovedObjekt& other);
  HovedObjekt& operator=(const HovedObjekt& other) = default;
  // Raises the deleted counter.
  ~HovedObjekt() override;

  // 0 and "HovedObjekt". Every class answers its own name (a static text; do not write into it).
  virtual int KlasseType() const;
  virtual char* KlasseNavn() const;
  // The process-wide debug function mode (KxBaseClass::DebugFuncMode): -1 reads, another value
  // sets it and returns the previous one.
  virtual long DebugMode(long mode = -1);
  // The host's text number `number` in buffer: API(0)->API_GetText(number, buffer). With the
  // built-in host interface this is buffer itself, or an empty text for a null buffer.
  virtual char* GetTekstNr(long number, char* buffer);
  // Shows the object; writes nothing here and returns 1.
  virtual int SkrivUtObj();
  // One line of user input into buffer (512 bytes) through the host interface's API_GetStr;
  // 1 on success.
  virtual int LesCharStreng(char* buffer);

  // Stores code as the last error code and returns 0; ErrorKode(-9999) returns the stored code.
  int ErrorKode(int code);
  // The current host interface when it is an IO_Enhet (the built-in one, or a host's object derived
  // from it), else null. With an object, installs it first and returns the previous one likewise.
  IO_Enhet* IOEnhet(IO_Enhet* api = nullptr);

  // Format (printf rules, cut at 511 characters), show the text in an error box titled "Message"
  // and return 0. The last error code is not changed. The two are the same.
  int Error1(const char* fmt, ...) KX_PRINTF(2, 3);
  int Error2(const char* fmt, ...) KX_PRINTF(2, 3);

  // Shows "\n[Obj Created=..., Obj Deleted=...,  Diff=...]" through Printf.
  void VisObjektTellere();
  // When the two counters differ, shows created, deleted, their difference and userMessage ("No
  // usermessage." for null) under the title "Message" and returns 0 with last error code -1;
  // otherwise returns 1 and shows nothing.
  int VisMsgHvisObjektTellereUlike(const char* userMessage);
  // Sets both counters to 0.
  void NullstillObjektTellere();
};
