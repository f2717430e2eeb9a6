#include "kx/text/Streng.h"

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/Format.h"

namespace {

// The white space that trimming removes.
constexpr const char* kWhiteSpace = " \t\n\v\f\r";

int LengthOf(const std::string& text) { return static_cast<int>(text.size()); }

// 'a' to 'z' only: the "C" locale rule, independent of the process locale.
char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string UpperAscii(std::string text) {
  for (char& c : text) c = UpperAscii(c);
  return text;
}

// The comparison behind Lik and CaseLik: 0 when the text matches s, otherwise the error code.
// s is not null.
int MatchCode(const std::string& text, const char* s, int n, int start) {
  if (n < 1) return text == s ? 0 : 3;
  const int length = LengthOf(text);
  if (start >= length) return -2;
  if (start < 0) start = 0;
  if (n > length - start) return 1;  // start + n > length, without overflow
  const bool equal = std::strlen(s) == static_cast<std::size_t>(n) &&
                     std::memcmp(text.data() + start, s, static_cast<std::size_t>(n)) == 0;
  return equal ? 0 : 3;
}

// A count from..to inclusive, computed without overflow and kept within int.
int InclusiveCount(int from, int to) {
  const long long count = static_cast<long long>(to) - from + 1;
  return static_cast<int>(std::min<long long>(count, INT_MAX));
}

// Calls hit(position) for each occurrence of pattern (not empty) in text from position from on,
// left to right, until hit returns false. Overlapping occurrences count when overlapping is true;
// otherwise the search goes on after each occurrence. Always linear in the lengths of text and
// pattern: std::string::find compares the pattern anew at each position, which for a long pattern
// that nearly matches everywhere takes the product of the two lengths (minutes for texts of a few
// megabytes), so a pattern longer than a few characters is searched by Knuth-Morris-Pratt, which
// never looks at a character of the text twice.
template <typename Hit>
void ForEachOccurrence(const std::string& text, const std::string& pattern, std::size_t from,
                       bool overlapping, Hit hit) {
  const std::size_t m = pattern.size();
  constexpr std::size_t kShort = 16;  // up to 16 comparisons a position: the library's own find
  if (m <= kShort) {
    for (std::size_t at = text.find(pattern, from); at != std::string::npos;
         at = text.find(pattern, at + (overlapping ? 1 : m))) {
      if (!hit(at)) return;
    }
    return;
  }
  // border[i]: the length of the longest proper prefix of pattern[0..i] that is also its suffix.
  std::vector<std::size_t> border(m, 0);
  for (std::size_t i = 1, k = 0; i < m; ++i) {
    while (k > 0 && pattern[i] != pattern[k]) k = border[k - 1];
    if (pattern[i] == pattern[k]) ++k;
    border[i] = k;
  }
  for (std::size_t i = from, matched = 0; i < text.size(); ++i) {
    while (matched > 0 && text[i] != pattern[matched]) matched = border[matched - 1];
    if (text[i] == pattern[matched]) ++matched;
    if (matched == m) {
      if (!hit(i + 1 - m)) return;
      matched = overlapping ? border[m - 1] : 0;
    }
  }
}

// The first occurrence of pattern (not empty) in text at or after from; npos when there is none.
std::size_t FindText(const std::string& text, const std::string& pattern, std::size_t from) {
  std::size_t found = std::string::npos;
  ForEachOccurrence(text, pattern, from, false, [&found](std::size_t at) {
    found = at;
    return false;
  });
  return found;
}

// DOS Nordic code page 865 and the ANSI code page: the letters æ ø å Æ Ø Å ö ä Ö Ä; code page
// 865 also has two characters (175 and 207) that ANSI shows as spaces.
constexpr const char* kDosLetters = "\x91\x9B\x86\x92\x9D\x8F\x94\x84\x99\x8E\xAF\xCF";
constexpr const char* kAnsiFromDos = "\xE6\xF8\xE5\xC6\xD8\xC5\xF6\xE4\xD6\xC4  ";
constexpr const char* kAnsiLetters = "\xE6\xF8\xE5\xC6\xD8\xC5\xF6\xE4\xC4\xD6";
constexpr const char* kDosFromAnsi = "\x91\x9B\x86\x92\x9D\x8F\x94\x84\x8E\x99";

}  // namespace

// Construction -----------------------------------------------------------------------------------

Streng::Streng() = default;

Streng::Streng(const Streng* src) {
  if (src != nullptr) text_ = src->text_;
}

