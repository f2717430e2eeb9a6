#pragma once
// Streng: the library's text value.
//
// An 8-bit, NUL-terminated, growable text (bytes of the Windows ANSI code page, Windows-1252) with
// the object behaviour of DataType: class identity, the last error code, messages to the host.
// Positions are 0-based byte indexes. Operations that can fail return 0 and record a reason in the
// last error code (read it with ErrorKode(-9999)); a few return a negative number directly, as
// stated at the member.
//
// The sentinel 9999 stands for the start as a start position of Kopi and SlettFraTil, and for the
// end as an end position. It is an ordinary index, so as an end it reaches the end only of texts
// shorter than 10000 characters.
//
// The hook: the operations marked "(hook)" call the virtual UtforEtterInit() once after changing
// the text, so that a derived class can keep derived state in step with it. No other operation
// calls it; in particular the plain string operations at the end of the class (GetLength, Find,
// Replace, Trim, operator=, ...) never do.
//
// Strings handed out as char* point into the object and stay valid until its text next changes.
// Texts built from a format (the constructor, Init) are cut at 511 characters.

#include <cstddef>
#include <string>
#include <type_traits>

#include "kx/foundation/DataType.h"

class KX_API Streng : public DataType {
 public:
  // Construction -------------------------------------------------------------------------------
  //
  // A literal 0 (or NULL) converts equally well to `const Streng*` and to `const char*`, so
  // Streng(0) would be ambiguous between "copy of no source" and "no format". Both mean an empty
  // text, and two extra constructors resolve the call: one for nullptr and one for integers. An
  // integer is taken as a null source (the literal 0 or NULL of older code); the compiler cannot
  // tell a literal 0 from another number, so any other number also gives an empty text, but sets
  // the last error code -1 to flag the mistake. A character ('a') or a bool is not accepted.

  // Empty text.
  Streng();
  // Empty text, or a copy of src's text (the class type stays that of a new Streng).
  Streng(const Streng* src);  // NOLINT: implicit like the other sources
  // Empty text.
  Streng(std::nullptr_t);  // NOLINT
  // Empty text (see above); a number other than 0 also sets the last error code -1.
  template <typename Int, std::enable_if_t<std::is_integral_v<Int> && !std::is_same_v<Int, bool> &&
                                               !std::is_same_v<Int, char>,
                                           int> = 0>
  explicit Streng(Int zero) : Streng() {
    if (zero != 0) ErrorKode(-1);
  }
  // fmt formatted with the arguments by the printf rules (cut at 511 characters) becomes the text;
  // a literal percent sign is written "%%". A null fmt gives an empty text. (The hook runs as
  // Streng's own: a derived object is not built yet.)
  Streng(const char* fmt, ...) KX_PRINTF(2, 3);  // NOLINT
  // Copy construction and assignment copy the class type and the text; the copies are
  // independent. Neither runs the hook.
  Streng(const Streng& other);
  Streng& operator=(const Streng& other);
  ~Streng() override;

  // Identity: -1 and "Streng".
  int KlasseType() const override;
  char* KlasseNavn() const override;
  // Shows the text unchanged through Printf; 1.
  int SkrivUtObj() override;

  // Access -------------------------------------------------------------------------------------

  // Number of characters.
  int Lengde() const;
  // The object's own NUL-terminated text, writable in place (Lengde()+1 bytes). Valid until the
  // text next changes. After writing a NUL into it, call ReleaseBuffer() to take the new length.
  char* Get();
  const char* Get() const;
  // Get() for 0 and for a negative i (taken as 0); the tail from position i when i < Lengde();
  // a static empty string when i >= Lengde().
  char* GetFra(int i);
  // The character at i for 0 <= i < Lengde(); the first one for i below -1; the last one for
  // i == -1 or i >= Lengde(); NUL for an empty text.
  char Get(int i) const;
  // The marked letter of a menu label: the character after the first '~' that is followed by
  // something other than a space (NUL when that '~' ends the text); a character with a code from
  // 97 to 127 is lowered by 32, so 'a' to 'z' become 'A' to 'Z' (and '{' to DEL change too); a
  // space when there is none.
  char GetForsteUth() const;
  // Number of characters other than c.
  int LengdeUten(char c) const;
  // 1 plus the number of line feeds (an empty text has 1 line).
  int AntallLinjer() const;
  // Length of the longest line (line feeds separate lines and are not counted; a carriage return
  // counts as a character).
  int LengsteLinje() const;
  // Position of the nth occurrence (from 1) of s; each search starts one character after the
  // previous hit, so overlapping occurrences count. -1 when there are fewer than nth (an empty s
  // is never found), -2 when nth < 1, -3 when s is null. The last error code is not touched.
  int HvorEr(const char* s, int nth) const;

  // Comparison ---------------------------------------------------------------------------------

