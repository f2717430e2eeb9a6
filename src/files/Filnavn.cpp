#include "kx/files/Filnavn.h"

#include <cerrno>
#include <string>

#include "files/Shared.h"
#include "foundation/Format.h"
#include "kx/files/Fil.h"
#include "kx/foundation/KxBasicAPI.h"
#include "kx/platform/Files.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Splits full into its four parts (see Filnavn::Splitt).
void SplitName(const std::string& full, std::string& drive, std::string& path, std::string& name,
               std::string& ext) {
  std::string work = full;
  ext.clear();
  // The extension: from the last '.' of the last component.
  for (std::size_t i = work.size(); i-- > 0;) {
    if (IsSeparator(work[i])) break;
    if (work[i] == '.') {
      ext = work.substr(i);
      work.resize(i);
      break;
    }
  }
  // The name: after the last separator found above position 0; a separator at position 0 belongs
  // to the name.
  name = work;
  path.clear();
  for (std::size_t i = work.size(); i-- > 1;) {
    if (IsSeparator(work[i]) || work[i] == ':') {
      name = work.substr(i + 1);
      path = work.substr(0, i + 1);
      break;
    }
  }
  const std::size_t colon = path.find(':');
  drive = colon == std::string::npos ? "" : path.substr(0, colon + 1);
}

// The path with its drive prefix (up to and including the first ':') removed.
std::string WithoutDrive(const std::string& path) {
  const std::size_t colon = path.find(':');
  return colon == std::string::npos ? path : path.substr(colon + 1);
}

const char* TextOf(const Streng* s) { return s != nullptr ? s->Get() : ""; }

}  // namespace

Filnavn::Filnavn() = default;

Filnavn::Filnavn(const Streng* name) : Filnavn(name != nullptr ? name->Get() : nullptr) {}

Filnavn::Filnavn(const char* name) { Streng::operator=(name); }

Filnavn::Filnavn(std::nullptr_t) {}

Filnavn::Filnavn(const Filnavn& other) = default;

Filnavn& Filnavn::operator=(const Filnavn& other) = default;

Filnavn::~Filnavn() = default;

int Filnavn::KlasseType() const { return -1; }

char* Filnavn::KlasseNavn() const {
  static char name[] = "Filnavn";
  return name;
}

void Filnavn::Derive() {
  if (split_ == 0) Splitt(nullptr, nullptr, nullptr, nullptr);
}

void Filnavn::Rebuild() { SettSammen(&drive_, &path_, &name_, &ext_); }

int Filnavn::Splitt(Streng* drive, Streng* path, Streng* name, Streng* ext) {
  std::string d, p, n, e;
  SplitName(Get(), d, p, n, e);
  drive_ = d.c_str();
  path_ = p.c_str();
  name_ = n.c_str();
  ext_ = e.c_str();
  if (drive != nullptr) drive->Set(d.c_str(), -1);
  if (path != nullptr) path->Set(p.c_str(), -1);
  if (name != nullptr) name->Set(n.c_str(), -1);
  if (ext != nullptr) ext->Set(e.c_str(), -1);
  return 1;
}

int Filnavn::SettSammen(Streng* drive, Streng* path, Streng* name, Streng* ext) {
  std::string p = TextOf(path);
  const std::string n = TextOf(name);
  // '/' ends a directory like '\', and a path ending in the drive's ':' ("C:", a drive-relative
  // name) needs no separator: "C:" + "profil" stays "C:profil". A separator that is added is the
  // one the path already uses, '\' when it has none.
  if (!p.empty() && IsSeparator(p.back())) {
    if (n.empty()) p.pop_back();
  } else if (!p.empty() && !n.empty() && p.back() != ':') {
    const std::size_t last = p.find_last_of("\\/");
    p += last == std::string::npos ? '\\' : p[last];
  }
  const std::string full = TextOf(drive) + WithoutDrive(p) + n + TextOf(ext);
  Set(full.c_str(), -1);
  return 1;
}

Streng* Filnavn::Drive(Streng* d) {
  Derive();
  if (d != nullptr) {
    drive_ = d->Get();
    Rebuild();
  }
  return &drive_;
}

Streng* Filnavn::Path(Streng* p) {
  Derive();
  if (p != nullptr) {
    path_ = p->Get();
    Rebuild();
  }
  if (!path_.IsEmpty() && IsSeparator(path_.Get(-1))) path_.Delete(-1);
  return &path_;
}

Streng* Filnavn::Navn(Streng* n) {
  Derive();
  if (n != nullptr) {
    name_ = n->Get();
    if (name_.IsEmpty()) ext_.Empty();
    Rebuild();
  }
  return &name_;
}

Streng* Filnavn::Ext(char* e) {
  Derive();
  if (e != nullptr) {
    ext_ = (*e != '\0' && *e != '.') ? (std::string(".") + e).c_str() : e;
    Rebuild();
  }
  return &ext_;
}

Streng* Filnavn::Ext(Streng* e) {
  return Ext(e != nullptr ? e->Get() : static_cast<char*>(nullptr));
}

Streng* Filnavn::NavnExt(Streng* ne) {
  Derive();
  if (ne != nullptr) {
    const std::string full = std::string(drive_.Get()) + WithoutDrive(path_.Get()) + ne->Get();
    Set(full.c_str(), -1);
    Derive();
  }
  composed_ = name_;
  composed_ += ext_;
  return &composed_;
}

Streng* Filnavn::PathNavnUtenExt() {
  Derive();
  composed_ = path_;
  composed_ += name_;
  return &composed_;
}

int Filnavn::Lovlig() {
  Fil file(Get());
  return file.Lovlig_Filnavn();
}

int Filnavn::InitUniktNavn(Streng*) {
  return Error1("Filnavn::InitUniktNavn\n Function is not working in ADS.\n Contact TK.");
}

int Filnavn::FilenFinnes(int showMessage) {
  // A file that exists but may not be read still exists.
  const int error = kx::platform::CheckAccess(Get(), kx::platform::kAccessRead);
  if (error == 0 || error == EACCES) return 1;
  if (showMessage != 0) Error1(GetTekstNr(5000, nullptr), Get());
  return 0;
}

int Filnavn::LesNavn(char* title, int flags, char* extensions) {
  // "txt;dat" becomes the pattern list "*.txt;*.dat".
  std::string filter;
  if (extensions != nullptr && *extensions != '\0') {
    filter = "*.";
    for (const char* c = extensions; *c != '\0'; ++c) {
      if (*c == ';') {
        filter += ";*.";
      } else {
        filter += *c;
      }
    }
  }
  Derive();
  Streng extension(ext_);
  char result[kx::detail::kDialogResultSize] = "";
  const int chosen = API(nullptr)->API_FileDialog(
      (flags & 1) != 0 ? 0 : 1, result, title, kx::detail::DialogExtension(extension.Get()),
      PathNavnUtenExt()->Get(), (flags & 32) != 0 ? 0 : 2, filter.empty() ? nullptr : &filter[0],
      nullptr);
  result[sizeof result - 1] = '\0';
  if (chosen == 0) return 0;
  Set(result, -1);
  UpStr(nullptr);
  Derive();
  return 1;
}