Streng::Streng(std::nullptr_t) : Streng() {}

Streng::Streng(const char* fmt, ...) {
  if (fmt == nullptr) return;
  char text[kx::detail::kTextBufferSize];
  KX_FORMAT_VARARGS(text, fmt);
  text_ = text;
  UtforEtterInit();
}

Streng::Streng(const Streng& other) = default;
Streng& Streng::operator=(const Streng& other) = default;
Streng::~Streng() = default;

int Streng::KlasseType() const { return -1; }

char* Streng::KlasseNavn() const {
  static char name[] = "Streng";
  return name;
}

int Streng::SkrivUtObj() {
  Printf("%s", text_.c_str());
  return 1;
}

// Access -----------------------------------------------------------------------------------------

int Streng::Lengde() const { return LengthOf(text_); }

char* Streng::Get() { return text_.data(); }

const char* Streng::Get() const { return text_.c_str(); }

char* Streng::GetFra(int i) {
  // A negative position is taken as the start, as the editing operations do.
  static char empty[1] = "";
  if (i <= 0) return Get();
  if (i < Lengde()) return text_.data() + i;
  return empty;
}

char Streng::Get(int i) const {
  if (text_.empty()) return '\0';
  if (i < -1) return text_.front();
  if (i == -1 || i >= Lengde()) return text_.back();
  return text_[static_cast<std::size_t>(i)];
}

char Streng::GetForsteUth() const {
  char mark = ' ';
  for (std::size_t k = 0; k < text_.size(); ++k) {
    if (text_[k] == '~' && mark == ' ') mark = k + 1 < text_.size() ? text_[k + 1] : '\0';
  }
  const auto code = static_cast<unsigned char>(mark);
  return static_cast<char>(code >= 97 && code <= 127 ? code - 32 : code);
}

int Streng::LengdeUten(char c) const {
  return static_cast<int>(
      std::count_if(text_.begin(), text_.end(), [c](char x) { return x != c; }));
}

int Streng::AntallLinjer() const {
  return 1 + static_cast<int>(std::count(text_.begin(), text_.end(), '\n'));
}

int Streng::LengsteLinje() const {
  int longest = 0;
  int current = 0;
  for (char c : text_) {
    current = c == '\n' ? 0 : current + 1;
    longest = std::max(longest, current);
  }
  return longest;
}

int Streng::HvorEr(const char* s, int nth) const {
  if (s == nullptr) return -3;
  if (nth < 1) return -2;
  // An empty text has no occurrences to count.
  if (*s == '\0') return -1;
  int found = -1, count = 0;
  ForEachOccurrence(text_, s, 0, true, [&](std::size_t at) {
    if (++count < nth) return true;
    found = static_cast<int>(at);
    return false;
  });
  return found;
}

// Comparison -------------------------------------------------------------------------------------

int Streng::Lik(char* s, int n, int start) {
  if (s == nullptr) return ErrorKode(-1);
  const int code = MatchCode(text_, s, n, start);
  return code == 0 ? 1 : ErrorKode(code);
}

int Streng::CaseLik(char* s, int n, int start) {
  // Upper-cased by the "C" locale ('a' to 'z'), so that the result never depends on the locale
  // the host process happens to run in.
  const std::string upper = UpperAscii(s != nullptr ? std::string(s) : std::string());
  const int code = MatchCode(UpperAscii(text_), upper.c_str(), n, start);
  return code == 0 ? 1 : ErrorKode(code);
}

int Streng::Les(char* prompt, int showOld) {
  const std::string kept = text_;
  if (prompt != nullptr) {
    Printf("%s", prompt);
    if (showOld != 0) Printf(" <%s>", text_.c_str());
    Printf(" : ");
  }
  char line[kx::detail::kTextBufferSize] = {};
  const int read = LesCharStreng(line);
  line[sizeof line - 1] = '\0';
  if (read <= 0) {
    text_ = kept;
    return 0;
  }
  if (line[0] == '\0' && showOld != 0) {
    text_ = kept;
    return 1;
  }
  CopyFrom(line, -1, 0);
  return 1;
}

// Copying out ------------------------------------------------------------------------------------

int Streng::KopiN(Streng* dst, int n, int start) {
  if (dst == nullptr) return ErrorKode(-1);
  if (start < 0) start = 0;
  if (n < 1) return ErrorKode(1);
  if (start >= Lengde()) return ErrorKode(2);
  n = std::min(n, Lengde() - start);
  // substr builds a new string first, so dst may be this object.
  dst->text_ = text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(n));
  return 1;
}

