#include "kx/files/TekstFil.h"

#include <cstring>
#include <new>
#include <string>

#include "kx/containers/DT_Nodeliste.h"
#include "kx/platform/Files.h"
#include "platform/Streams.h"

namespace {

constexpr int kChunk = 510;  // the longest piece of a line delivered as one line
using Chunk = char[kChunk + 1];

// Reads the next piece of a line into chunk: its characters, at most 510, without the line feed,
// followed by a NUL. Returns how many characters it read, or -1 at the end of the file or on an
// error. ended tells whether a line feed ended it. A piece of the full 510 characters that the
// line feed follows directly takes the line feed too, so a line of 510 characters is one line, not
// one and an empty one. The characters are counted as they are read, not by the NUL after them: a
// NUL in the file ends the text of its line for the callers that read chunk as text, but never the
// line, and a line copied by its count keeps its bytes.
// cppcheck-suppress constParameter ; the chunk is written
int ReadChunk(std::FILE* file, Chunk& chunk, bool* ended = nullptr) {
  if (file == nullptr) return -1;
  bool end = false;
  const int length = kx::platform::ReadLinePiece(file, chunk, kChunk, &end);
  if (length == 0 && !end) return -1;
  if (!end && length == kChunk) {
    const int next = std::getc(file);
    if (next == '\n') {
      end = true;
    } else if (next != EOF) {
      std::ungetc(next, file);
    }
  }
  chunk[length] = '\0';
  if (ended != nullptr) *ended = end;
  return length;
}

}  // namespace

TekstFil::TekstFil(const char* name) : Fil(name) {}

TekstFil::TekstFil(const TekstFil& other)
    : Fil(other),
      buffer_(other.buffer_ != nullptr ? new Streng(*other.buffer_) : nullptr),
      bufferSize_(other.bufferSize_) {}

TekstFil& TekstFil::operator=(const TekstFil& other) {
  if (this != &other) {
    Fil::operator=(other);
    Streng* copy = other.buffer_ != nullptr ? new Streng(*other.buffer_) : nullptr;
    delete buffer_;
    buffer_ = copy;
    bufferSize_ = other.bufferSize_;
  }
  return *this;
}

TekstFil::~TekstFil() {
  if (buffer_ != nullptr && !buffer_->IsEmpty()) {
    const bool written = LukkOpp("a") != 0 && std::fputs(buffer_->Get(), Peker()) >= 0;
    if (!written) ReportUnwritten("TekstFil::~TekstFil");
    CloseIfLast("TekstFil::~TekstFil");
  }
  delete buffer_;
}

int TekstFil::KlasseType() const { return -1; }

char* TekstFil::KlasseNavn() const {
  static char name[] = "TekstFil";
  return name;
}

unsigned char TekstFil::LeggTilLinje(const char* text) {
  if (text == nullptr || Peker() == nullptr) return 0;
  return std::fputs(text, Peker()) >= 0 ? 1 : 0;
}

unsigned char TekstFil::LeggTilLinje(const Streng* text) {
  return text != nullptr ? LeggTilLinje(text->Get()) : 0;
}

int TekstFil::LeggTilListe(DT_Nodeliste* list) {
  if (list == nullptr || Peker() == nullptr) return 0;
  int result = 1;
  for (list->AktiverForste(); list->Aktiv() != nullptr; list->AktiverNeste()) {
    if (const auto* line = dynamic_cast<const Streng*>(list->Aktiv())) {
      if (LeggTilLinje(line) == 0 || LeggTilLinje("\n") == 0) result = 0;
    }
  }
  return result;
}

int TekstFil::LesNesteLinje(Streng* line, const char* format, int flags) {
  if (line == nullptr) return 0;
  if (Peker() == nullptr && LukkOpp("rt") == 0) return 0;
  Chunk text;
  if (ReadChunk(Peker(), text) < 0) return 0;
  if (format != nullptr && (flags & 4) == 0) {
    line->Init(format, text);
  } else {
    line->Set(text, -1);
  }
  if ((flags & 8) != 0) {
    const int comment = line->Find("//");
    if (comment >= 0) line->SlettFra(comment);
  }
  return 1;
}

int TekstFil::InitListe(DT_Nodeliste* list, int flags) {
  if (list == nullptr) return 0;
  const bool wasOpen = Peker() != nullptr;
  if (!wasOpen && LukkOpp("rt") == 0) return 0;
  int result = 1;
  for (;;) {
    Streng* line = new (std::nothrow) Streng;
    if (line == nullptr) {
      result = Error1(
          "ERROR: TekstFil::InitListe(..)\nNot enough memory to create another Streng-object.");
      break;
    }
    if (LesNesteLinje(line, nullptr, flags) == 0) {
      delete line;
      break;
    }
    list->LeggTil(line);
  }
  if (!wasOpen) CloseStream("TekstFil::InitListe");
  return result;
}

Streng* TekstFil::GetLinje(unsigned short number) {
  LukkIgjen();
  if (LukkOpp("rt") == 0) return nullptr;
  Chunk text;
  for (unsigned long count = 1; ReadChunk(Peker(), text) >= 0; ++count) {
    if (number == 0) return nullptr;
    if (count == number) {
      auto* line = new Streng;
      *line = text;
      return line;
    }
  }
  return nullptr;
}

unsigned char TekstFil::SlettLinje(unsigned short number) {
  std::string tempName;
  std::FILE* temp = kx::platform::CreateTempFile(NavnExt(), tempName);
  if (temp == nullptr) return 0;
  LukkIgjen();
  bool ok = true;
  if (LukkOpp("rt") != 0) {
    Chunk text;
    bool ended = false;
    for (unsigned long count = 1;; ++count) {
      const int length = ReadChunk(Peker(), text, &ended);
      if (length < 0) break;
      if (count == number) continue;
      const auto size = static_cast<std::size_t>(length);
      ok = ok && std::fwrite(text, 1, size, temp) == size &&
           (!ended || std::fputc('\n', temp) != EOF);
    }
    ok = ok && std::ferror(Peker()) == 0;
  } else {
    // A file that does not exist is created empty; one that exists but cannot be read is kept.
    ok = Finnes(0) == 0;
  }
  ok = kx::platform::CloseFile(temp) && ok;
  CloseStream("TekstFil::SlettLinje");
  ok = ok && kx::platform::ReplaceFile(NavnExt(), tempName.c_str());
  if (!ok) kx::platform::RemoveFile(tempName.c_str());
  return ok ? 1 : 0;
}

unsigned char TekstFil::SetBufferStorrelse(unsigned short size) {
  bufferSize_ = size;
  delete buffer_;
  buffer_ = new Streng;
  return 1;
}

unsigned short TekstFil::GetBufferStorrelse() { return bufferSize_; }
