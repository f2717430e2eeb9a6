#pragma once
// KxConfigString: named settings kept in one text, "@NAME=value@NAME2=value2".
//
// Each variable is '@', its name, then optionally '=' and its value; the value runs to the next '@'
// or to the end of the text, so it cannot hold '@' as such. In a stored value a backslash and the
// three characters after it stand for one character: the three are read as a decimal number, its
// code ("\064" is '@', "\092" a backslash). Values are stored as they are given (nothing is
// encoded) and decoded when read, from left to right, each backslash of the stored value once (a
// decoded backslash stays a backslash). A backslash with fewer than three characters after it, or
// whose three characters do not read (as atoi reads them) as a code from 1 to 255, stays as it
// stands with the characters after it: a NUL would end the text, and nothing is read past its end.
//
// Names are compared case-sensitively, and a variable is found by the first occurrence of '@'
// and the name anywhere in the text: a name that is the start of an earlier, longer name finds
// that one ("A" on "@AB=1@A=2" reads "B=1"). Give variables names of which none starts another.
//
// Failures set the last error code and give 0; nothing is shown. Class identity stays that of
// Streng (-1, "Streng").

#include "kx/text/Streng.h"

class DT_Double;
class DT_Int;

class KX_API KxConfigString : public Streng {
 public:
  // An empty text.
  KxConfigString();
  KxConfigString(const KxConfigString& other) = default;
  KxConfigString& operator=(const KxConfigString& other) = default;
  // The text becomes s literally (null: empty), as Streng's assignment does.
  using Streng::operator=;
  ~KxConfigString() override;

  // The variable name, as text. mode 0 reads: value becomes the stored value, decoded; 1, or 0
  // with code -3 when there is no such variable. mode 2 deletes the variable (from its '@' to the
  // end of its value); 1. Any other mode writes: an existing variable gets value as given in place
  // of its old value (when it had no '=', the value follows the name directly) and value then
  // holds the new value, decoded; an empty value leaves the variable (and value) as they are; 1.
  // A variable that is not there is appended, in every mode but 0 (so also by a delete), as
  // "@name=value", or "@name" for an empty value, and value is left as given; 1. Null name: 0 with
  // code -1; null value: 0 with code -2.
  int Variable(const char* name, Streng* value, int mode);
  // A flag: a variable without value. mode 0: 1 when it is present, else 0 with code -3. mode 1:
  // "@name" is appended when it is missing (an existing variable keeps its value); 1. mode 2:
  // deletes it (one that is missing is appended, as above); 1. Null name: 0 with code -21.
  int Variable(const char* name, int mode);
  // A number. Writing (any mode but 0) stores the value with four decimals ("%.4f": 2.5 is stored
  // "2.5000"); reading parses the stored value as DT_Double::Init(char*) does (text that is no
  // number gives 0.0). 1; 0 with code -21 for a null value and with the text form's code when it
  // fails.
  int Variable(const char* name, DT_Double* value, int mode);
  // The same for an integer, written as "%d" and read as DT_Int::Init(char*) does (atoi).
  int Variable(const char* name, DT_Int* value, int mode);
};