int Streng::KopiN(char* dst, int n, int start) {
  if (dst == nullptr) return ErrorKode(-1);
  if (start > Lengde()) return ErrorKode(-2);
  if (n < 1) return ErrorKode(-3);
  if (start < 0) start = 0;
  n = std::min(n, Lengde() - start);
  std::memmove(dst, text_.data() + start, static_cast<std::size_t>(n));
  dst[n] = '\0';
  return 1;
}

Streng* Streng::Kopi(int from, int to) {
  if (from == 9999) from = 0;
  if (from >= to) return nullptr;
  auto* copy = new Streng();
  if (KopiN(copy, InclusiveCount(from, to), from) != 1) {
    delete copy;
    return nullptr;
  }
  return copy;
}

Streng* Streng::TaUtKopi(int from, int to) {
  Streng* copy = Kopi(from, to);
  if (copy != nullptr) SlettFraTil(from, to);
  return copy;
}

// Setting and editing ----------------------------------------------------------------------------

Streng* Streng::Init(const Streng* src) {
  if (src != nullptr) text_ = src->text_;
  UtforEtterInit();
  return this;
}

void Streng::Init(const char* fmt, ...) {
  if (fmt == nullptr) return;
  // Formatted into a buffer of its own first, so fmt and the arguments may point into this text.
  char text[kx::detail::kTextBufferSize];
  KX_FORMAT_VARARGS(text, fmt);
  text_ = text;
  UtforEtterInit();
}

int Streng::CopyFrom(const char* src, int n, int start) {
  if (src == nullptr) return ErrCode(-1);
  if (src == text_.data()) return ErrCode(1);
  const std::string source(src);  // src may point into this text
  if (source.empty() || n == 0) {
    text_.clear();
    UtforEtterInit();
    return 1;
  }
  if (start < 0) start = 0;
  const long long rest = static_cast<long long>(source.size()) - start;
  if (rest < 1) return ErrCode(2);
  const long long count = n < 0 ? rest : std::min<long long>(n, rest);
  text_ = source.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
  UtforEtterInit();
  return 1;
}

void Streng::Set(const char* s, int pos, int) {
  if (s == nullptr) s = "";
  if (pos >= 0 && pos < Lengde()) {
    const std::string source(s);  // s may point into this text
    const std::size_t count = std::min(source.size(), text_.size() - static_cast<std::size_t>(pos));
    std::copy_n(source.begin(), count, text_.begin() + pos);
  } else {
    text_.assign(s);  // also when s points into this text; the storage is kept where it suffices
  }
  UtforEtterInit();
}

void Streng::Set(char c, int pos, int) {
  if (pos < 0 || pos >= Lengde()) return;
  // The text holds no NUL: writing one ends the text there, as it would in a C string.
  if (c == '\0') {
    text_.resize(static_cast<std::size_t>(pos));
  } else {
    text_[static_cast<std::size_t>(pos)] = c;
  }
}

namespace {

// An insert position: negative counts as the start, beyond the end as the end.
std::size_t InsertPosition(int pos, const std::string& text) {
  return static_cast<std::size_t>(std::clamp(pos, 0, LengthOf(text)));
}

}  // namespace

void Streng::Insert(const char* s, int pos) {
  if (s != nullptr) {
    const std::string source(s);  // s may point into this text
    text_.insert(InsertPosition(pos, text_), source);
  }
  UtforEtterInit();
}

void Streng::Insert(char c, int pos) {
  // A NUL cannot be part of the text: it inserts nothing, like a null text.
  if (c != '\0') text_.insert(InsertPosition(pos, text_), 1, c);
  UtforEtterInit();
}

void Streng::Add(const char* s) { Insert(s, Lengde()); }

void Streng::Add(char c) { Insert(c, Lengde()); }

void Streng::Delete(int pos) {
  if (text_.empty()) return;
  if (pos < 0) pos = Lengde() - 1;
  if (pos >= Lengde()) return;
  text_.erase(static_cast<std::size_t>(pos), 1);
}

int Streng::SlettFraTil(int from, int to) {
  const int length = Lengde();
  if (length == 0) return 1;
  if (from == 9999 || from < 0) from = 0;
  if (from > to) return 0;
  if (from >= length) return 1;
  const int count = std::min(InclusiveCount(from, to), length - from);
  text_.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(count));
  UtforEtterInit();
  return 1;
}

