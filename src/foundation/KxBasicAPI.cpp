#include "kx/foundation/KxBasicAPI.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "foundation/Format.h"
#include "kx/foundation/FlatExports.h"

using kx::detail::Mutable;

namespace {

// Replaces the owned copy in slot by a fresh copy of s (when s is not null); returns the copy.
char* ReplaceOwnedCopy(char*& slot, const char* s) {
  if (s != nullptr) {
    char* copy = KMR00_strdup(s);
    KMR00_free(slot);
    slot = copy;
  }
  return slot;
}

}  // namespace

KxBasicAPI::KxBasicAPI(unsigned long flags) : flags_(flags) {}

KxBasicAPI::KxBasicAPI(const KxBasicAPI& other) : flags_(other.flags_) { CopyStrings(other); }

KxBasicAPI& KxBasicAPI::operator=(const KxBasicAPI& other) {
  if (this != &other) {
    ReleaseStrings();
    CopyStrings(other);
    flags_ = other.flags_;
  }
  return *this;
}

KxBasicAPI::~KxBasicAPI() {
  ReleaseStrings();
  // An object that is being destroyed while current removes itself.
  DOVERO01_SetSystemLong(3, reinterpret_cast<std::intptr_t>(this));
}

void KxBasicAPI::ReleaseStrings() {
  for (char** slot : {&programFileName_, &programVersion_, &programFileTime_, &programName_}) {
    KMR00_free(*slot);
    *slot = nullptr;
  }
}

void KxBasicAPI::CopyStrings(const KxBasicAPI& other) {
  programFileName_ = KMR00_strdup(other.programFileName_);
  programVersion_ = KMR00_strdup(other.programVersion_);
  programFileTime_ = KMR00_strdup(other.programFileTime_);
  programName_ = KMR00_strdup(other.programName_);
}

int KxBasicAPI::API_MessageBox(char* text, char*, long) {
  API_Printf(text);
  return 1;
}

int KxBasicAPI::API_ErrorBox(char* text, char*, long) {
  API_Printf(text);
  return 0;
}

int KxBasicAPI::API_Printf(char* text) {
  if (text == nullptr) return -100;
  const std::size_t length = std::strlen(text);
  std::fwrite(text, 1, length, stdout);
  std::fflush(stdout);
  return static_cast<int>(length);
}

int KxBasicAPI::API_GetStr(char* buffer) {
  if (buffer == nullptr) return 0;
  // The callers' buffers hold 512 bytes: keep at most 511 characters of the line and skip the rest.
  std::size_t n = 0;
  int c = std::getchar();
  if (c == EOF) return 0;
  while (c != EOF && c != '\n') {
    if (n + 1 < kx::detail::kTextBufferSize) buffer[n++] = static_cast<char>(c);
    c = std::getchar();
  }
  if (n > 0 && buffer[n - 1] == '\r') --n;  // a line ending in CR LF
  buffer[n] = '\0';
  return std::ferror(stdin) ? 0 : 1;
}

int KxBasicAPI::API_FileDialog(int, char*, char*, char*, char*, unsigned long, char*, void*) {
  return 0;
}

char* KxBasicAPI::API_GetText(long, char* buffer) { return buffer; }

int KxBasicAPI::API_PickPoint(double*, char*, double*, unsigned long) {
  API_MessageBox("The function is not available in current API.", "KxBasicAPI::API_PickPoint", 0);
  return 0;
}

int KxBasicAPI::API_TranslatePoint(double*, int, int) {
  DOVERO01_TRACE1("KxBasicAPI::API_TranslatePoint - Not available in current API !");
  return 0;
}

int KxBasicAPI::API_MessageBox(const char* text, const char* title, long flags) {
  return API_MessageBox(Mutable(text), Mutable(title), flags);
}

int KxBasicAPI::API_ErrorBox(const char* text, const char* title, long flags) {
  return API_ErrorBox(Mutable(text), Mutable(title), flags);
}

int KxBasicAPI::API_FileDialog(int open, char* result, const char* title, const char* defaultExt,
                               const char* fileName, unsigned long flags, const char* filter,
                               void* reserved) {
  return API_FileDialog(open, result, Mutable(title), Mutable(defaultExt), Mutable(fileName), flags,
                        Mutable(filter), reserved);
}

int KxBasicAPI::API_PickPoint(double* point, const char* prompt, double* basePoint,
                              unsigned long flags) {
  return API_PickPoint(point, Mutable(prompt), basePoint, flags);
}

unsigned long KxBasicAPI::API_Flags(unsigned long flags) {
  const unsigned long previous = flags_;
  if (flags != static_cast<unsigned long>(-1)) flags_ = flags;
  return previous;
}

char* KxBasicAPI::API_ProgramFileName(const char* s) {
  return ReplaceOwnedCopy(programFileName_, s);
}
char* KxBasicAPI::API_ProgramVersion(const char* s) { return ReplaceOwnedCopy(programVersion_, s); }
char* KxBasicAPI::API_ProgramFileTime(const char* s) {
  return ReplaceOwnedCopy(programFileTime_, s);
}
char* KxBasicAPI::API_ProgramName(const char* s) { return ReplaceOwnedCopy(programName_, s); }
