#include "kx/foundation/FlatExports.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "foundation/FaultInjection.h"
#include "foundation/Format.h"
#include "foundation/Host.h"
#include "kx/foundation/IO_Enhet.h"
#include "kx/platform/ListBox.h"
#include "kx/resbuf/resbuf.h"

namespace {

// Process-wide state of the flat functions: zero when the library is loaded, unguarded.
int gLastErrorCode = 0;
std::intptr_t gSystemLong = 0;  // address of the current host interface object, or 0

constexpr int kOpenFileEntries = 100;
constexpr std::size_t kOpenFileNameSize = 512;  // a name of at most 511 characters
char gOpenFiles[kOpenFileEntries][kOpenFileNameSize] = {};

constexpr int kQueryErrorCode = -9999;

// Allocation failures on demand (the fault-injection build, KX_FAULT_INJECTION; see
// foundation/FaultInjection.h). Otherwise no allocation ever fails on purpose, and the calls below
// compile to nothing.
#if defined(KX_FAULT_INJECTION)
long gAllocations = 0;  // allocations asked for since the count restarted
long gFailAt = 0;       // the one that fails; 0: none
long gLiveBlocks = 0;   // blocks handed out and not yet released

bool InjectedFailure() { return ++gAllocations == gFailAt; }
void CountBlocks(long delta) { gLiveBlocks += delta; }
#else
constexpr bool InjectedFailure() { return false; }
constexpr void CountBlocks(long) {}
#endif

// Type codes whose records own a string on the C heap: RTSTR, the extended-data texts 1000 to
// 1002 and 1005, and the DXF text group codes 0 to 9.
bool OwnsString(short type) {
  return type == RTSTR || type == 1000 || type == 1001 || type == 1002 || type == 1005 ||
         (type >= 0 && type <= 9);
}

// ASCII comparison ignoring case ("C" locale rules, as file names in the table are compared).
bool EqualIgnoringCase(const char* a, const char* b) {
  auto fold = [](unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c; };
  for (;; ++a, ++b) {
    if (fold(static_cast<unsigned char>(*a)) != fold(static_cast<unsigned char>(*b))) return false;
    if (*a == '\0') return true;
  }
}

std::intptr_t InstallBuiltIn() {
  gSystemLong =
      reinterpret_cast<std::intptr_t>(static_cast<KxBasicAPI*>(&kx::detail::BuiltInAPI()));
  return gSystemLong;
}

void ShowSystemLong(const char* function, std::intptr_t value) {
  char text[kx::detail::kTextBufferSize];
  kx::detail::Format(text, sizeof text, "%s(DOVERO01_SL_VALUENAME) == %ld", function,
                     static_cast<long>(value));
  kx::detail::ShowApplicationMessage(text);
}

}  // namespace

extern "C" {

void* nc_get_mem(unsigned size) {
  if (InjectedFailure()) return nullptr;
  void* p = std::malloc(size);
  if (p != nullptr) CountBlocks(1);
  return p;
}

int nc_free_mem(void* p) {
  if (p == nullptr) return 0;
  std::free(p);
  CountBlocks(-1);
  return 1;
}

char* nc_strdup(const char* s) {
  if (s == nullptr || InjectedFailure()) return nullptr;
  const std::size_t size = std::strlen(s) + 1;
  auto* copy = static_cast<char*>(std::malloc(size));
  if (copy == nullptr) return nullptr;
  CountBlocks(1);
  std::memcpy(copy, s, size);
  return copy;
}

int KMR00_free(void* p) { return nc_free_mem(p); }

char* KMR00_strdup(const char* s) { return nc_strdup(s); }

resbuf* WINKMR00_newrb(short type) {
  auto* record =
      InjectedFailure() ? nullptr : static_cast<resbuf*>(std::calloc(1, sizeof(resbuf)));
  if (record == nullptr) {
    kx::detail::ShowApplicationMessage("WINKMR00_newrb failed. OUT OF MEMORY ?");
    return nullptr;
  }
  CountBlocks(1);
  record->rbnext = nullptr;
  record->restype = type;
  record->resval.rstring = nullptr;  // calloc's zero bytes are a null pointer on our platforms too
  return record;
}

int WINKMR00_relrb(resbuf* chain) {
  while (chain != nullptr) {
    resbuf* next = chain->rbnext;
    if (OwnsString(chain->restype) && chain->resval.rstring != nullptr) {
      nc_free_mem(chain->resval.rstring);
      chain->resval.rstring = nullptr;
    }
    std::free(chain);
    CountBlocks(-1);
    chain = next;
  }
  return 1;
}

int WINKMR00_ErrCode(int code) {
  if (code == kQueryErrorCode) return gLastErrorCode;
  gLastErrorCode = code;
  return 0;
}

std::intptr_t DOVERO01_GetSystemLong(int mode) {
  switch (mode) {
    case 0:
      return InstallBuiltIn();
    case 1:
      ShowSystemLong("DOVERO01_GetSystemLong", gSystemLong);
      return gSystemLong;
    default:
      return gSystemLong;
  }
}

int DOVERO01_SetSystemLong(int mode, std::intptr_t value) {
  switch (mode) {
    case 0:
      InstallBuiltIn();
      break;
    case 1:
      ShowSystemLong("DOVERO01_SetSystemLong", value);
      break;
    case 2:
      gSystemLong = value;
      break;
    case 3:
      if (gSystemLong == value) gSystemLong = 0;
      break;
    default:
      break;
  }
  return 1;
}

int DOVERO01_OpenFileList(const char* name, int mode, void* listBox) {
  if (listBox != nullptr) {
    auto* list = static_cast<kx::platform::ListBox*>(listBox);
    for (const char* entry : gOpenFiles) {
      if (entry[0] != '\0') list->AddString(entry);
    }
    return 1;
  }
  if (name == nullptr) return 0;
  switch (mode) {
    case 0:
      for (const char* entry : gOpenFiles) {
        if (entry[0] != '\0' && EqualIgnoringCase(entry, name)) return 1;
      }
      return 0;
    case 1: {
      // A name that would not fit an entry is refused rather than stored cut: a cut name would
      // answer queries for a different file.
      if (name[0] == '\0' || std::strlen(name) >= kOpenFileNameSize) return 0;
      for (char* entry : gOpenFiles) {
        if (entry[0] == '\0') {
          kx::detail::CopyBounded(entry, kOpenFileNameSize, name);
          return 1;
        }
      }
      return 0;
    }
    case 2:
      for (char* entry : gOpenFiles) {
        if (entry[0] != '\0' && EqualIgnoringCase(entry, name)) {
          entry[0] = '\0';
          return 1;
        }
      }
      return 0;
    default:
      return 0;
  }
}

int DOVERO01_TRACE1(const char*) { return 0; }

#if defined(KX_FAULT_INJECTION)
void kx_fault_fail_allocation(long nth) {
  gFailAt = nth;
  gAllocations = 0;
}

long kx_fault_allocations() { return gAllocations; }

long kx_fault_live_blocks() { return gLiveBlocks; }
#endif

}  // extern "C"