int Streng::SlettFra(int from) {
  SlettFraTil(from, 9999);
  return 1;
}

int Streng::SlettTil(int to) {
  SlettFraTil(0, to);
  return 1;
}

void Streng::Empty() {
  text_.clear();
  UtforEtterInit();
}

int Streng::ByttAlleAmedB(char a, char b) {
  const int count = Replace(a, b);
  UtforEtterInit();
  return count;
}

int Streng::ByttAlleAmedB(const char* a, const char* b) {
  const int count = Replace(a, b);
  UtforEtterInit();
  return count;
}

int Streng::FyllBlankeTilLengdeEr(int length, int atEnd) {
  if (length <= Lengde()) return 0;
  const auto pad = static_cast<std::size_t>(length - Lengde());
  if (atEnd != 0) {
    text_.append(pad, ' ');
  } else {
    text_.insert(0, pad, ' ');
  }
  return 1;
}

int Streng::FjernBlanke(int left, int right) {
  if (left == 1) TrimLeft();
  if (right == 1) TrimRight();
  return 1;
}

int Streng::FjernAlleBlanke() { return Remove(' '); }

// Case -------------------------------------------------------------------------------------------

char Streng::UpChr(char c) {
  switch (static_cast<unsigned char>(c)) {
    case 230:
      return static_cast<char>(198);  // æ Æ
    case 248:
      return static_cast<char>(216);  // ø Ø
    case 229:
      return static_cast<char>(197);  // å Å
    case 228:
      return static_cast<char>(196);  // ä Ä
    case 246:
      return static_cast<char>(214);  // ö Ö
    default:
      return UpperAscii(c);
  }
}

char* Streng::UpStr(char* s) {
  if (s != nullptr) {
    for (char* p = s; *p != '\0'; ++p) *p = UpChr(*p);
    return s;
  }
  for (char& c : text_) c = UpChr(c);
  UtforEtterInit();
  return Get();
}

// Shortening -------------------------------------------------------------------------------------

int Streng::MakeShorter(int maxLength, int iMode, Streng* target) {
  const int length = Lengde();
  if (length <= maxLength) return 1;
  if (maxLength < 1) return ErrCode(-2);
  // The last count characters (none for count < 1); count is below length here.
  const auto tail = [this](int count) {
    return count < 1 ? std::string() : text_.substr(text_.size() - static_cast<std::size_t>(count));
  };
  std::string shorter;
  switch (iMode) {
    case 1:
      shorter = "..." + tail(maxLength - 3);
      break;
    case 2:
      shorter = text_.substr(0, 3) + "..." + tail(maxLength - 6);
      break;
    case 3:
      ErrBox("Streng::MakeShorter", "iMode = 3 is not created yet (LBA) !");
      return 1;
    default:
      return ErrCode(-1);
  }
  (target != nullptr ? target : this)->text_ = std::move(shorter);
  return 1;
}

// Code-page conversion ---------------------------------------------------------------------------

int Streng::Convert(int mode, const char* from, const char* to) {
  if (text_.empty()) return ErrCode(-2);
  if (mode == 4) return ByttAlleAmedB(from, to);
  if (mode == 1) {
    from = kDosLetters;
    to = kAnsiFromDos;
  } else if (mode == 2) {
    from = kAnsiLetters;
    to = kDosFromAnsi;
  }
  if (from == nullptr) return ErrCode(-3);
  if (to == nullptr) return ErrCode(-4);
  if (mode < 1 || mode > 3) return ErrCode(-1);
  if (std::strlen(from) != std::strlen(to)) return ErrCode(-5);

  // One lookup per byte; the first occurrence of a byte in the from table wins.
  unsigned char map[256];
  bool mapped[256] = {};
  for (int b = 0; b < 256; ++b) map[b] = static_cast<unsigned char>(b);
  for (std::size_t k = 0; from[k] != '\0'; ++k) {
    const auto b = static_cast<unsigned char>(from[k]);
    if (mapped[b]) continue;
    mapped[b] = true;
    map[b] = static_cast<unsigned char>(to[k]);
  }
  for (char& c : text_) c = static_cast<char>(map[static_cast<unsigned char>(c)]);
  return 1;
}

// Plain string operations ------------------------------------------------------------------------

char Streng::GetAt(int i) const {
  return i >= 0 && i < Lengde() ? text_[static_cast<std::size_t>(i)] : '\0';
}

