#include "kx/foundation/IO_Enhet.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "foundation/Format.h"
#include "foundation/Host.h"
#include "foundation/UnloadSafe.h"
#include "kx/foundation/FlatExports.h"
#include "kx/platform/FileDialog.h"
#include "kx/platform/Files.h"
#include "kx/platform/MessageBox.h"

namespace {

constexpr const char* kTraceFileName = "ORVADEBU.ERR";
constexpr long kTraceOn = 8;      // debug mode flag: append every message to the trace file
constexpr long kTraceTagged = 4;  // debug mode flag: entries in the form DEBUG2[text]

// The built-in host interface: built when the library is loaded, destroyed when it is unloaded;
// a message sent after that gets a fresh one (see UnloadSafe).
kx::detail::UnloadSafe<IO_Enhet> gBuiltIn;

struct BuiltInLifetime {
  BuiltInLifetime() { gBuiltIn.Get(); }
  ~BuiltInLifetime() { gBuiltIn.Unload(); }  // the dying object stops being current
};
const BuiltInLifetime gBuiltInLifetime;

}  // namespace

namespace kx::detail {

IO_Enhet& BuiltInAPI() { return gBuiltIn.Get(); }

KxBasicAPI* CurrentAPI() {
  auto* current = reinterpret_cast<KxBasicAPI*>(DOVERO01_GetSystemLong(2));
  if (current == nullptr) current = reinterpret_cast<KxBasicAPI*>(DOVERO01_GetSystemLong(0));
  return current;
}

const char* ApplicationTitle() {
  // The name the host gave the current host interface, else the built-in one's; asking does not
  // install anything.
  auto* current = reinterpret_cast<KxBasicAPI*>(DOVERO01_GetSystemLong(2));
  if (current != nullptr && current->API_ProgramName() != nullptr)
    return current->API_ProgramName();
  IO_Enhet* builtIn = gBuiltIn.Peek();
  if (builtIn != nullptr && builtIn->API_ProgramName() != nullptr)
    return builtIn->API_ProgramName();
  return "kxlib";
}

int ShowApplicationMessage(const char* text) {
  return kx::platform::ShowMessageBox(text, ApplicationTitle(), 0);
}

}  // namespace kx::detail

IO_Enhet::IO_Enhet() : KxBasicAPI(512) {}

IO_Enhet::~IO_Enhet() = default;

int IO_Enhet::API_Printf(char* text) { return SkrivCharStreng(text); }

char* IO_Enhet::API_GetText(long number, char* buffer) { return GetTekstNr(number, buffer); }

int IO_Enhet::KlasseType() const { return 1; }

char* IO_Enhet::KlasseNavn() const {
  static char name[] = "IO_Enhet";
  return name;
}

char* IO_Enhet::GetTekstNr(long, char* buffer) {
  static char empty[1] = "";
  return buffer != nullptr ? buffer : empty;
}

int IO_Enhet::SkrivCharStreng(char* text) {
  // This object's own program name first: a host that derives its own IO_Enhet names its boxes.
  const char* title = API_ProgramName();
  kx::platform::ShowMessageBox(text, title != nullptr ? title : kx::detail::ApplicationTitle(), 0);
  return 0;
}

int IO_Enhet::SkrivDebugStreng(char* text) {
  if (debugMode_ > 0 && (debugMode_ & kTraceOn) != 0) {
    // Opened and closed for every message, so that each entry is on disk at once and the file is
    // never held open between calls. A file that cannot be opened is ignored.
    if (std::FILE* trace = kx::platform::OpenFile(kTraceFileName, "a")) {
      if (text == nullptr) {
        std::fputs("\nDEBUG IO_Enhet::SkrivCharStreng( NULL )", trace);
      } else if ((debugMode_ & kTraceTagged) != 0) {
        std::fprintf(trace, "DEBUG2[%s]", text);
      } else {
        std::fputs(text, trace);
      }
      kx::platform::CloseFile(trace);
    }
  }
  return SkrivCharStreng(text);
}

int IO_Enhet::LesCharStreng(char* buffer) { return API_GetStr(buffer); }

int IO_Enhet::LesTall(int*) {
  return API_MessageBox("IO_Enhet::LesTall( int *enInt ) is not created yet !", "Message", 0);
}

int IO_Enhet::LesTall(long*) {
  return API_MessageBox("IO_Enhet::LesTall( long int *enLongint ) is not created yet !", "Message",
                        0);
}

int IO_Enhet::LesTall(float*) {
  return API_MessageBox("IO_Enhet::LesTall( float *enFloat ) is not created yet !", "Message", 0);
}

int IO_Enhet::LesTall(double*) {
  return API_MessageBox("IO_Enhet::LesTall( double *enDouble ) is not created yet !", "Message", 0);
}

long IO_Enhet::DebugMode(long mode) {
  if (mode != -1) debugMode_ = mode;
  return debugMode_;
}

namespace {

// The dialog's filter list: NUL between the entries and a second NUL at the end. Callers write '|'
// where the list has its NULs (a C string cannot hold them); no filter gives "All files (*.*)".
// A plain pattern list without '|' ("*.txt;*.dat", as Filnavn::LesNavn hands over) is one entry
// that shows the patterns as its description.
std::string DialogFilter(const char* filter) {
  std::string list = (filter != nullptr && *filter != '\0') ? filter : "All files (*.*)|*.*|";
  if (list.find('|') == std::string::npos) list += '|' + list;
  for (char& c : list) {
    if (c == '|') c = '\0';
  }
  if (list.back() != '\0') list.push_back('\0');
  list.push_back('\0');
  return list;
}

}  // namespace

int IO_Enhet::API_FileDialog(int open, char* result, char* title, char* defaultExt, char* fileName,
                             unsigned long, char* filter, void*) {
  const std::string filterList = DialogFilter(filter);
  kx::platform::FileDialogRequest request;
  request.open = open != 0;
  request.title = title;
  request.defaultExt = defaultExt;
  request.initialName = fileName;
  request.filter = filterList.c_str();
  request.options = kx::platform::kHideReadOnly | kx::platform::kOverwritePrompt;
  std::string path;
  if (!kx::platform::ShowFileDialog(request, path)) return 0;
  if (result != nullptr) kx::detail::CopyBounded(result, kx::detail::kTextBufferSize, path.c_str());
  return 1;
}
