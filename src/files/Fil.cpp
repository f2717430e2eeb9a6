#include "kx/files/Fil.h"

#include <cstring>
#include <string>
#include <utility>

#include "files/Shared.h"
#include "foundation/Format.h"
#include "kx/foundation/KxBasicAPI.h"
#include "kx/platform/Files.h"

namespace kx::detail {

// The stream of a Fil, shared by its copies: closing it through one copy closes it for all.
struct FileStream {
  std::FILE* file = nullptr;
};

}  // namespace kx::detail

namespace {

using kx::detail::CopyBounded;

constexpr std::size_t kNavnSize = 128;
constexpr std::size_t kPathSize = 152;
constexpr std::size_t kNavnUtenExtSize = 256;

// The length of Fil::Path() of full: the position of its last '\', '/' or ':' after the first
// character, or 0.
std::size_t PathLength(const char* full) {
  std::size_t found = 0;
  for (std::size_t i = 1; full[0] != '\0' && full[i] != '\0'; ++i) {
    if (full[i] == '\\' || full[i] == '/' || full[i] == ':') found = i;
  }
  return found;
}

// count characters of from (count <= its length) into a static buffer, cut to fit.
char* CopyPart(char* buffer, std::size_t size, const char* from, std::size_t count) {
  return CopyBounded(buffer, size, std::string(from, count).c_str());
}

// Replaces the spaces of a "%2u"-padded text by zeros ("9: 5: 7" -> "09:05:07").
char* ZeroPad(char* text) {
  for (char* c = text; *c != '\0'; ++c) {
    if (*c == ' ') *c = '0';
  }
  return text;
}

}  // namespace

Fil::Fil(const char* name) : navn_(name) { navn_.UpStr(nullptr); }

Fil::Fil(const Fil& other) = default;

Fil& Fil::operator=(const Fil& other) {
  if (this != &other) {
    if (stream_ != other.stream_ && stream_.use_count() == 1) CloseStream("Fil::operator=");
    HovedObjekt::operator=(other);
    stream_ = other.stream_;
    navn_ = other.navn_;
  }
  return *this;
}

Fil::~Fil() { CloseIfLast("Fil::~Fil"); }

void Fil::CloseIfLast(const char* operation) {
  if (stream_.use_count() == 1) {
    CloseStream(operation);
  } else if (Peker() != nullptr) {
    std::fflush(Peker());
  }
}

int Fil::KlasseType() const { return -1; }

char* Fil::KlasseNavn() const {
  static char name[] = "Fil";
  return name;
}

int Fil::ReportUnwritten(const char* operation) {
  return Error1("%s\nThe file %s could not be written completely.", operation, navn_.Get());
}

bool Fil::CloseStream(const char* operation) {
  std::FILE* file = stream_ ? std::exchange(stream_->file, nullptr) : nullptr;
  stream_.reset();
  if (file == nullptr) return false;
  if (!kx::platform::CloseFile(file)) ReportUnwritten(operation);
  return true;
}

std::FILE* Fil::Peker() const { return stream_ ? stream_->file : nullptr; }

unsigned char Fil::LukkOpp(char* mode) {
  if (Peker() != nullptr) return 1;
  std::FILE* file = kx::platform::OpenFile(navn_.Get(), mode != nullptr ? mode : "r");
  if (file == nullptr) return 0;
  stream_ = std::make_shared<kx::detail::FileStream>();
  stream_->file = file;
  return 1;
}

unsigned char Fil::LukkIgjen() { return CloseStream("Fil::LukkIgjen") ? 1 : 0; }

int Fil::GetPos(std::int64_t* pos) {
  return pos != nullptr && kx::platform::Tell(Peker(), *pos) ? 1 : 0;
}

int Fil::SetPos(const long* offset, int origin) {
  return offset != nullptr && kx::platform::Seek(Peker(), *offset, origin) ? 1 : 0;
}

Filnavn* Fil::FilNavn(const char* name) {
  if (name != nullptr) navn_.Set(name, -1);
  return &navn_;
}

unsigned char Fil::SetNavn(const char* name) {
  stream_.reset();
  if (name != nullptr) {
    navn_.Set(name, -1);
    if (Lovlig_Filnavn() != 0) return 1;
  }
  navn_.Empty();
  return 0;
}

unsigned char Fil::SetTempNavn(const char* name) {
  if (name != nullptr) return SetNavn(name);
  // The name is taken by creating the file (no other program can take it in between); the
  // empty file holds it for the caller.
  std::string temp;
  std::FILE* file = kx::platform::CreateTempFile(nullptr, temp);
  if (file == nullptr) return SetNavn(nullptr);
  kx::platform::CloseFile(file);
  return SetNavn(temp.c_str());
}

char* Fil::NavnExt() { return navn_.Get(); }

char* Fil::Ext() {
  static char empty[1] = "";
  char* dot = std::strchr(navn_.Get(), '.');
  return dot != nullptr ? dot : empty;
}

char* Fil::Path() {
  static char buffer[kPathSize];
  return CopyPart(buffer, sizeof buffer, navn_.Get(), PathLength(navn_.Get()));
}

char* Fil::Navn() {
  static char buffer[kNavnSize];
  const char* full = navn_.Get();
  const std::size_t path = PathLength(full);
  const std::size_t start = path > 0 ? path + 1 : 0;
  const std::size_t end = std::strlen(full) - std::strlen(Ext());
  return CopyPart(buffer, sizeof buffer, full + (start < end ? start : end),
                  start < end ? end - start : 0);
}