char* Streng::GetBuffer(int minLength) {
  if (minLength > Lengde()) text_.resize(static_cast<std::size_t>(minLength), '\0');
  return text_.data();
}

void Streng::ReleaseBuffer(int newLength) {
  // The string keeps a NUL after its last character, so strlen stops within it. A given length
  // never reaches past a NUL either: a text holds none (a NUL written through the buffer, or the
  // unwritten room of GetBuffer, would otherwise become part of it).
  const std::size_t written = std::strlen(text_.c_str());
  text_.resize(newLength < 0 ? written : std::min(static_cast<std::size_t>(newLength), written));
}

int Streng::Find(const char* s, int start) const {
  if (s == nullptr || *s == '\0') return -1;
  const std::size_t hit = FindText(text_, s, static_cast<std::size_t>(std::max(start, 0)));
  return hit == std::string::npos ? -1 : static_cast<int>(hit);
}

int Streng::Find(char c, int start) const {
  if (c == '\0') return -1;
  const std::size_t hit = text_.find(c, static_cast<std::size_t>(std::max(start, 0)));
  return hit == std::string::npos ? -1 : static_cast<int>(hit);
}

int Streng::ReverseFind(char c) const {
  if (c == '\0') return -1;
  const std::size_t hit = text_.rfind(c);
  return hit == std::string::npos ? -1 : static_cast<int>(hit);
}

Streng Streng::Mid(int first, int count) const {
  Streng part;
  first = std::max(first, 0);
  if (first < Lengde() && count != 0) {
    const int rest = Lengde() - first;
    const int n = count < 0 ? rest : std::min(count, rest);
    part.text_ = text_.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(n));
  }
  return part;
}

Streng Streng::Left(int count) const { return Mid(0, std::max(count, 0)); }

Streng Streng::Right(int count) const {
  if (count <= 0) return Streng();
  return Mid(std::max(Lengde() - count, 0));
}

int Streng::Replace(const char* oldText, const char* newText) {
  if (oldText == nullptr || *oldText == '\0') return 0;
  // Copies first: either text may point into this one.
  const std::string from(oldText);
  const std::string to(newText != nullptr ? newText : "");
  std::string result;
  int count = 0;
  std::size_t done = 0;
  ForEachOccurrence(text_, from, 0, false, [&](std::size_t hit) {
    result.append(text_, done, hit - done).append(to);
    done = hit + from.size();
    return ++count < INT_MAX;
  });
  if (count > 0) {
    result.append(text_, done, std::string::npos);
    text_.swap(result);
  }
  return count;
}

int Streng::Replace(char oldChar, char newChar) {
  if (oldChar == '\0') return 0;
  // The text holds no NUL: replacing by one removes the character instead.
  if (newChar == '\0') return Remove(oldChar);
  int count = 0;
  for (char& c : text_) {
    if (c == oldChar) {
      c = newChar;
      ++count;
    }
  }
  return count;
}

int Streng::Remove(char c) {
  const auto kept = std::remove(text_.begin(), text_.end(), c);
  const auto count = static_cast<int>(text_.end() - kept);
  text_.erase(kept, text_.end());
  return count;
}

void Streng::Trim() {
  TrimRight();
  TrimLeft();
}

void Streng::TrimLeft() {
  text_.erase(0, std::min(text_.find_first_not_of(kWhiteSpace), text_.size()));
}

void Streng::TrimRight() {
  const std::size_t last = text_.find_last_not_of(kWhiteSpace);
  text_.erase(last == std::string::npos ? 0 : last + 1);
}

void Streng::MakeUpper() {
  for (char& c : text_) c = UpperAscii(c);
}

void Streng::MakeLower() {
  for (char& c : text_) c = LowerAscii(c);
}

int Streng::Compare(const char* s) const {
  // std::char_traits<char> compares the bytes as unsigned char.
  return text_.compare(s != nullptr ? s : "");
}

int Streng::CompareNoCase(const char* s) const {
  return UpperAscii(text_).compare(UpperAscii(s != nullptr ? s : ""));
}

Streng& Streng::operator=(const char* s) {
  std::string copy(s != nullptr ? s : "");  // s may point into this text
  text_.swap(copy);
  return *this;
}

Streng& Streng::operator+=(const char* s) {
  if (s != nullptr) text_ += std::string(s);
  return *this;
}

Streng& Streng::operator+=(char c) {
  if (c != '\0') text_ += c;
  return *this;
}

Streng& Streng::operator+=(const Streng& s) {
  text_ += s.text_;
  return *this;
}