  // Exact comparison. n < 1: the whole text against s. n >= 1: the n characters from start
  // (negative start counts as 0) against the whole of s. 1 when equal; otherwise 0 with the last
  // error code: -1 s null, -2 start >= Lengde(), 1 fewer than n characters from start, 3 different.
  virtual int Lik(char* s, int n, int start);
  // As Lik, ignoring the case of 'a' to 'z' (the "C" locale rule; other letters must match
  // exactly). A null s is the empty text. The object is not changed.
  virtual int CaseLik(char* s, int n, int start);
  // Prompts and reads a new text through the host interface: shows prompt (unchanged), then
  // " <old text>" when showOld is non-zero, then " : ", each through Printf (nothing is shown for
  // a null prompt); reads one line (at most 511 characters). Reading fails: the old text stays, 0.
  // An empty line with showOld non-zero keeps the old text, 1. Otherwise the line becomes the text
  // (hook), 1.
  virtual int Les(char* prompt, int showOld);

  // Lik, CaseLik and Les for constant texts (literals): the virtual members above.
  template <typename C, kx::IfConstChar<C> = 0>
  int Lik(C* s, int n, int start) {
    return Lik(const_cast<char*>(s), n, start);
  }
  template <typename C, kx::IfConstChar<C> = 0>
  int CaseLik(C* s, int n, int start) {
    return CaseLik(const_cast<char*>(s), n, start);
  }
  template <typename C, kx::IfConstChar<C> = 0>
  int Les(C* prompt, int showOld) {
    return Les(const_cast<char*>(prompt), showOld);
  }

  // Copying out --------------------------------------------------------------------------------

  // dst's text becomes the n characters from start (negative start counts as 0; n is cut at the
  // end). 1; 0 with code -1 dst null, 1 n < 1, 2 start >= Lengde(). dst's hook does not run.
  int KopiN(Streng* dst, int n, int start);
  // Copies the n characters from start to dst followed by a NUL (dst holds n+1 bytes; negative
  // start counts as 0, n is cut at the end). 1; 0 with code -1 dst null, -2 start > Lengde(),
  // -3 n < 1. dst may point into this text.
  int KopiN(char* dst, int n, int start);
  // A new Streng (the caller deletes it) with the characters from to to inclusive, through
  // KopiN(new, to - from + 1, from); from 9999 counts as 0. Null when from >= to or KopiN fails.
  Streng* Kopi(int from, int to);
  // Kopi(from, to), and when that gives a copy, SlettFraTil(from, to) on this text (hook).
  Streng* TaUtKopi(int from, int to);

  // Setting and editing ------------------------------------------------------------------------

  // With a non-null src the text becomes a copy of src's (hook in every case); returns this.
  Streng* Init(const Streng* src);
  // fmt formatted as the constructor does replaces the text (hook); a null fmt does nothing.
  void Init(const char* fmt, ...) KX_PRINTF(2, 3);
  // Copies src literally (not as a format); src may point into this text. The text becomes the n
  // characters of src from start (cut at the end of src; a negative start counts as 0), or all of
  // src from start when n < 0; an empty src or n == 0 empties the text. 1 (hook); 0 with code
  // -1 src null, 1 src is this object's own buffer Get(), 2 nothing of src from start.
  int CopyFrom(const char* src, int n = -1, int start = 0);
  // 0 <= pos < Lengde(): the characters of s overwrite the text from pos up to its current end
  // (the length never changes); otherwise the whole text becomes s (null: empty). (hook).
  void Set(const char* s, int pos, int unused = 0);
  // 0 <= pos < Lengde(): the character at pos becomes c (NUL ends the text at pos); otherwise
  // nothing. No hook.
  void Set(char c, int pos, int unused = 0);
  // Inserts s (null: nothing) or c (NUL: nothing) before pos; a negative pos counts as 0, a pos
  // beyond the end appends. (hook).
  void Insert(const char* s, int pos);
  void Insert(char c, int pos);
  // Appends s (null: nothing) or c (NUL: nothing). (hook).
  void Add(const char* s);
  void Add(char c);
  // Removes the character at pos; a negative pos removes the last one; nothing when pos >=
  // Lengde(). No hook.
  void Delete(int pos);
  // Deletes from to to inclusive (from 9999 or negative counts as 0; to is cut at the end).
  // 1 (hook when something was deleted); 1 and nothing done for an empty text or from >=
  // Lengde(); 0 without an error code when from > to.
  int SlettFraTil(int from, int to);
  // SlettFraTil(from, 9999); 1.
  int SlettFra(int from);
  // SlettFraTil(0, to); 1.
  int SlettTil(int to);
  // Empties the text (hook).
  void Empty();
  // Replaces every a by b (b NUL removes the a's); the number replaced (hook).
  int ByttAlleAmedB(char a, char b);
  // Replaces every occurrence of a by b, left to right, non-overlapping; a null or empty a
  // replaces nothing, a null or empty b removes the occurrences. The number replaced (hook).
  int ByttAlleAmedB(const char* a, const char* b);
  // Pads with spaces at the end (atEnd non-zero) or the front up to length characters; 1.
  // 0 and nothing done when length <= Lengde(). No hook.
  int FyllBlankeTilLengdeEr(int length, int atEnd);
  // left == 1 removes leading, right == 1 trailing white space (space, tab, LF, VT, FF, CR). 1.
  // No hook.
  int FjernBlanke(int left, int right);
  // Removes every space (code 32; tabs stay); the number removed. No hook.
  int FjernAlleBlanke();