char* Fil::NavnUtenExt() {
  static char buffer[kNavnUtenExtSize];
  const char* full = navn_.Get();
  const char* dot = std::strrchr(full, '.');
  return CopyPart(buffer, sizeof buffer, full,
                  dot != nullptr && dot > full ? dot - full : std::strlen(full));
}

unsigned char Fil::Finnes(int showMessage) { return navn_.FilenFinnes(showMessage) != 0 ? 1 : 0; }

unsigned char Fil::Lovlig_Filnavn() {
  if (Finnes(0) != 0) return 1;
  // An open stream proves the name usable; it is not ours to close here.
  if (Peker() != nullptr) return 1;
  if (LukkOpp("a") == 0) return 0;
  CloseStream("Fil::Lovlig_Filnavn");
  kx::platform::RemoveFile(navn_.Get());
  return 1;
}

unsigned char Fil::Slett() {
  CloseStream("Fil::Slett");
  return kx::platform::RemoveFile(navn_.Get()) ? 1 : 0;
}

unsigned char Fil::KopierTil(const char* target, int) {
  if (target == nullptr) return 0;
  if (Peker() != nullptr) std::fflush(Peker());  // the copy has what was written so far
  return kx::platform::CopyOver(navn_.Get(), target) ? 1 : 0;
}

int Fil::GetLongTime(std::uint32_t* time, const char* fileName, int kind) {
  if (time == nullptr) return ErrorKode(-3);
  if (fileName == nullptr) return ErrorKode(-4);
  kx::platform::FileTimes times;
  if (kx::platform::GetFileTimes(fileName, times) != 0) return ErrorKode(-1);
  const std::uint32_t stamps[] = {times.lastWrite, times.lastAccess, times.creation};
  if (kind < 0 || kind > 2) return ErrorKode(-2);
  *time = stamps[kind];
  return 1;
}

int Fil::NyereEnn(const Streng* other) {
  if (other == nullptr) return ErrorKode(-1);
  std::uint32_t mine = 0, theirs = 0;
  if (GetLongTime(&mine, navn_.Get(), 0) == 0) return ErrorKode(-4);
  if (GetLongTime(&theirs, other->Get(), 0) == 0) {
    return ErrorKode(-9999) == -1 ? 1 : ErrorKode(-5);  // a missing other file is older
  }
  if (mine == theirs) return ErrorKode(-3);
  if (mine < theirs) return ErrorKode(-2);
  return 1;
}

int Fil::NyereEnn(const Fil* other) {
  if (other == nullptr) return ErrorKode(-1);
  Streng name;
  name = other->navn_.GetString();
  return NyereEnn(&name);
}

int Fil::GetTime(int* day, int* month, int* year, int* dayOfWeek, int* second, int* minute,
                 int* hour, int kind) {
  std::uint32_t stamp = 0;
  if (GetLongTime(&stamp, navn_.Get(), kind) == 0) return ErrorKode(ErrorKode(-9999) - 100);
  kx::platform::CalendarTime t;
  if (!kx::platform::ToLocalTime(stamp, t)) return ErrorKode(-101);
  const std::pair<int*, int> fields[] = {
      {day, t.day},       {month, t.month},   {year, t.year}, {dayOfWeek, t.dayOfWeek},
      {second, t.second}, {minute, t.minute}, {hour, t.hour}};
  for (const auto& [field, value] : fields) {
    if (field != nullptr) *field = value;
  }
  return 1;
}

int Fil::GetTime(Streng& text, int format, int kind) {
  int day, month, year, weekday, second, minute, hour;
  if (GetTime(&day, &month, &year, &weekday, &second, &minute, &hour, kind) == 0) {
    return ErrorKode(-1);
  }
  using U = unsigned;
  char clock[32], date[32], result[kx::detail::kTextBufferSize];
  ZeroPad(kx::detail::Format(clock, sizeof clock, "%2u:%2u:%2u", U(hour), U(minute), U(second)));
  if (format < 0 || format > 4) return ErrorKode(-2);
  ZeroPad(kx::detail::Format(date, sizeof date, "%2u.%2u.%2u", U(day), U(month), U(year - 1900)));
  if (format == 0) {
    kx::detail::Format(result, sizeof result, "%u/%u-%u  %s", U(day), U(month), U(year), clock);
  } else if (format <= 2) {
    kx::detail::Format(result, sizeof result, format == 1 ? "%s  %s" : "%s %s", date, clock);
  } else {
    CopyBounded(result, sizeof result, format == 3 ? clock : date);
  }
  text.Set(result, -1);
  return 1;
}

unsigned char Fil::AskName(int open, const char* title, unsigned long options, const char* filter) {
  std::string extension = Ext();
  std::string initial = NavnUtenExt();
  char result[kx::detail::kDialogResultSize] = "";
  const int chosen = API(nullptr)->API_FileDialog(
      open, result, kx::detail::Mutable(title), kx::detail::DialogExtension(&extension[0]),
      &initial[0], options, kx::detail::Mutable(filter), nullptr);
  result[sizeof result - 1] = '\0';
  if (chosen == 0) return 0;
  FilNavn(result);
  return 1;
}

unsigned char Fil::LesNyttNavn(const char* title, int, int, const char* filter) {
  return AskName(0, title, 3, filter);
}

unsigned char Fil::LesEksNavn(const char* title, const char* filter) {
  return AskName(1, title, 1, filter);
}