  // Case ---------------------------------------------------------------------------------------

  // The Norwegian upper case: æ ø å ä ö (230 248 229 228 246) become Æ Ø Å Ä Ö (198 216 197 196
  // 214), 'a' to 'z' become 'A' to 'Z'; every other byte is returned unchanged, whatever the
  // process locale.
  static char UpChr(char c);
  // Non-null s: every character of s is raised by UpChr in place and s returned (the object is
  // unchanged). Null: this text is raised (hook) and Get() returned.
  char* UpStr(char* s);

  // Shortening ---------------------------------------------------------------------------------

  // Shortens the text for display into target (null: into this object; otherwise this object is
  // unchanged). With L = Lengde(): L <= maxLength: 1, nothing written. maxLength < 1: 0 with code
  // -2. iMode 1: "..." and the last maxLength - 3 characters; iMode 2: the first 3 characters,
  // "..." and the last maxLength - 6 characters (an empty tail for a smaller maxLength, so the
  // result is then longer than maxLength); 1. iMode 3: not provided, an error box says so, 1 and
  // nothing written. Any other iMode: 0 with code -1. No hook.
  int MakeShorter(int maxLength, int iMode, Streng* target = nullptr);

  // Code-page conversion -----------------------------------------------------------------------

  // Converts characters in place. An empty text: 0 with code -2. mode 4: ByttAlleAmedB(from, to).
  // mode 1: DOS Nordic code page 865 to ANSI (æ ø å Æ Ø Å ö ä Ö Ä, and 175 and 207 to spaces);
  // mode 2: ANSI to code page 865 (the ten letters back); from and to are not used. Other modes
  // use the tables from and to, checked in this order: from null -3, to null -4, mode not 1 to 3
  // -1, different lengths -5 (0 with that code). Each character equal to the k-th of the from
  // table (first match wins) becomes the k-th of the to table; 1. No hook (except mode 4).
  int Convert(int mode, const char* from = nullptr, const char* to = nullptr);

  // Plain string operations --------------------------------------------------------------------
  // The storage operations other classes build on. None of them runs the hook or touches the
  // last error code. Positions out of range are clamped; null texts are taken as empty.

  int GetLength() const { return Lengde(); }
  bool IsEmpty() const { return text_.empty(); }
  const char* GetString() const { return text_.c_str(); }
  // A writable buffer holding the text, grown to at least minLength characters (plus the NUL);
  // write into it, then call ReleaseBuffer to take the new length.
  char* GetBuffer(int minLength);
  // Takes the length of what was written through Get() or GetBuffer(): newLength characters (cut
  // at the current length and at the first NUL), or up to the first NUL for a negative newLength.
  void ReleaseBuffer(int newLength = -1);
  // The character at i, or NUL when i is out of range.
  char GetAt(int i) const;
  // First position >= start (negative counts as 0) of s or c; -1 when absent, s null or empty.
  int Find(const char* s, int start = 0) const;
  int Find(char c, int start = 0) const;
  // Last position of c; -1 when absent.
  int ReverseFind(char c) const;
  // count characters from first (count < 0: to the end); the first, the last count characters.
  Streng Mid(int first, int count = -1) const;
  Streng Left(int count) const;
  Streng Right(int count) const;
  // Replaces every occurrence (left to right, non-overlapping) and returns the number replaced;
  // as ByttAlleAmedB without the hook.
  int Replace(const char* oldText, const char* newText);
  int Replace(char oldChar, char newChar);
  // Removes every c; the number removed.
  int Remove(char c);
  // Removes leading and/or trailing white space (space, tab, LF, VT, FF, CR).
  void Trim();
  void TrimLeft();
  void TrimRight();
  // 'a' to 'z' raised / 'A' to 'Z' lowered ("C" locale; other bytes unchanged).
  void MakeUpper();
  void MakeLower();
  // Byte-wise comparison (bytes as unsigned): < 0, 0, > 0. CompareNoCase ignores the case of
  // 'a' to 'z' only.
  int Compare(const char* s) const;
  int CompareNoCase(const char* s) const;
  // The text becomes s literally (null: empty); appends (a null s or a NUL appends nothing).
  Streng& operator=(const char* s);
  Streng& operator+=(const char* s);
  Streng& operator+=(char c);
  Streng& operator+=(const Streng& s);
  bool operator==(const char* s) const { return Compare(s) == 0; }
  bool operator!=(const char* s) const { return Compare(s) != 0; }
  bool operator<(const char* s) const { return Compare(s) < 0; }
  bool operator==(const Streng& s) const { return text_ == s.text_; }
  bool operator!=(const Streng& s) const { return text_ != s.text_; }
  bool operator<(const Streng& s) const { return Compare(s.GetString()) < 0; }

 private:
  std::string text_;
};
