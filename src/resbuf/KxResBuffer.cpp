#include "kx/resbuf/KxResBuffer.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>

#include "kx/foundation/FlatExports.h"
#include "kx/geometry/DT_Punkt.h"
#include "kx/numbers/DT_Double.h"
#include "kx/numbers/DT_Int.h"
#include "kx/numbers/DT_Longint.h"
#include "kx/text/Streng.h"
#include "resbuf/Records.h"

namespace {

using kx::detail::IsTextCode;
using kx::detail::ReleaseChain;

// Failure codes of our own, beside those of the single operations.
constexpr int kBorrowed = -5;      // the buffer holds borrowed records / the record is borrowed
constexpr int kKindMismatch = -6;  // a text for a number code, or a number for a text code
constexpr int kSizeOverflow = -7;  // SizeInBytes: the sum does not fit an int
constexpr int kOutOfMemory = -8;   // a record or a text could not be allocated

// The end of chain, or null when the chain loops back on itself (tortoise and hare).
resbuf* EndOf(resbuf* chain) {
  resbuf* slow = chain;
  resbuf* fast = chain;
  while (fast->rbnext != nullptr && fast->rbnext->rbnext != nullptr) {
    slow = slow->rbnext;
    fast = fast->rbnext->rbnext;
    if (slow == fast) return nullptr;
  }
  return fast->rbnext != nullptr ? fast->rbnext : fast;
}

// A record's text, "" for a text record holding none.
char* TextOf(resbuf* rec) {
  static char empty[] = "";
  return rec->resval.rstring != nullptr ? rec->resval.rstring : empty;
}

// Gives rec the restype code. A text record that stops being one releases its text (and holds a
// zero value); a record that becomes a text record starts with an empty text. Records thus own a
// text exactly when their code says so, which is what releasing them relies on.
void SetCode(resbuf* rec, int code) {
  const short type = static_cast<short>(code);
  const bool wasText = IsTextCode(rec->restype), isText = IsTextCode(type);
  if (wasText && !isText) {
    KMR00_free(rec->resval.rstring);
    std::memset(&rec->resval, 0, sizeof rec->resval);
  } else if (!wasText && isText) {
    std::memset(&rec->resval, 0, sizeof rec->resval);
    rec->resval.rstring = KMR00_strdup("");
  }
  rec->restype = type;
}

// Replaces the text of a text record with a copy of text; false (nothing changed) when no copy can
// be made. The copy is made first, so text may be the record's own.
bool ReplaceText(resbuf* rec, const char* text) {
  char* copy = KMR00_strdup(text);
  if (copy == nullptr) return false;
  KMR00_free(rec->resval.rstring);
  rec->resval.rstring = copy;
  return true;
}

void StorePoint(resbuf* rec, const DT_Punkt& p) {
  for (unsigned i = 0; i < 3; ++i) rec->resval.rpoint[i] = p[i];
}

void StoreName(resbuf* rec, const long* name) {
  rec->resval.rlname[0] = static_cast<std::int32_t>(name[0]);
  rec->resval.rlname[1] = static_cast<std::int32_t>(name[1]);
}

}  // namespace

KxResBuffer::KxResBuffer(resbuf* chain, int autoSlett) : autoSlett_(autoSlett == 0 ? 0 : 1) {
  if (chain == nullptr) return;
  resbuf* end = EndOf(chain);
  if (end == nullptr) {
    ErrorKode(-1);
    return;
  }
  first_ = chain;
  last_ = end;
}

KxResBuffer::~KxResBuffer() {
  if (autoSlett_ == 1) SlettListen(nullptr);
}

int KxResBuffer::KlasseType() const { return -1; }

char* KxResBuffer::KlasseNavn() const {
  static char name[] = "KxResBuffer";
  return name;
}

int KxResBuffer::AutoSlett(int autoSlett) {
  if (autoSlett == 0 || autoSlett == 1) autoSlett_ = autoSlett;
  return autoSlett_;
}

// Positions and counting ---------------------------------------------------------------------

resbuf* KxResBuffer::Get(unsigned short n) const {
  if (n == 0) return last_;
  resbuf* rec = first_;
  for (unsigned i = 1; rec != nullptr && i < n; ++i) rec = rec->rbnext;
  return rec;
}

resbuf* KxResBuffer::GetKode(int code, int occurrence, resbuf* start) const {
  if (occurrence < 1) return nullptr;
  for (resbuf* rec = start != nullptr ? start : first_; rec != nullptr; rec = rec->rbnext) {
    if (rec->restype == code && --occurrence == 0) return rec;
  }
  return nullptr;
}

unsigned short KxResBuffer::Lengde() const {
  unsigned short count = 0;
  for (resbuf* rec = first_; rec != nullptr; rec = rec->rbnext) ++count;
  return count;
}

// Adding -------------------------------------------------------------------------------------

int KxResBuffer::AddResBuffer(resbuf* chain) {
  if (chain == nullptr) return 0;
  // Appending behind borrowed records would rewrite the link of a record another chain owns.
  if (Borrowing()) return ErrorKode(kBorrowed);
  // Two chains that share a record share their end: appending would make the chain loop.
  resbuf* end = EndOf(chain);
  if (end == nullptr || end == last_) return ErrorKode(-1);
  if (first_ == nullptr) {
    first_ = chain;
  } else {
    last_->rbnext = chain;
  }
  last_ = end;
  return 1;
}

int KxResBuffer::AddRecord(resbuf* rec) {
  if (rec == nullptr) return 0;
  if (AddResBuffer(rec) != 0) return 1;
  ReleaseChain(rec);
  return 0;
}

resbuf* KxResBuffer::NewRecord(int code, bool text) {
  if (IsTextCode(static_cast<short>(code)) != text) {
    ErrorKode(kKindMismatch);
    return nullptr;
  }
  return Allocate(code);
}

resbuf* KxResBuffer::Allocate(int code) {
  resbuf* rec = WINKMR00_newrb(static_cast<short>(code));
  if (rec == nullptr) ErrorKode(kOutOfMemory);
  return rec;
}

int KxResBuffer::Add(resbuf* chain) { return AddResBuffer(chain); }

int KxResBuffer::Add(KxResBuffer* other, int deleteOther) {
  if (other == nullptr) return 0;
  if (other == this) return ErrorKode(-1);
  // Moving borrowed records would make this buffer release what another chain owns.
  if (other->Borrowing()) return ErrorKode(kBorrowed);
  if (other->first_ != nullptr) {
    if (AddResBuffer(other->first_) == 0) return 0;
    other->first_ = other->last_ = nullptr;
  }
  if (deleteOther != 0) delete other;
  return 1;
}

int KxResBuffer::Add(int code) { return AddRecord(Allocate(code)); }

int KxResBuffer::Add(int code, double real) {
  resbuf* rec = NewRecord(code, false);
  if (rec != nullptr) rec->resval.rreal = real;
  return AddRecord(rec);
}

int KxResBuffer::Add(int code, const DT_Double* real) {
  return real != nullptr ? Add(code, real->Get()) : 0;
}

int KxResBuffer::Add(int code, const double* xyz) {
  if (xyz == nullptr) return 0;
  resbuf* rec = NewRecord(code, false);
  if (rec != nullptr) std::memcpy(rec->resval.rpoint, xyz, sizeof rec->resval.rpoint);
  return AddRecord(rec);
}

int KxResBuffer::Add(int code, const DT_Punkt* point) {
  if (point == nullptr) return 0;
  resbuf* rec = NewRecord(code, false);
  if (rec != nullptr) StorePoint(rec, *point);
  return AddRecord(rec);
}

int KxResBuffer::Add(int code, int shortValue) {
  resbuf* rec = NewRecord(code, false);
  if (rec != nullptr) rec->resval.rint = static_cast<short>(shortValue);
  return AddRecord(rec);
}

int KxResBuffer::Add(int code, const DT_Int* shortValue) {
  return shortValue != nullptr ? Add(code, shortValue->Get()) : 0;
}

int KxResBuffer::Add(int code, const char* text) {
  if (text == nullptr) return 0;
  resbuf* rec = NewRecord(code, true);
  if (rec == nullptr) return 0;
  if (!ReplaceText(rec, text)) {
    ReleaseChain(rec);
    return ErrorKode(kOutOfMemory);
  }
  return AddRecord(rec);
}

int KxResBuffer::Add(int code, const Streng* text) {
  return text != nullptr ? Add(code, text->Get()) : 0;
}

int KxResBuffer::Add(int code, const long* entityName) {
  if (entityName == nullptr) return 0;
  resbuf* rec = NewRecord(code, false);
  if (rec != nullptr) StoreName(rec, entityName);
  return AddRecord(rec);
}

int KxResBuffer::Add(int code, const DT_Longint* value) {
  if (value == nullptr) return 0;
  resbuf* rec = NewRecord(code, false);
  if (rec != nullptr) rec->resval.rlong = static_cast<std::int32_t>(value->Get());
  return AddRecord(rec);
}

int KxResBuffer::AddCopyOf(resbuf* chain) {
  if (chain == nullptr) return ErrorKode(-1);
  if (Borrowing()) return ErrorKode(kBorrowed);
  // The end is taken first: copying the buffer's own records must not copy the copies.
  resbuf* end = EndOf(chain);
  if (end == nullptr) return ErrorKode(-1);
  for (resbuf* rec = chain;; rec = rec->rbnext) {
    const int type = GetResType(rec);
    if (type != RTREAL && type != RTPOINT && type != RTSHORT && type != RTSTR && type != RTENAME &&
        type != RTLONG && type != -3) {
      return ErrorKode(-2);
    }
    resbuf* copy = Allocate(rec->restype);
    if (copy == nullptr) return 0;
    if (type == RTSTR) {
      // A copy that lost its text would pass for an empty text: it is not added.
      copy->resval.rstring = KMR00_strdup(TextOf(rec));
      if (copy->resval.rstring == nullptr) {
        ReleaseChain(copy);
        return ErrorKode(kOutOfMemory);
      }
    } else if (type != -3) {
      copy->resval = rec->resval;
    }
    if (AddRecord(copy) == 0) return 0;
    if (rec == end) return 1;
  }
}

int KxResBuffer::AddCopyOf(KxResBuffer* other) {
  return other != nullptr ? AddCopyOf(other->first_) : ErrorKode(-1);
}

int KxResBuffer::AddLink(resbuf* chain) {
  if (chain == nullptr) return ErrorKode(-1);
  if (Borrowing()) return ErrorKode(kBorrowed);
  resbuf* end = EndOf(chain);
  if (end == nullptr || end == last_) return ErrorKode(-1);
  if (last_ == nullptr) {
    BecomeView();
    first_ = chain;
  } else {
    linkMark_ = last_;
    last_->rbnext = chain;
  }
  last_ = end;
  return 1;
}

int KxResBuffer::AddLink(KxResBuffer* other) {
  return other != nullptr ? AddLink(other->first_) : ErrorKode(-1);
}

void KxResBuffer::BecomeView() {
  autoSlettBeforeView_ = autoSlett_;
  autoSlett_ = 0;
  borrowsAll_ = true;
  linkMark_ = nullptr;
}

// Reading and overwriting values ---------------------------------------------------------------

resbuf* KxResBuffer::Find(int code, int occurrence, bool text) {
  resbuf* rec = GetKode(code, occurrence, nullptr);
  if (rec != nullptr && IsTextCode(rec->restype) != text) {
    ErrorKode(kKindMismatch);
    return nullptr;
  }
  return rec;
}

int KxResBuffer::Get(int code, DT_Double* real, int occurrence) {
  resbuf* rec = real != nullptr ? Find(code, occurrence, false) : nullptr;
  return rec != nullptr ? (real->Init(rec->resval.rreal), 1) : 0;
}

int KxResBuffer::Get(int code, DT_Punkt* point, int occurrence) {
  resbuf* rec = point != nullptr ? Find(code, occurrence, false) : nullptr;
  return rec != nullptr ? (point->Init(rec->resval.rpoint), 1) : 0;
}

int KxResBuffer::Get(int code, DT_Int* shortValue, int occurrence) {
  resbuf* rec = shortValue != nullptr ? Find(code, occurrence, false) : nullptr;
  return rec != nullptr ? (shortValue->Init(static_cast<int>(rec->resval.rint)), 1) : 0;
}

int KxResBuffer::Get(int code, Streng* text, int occurrence) {
  resbuf* rec = text != nullptr ? Find(code, occurrence, true) : nullptr;
  return rec != nullptr ? (text->CopyFrom(TextOf(rec), -1, 0), 1) : 0;
}

int KxResBuffer::Get(int code, long* entityName, int occurrence) {
  resbuf* rec = entityName != nullptr ? Find(code, occurrence, false) : nullptr;
  if (rec == nullptr) return 0;
  entityName[0] = rec->resval.rlname[0];
  entityName[1] = rec->resval.rlname[1];
  return 1;
}

int KxResBuffer::Get(int code, DT_Longint* value, int occurrence) {
  resbuf* rec = value != nullptr ? Find(code, occurrence, false) : nullptr;
  return rec != nullptr ? (value->Init(static_cast<long>(rec->resval.rlong)), 1) : 0;
}

// Each Set: the record found (of the right kind) is overwritten; none found and addIfMissing
// appends with the matching Add; a record of the other kind fails with -6.
#define KX_SET_VALUE(isText, addValue, store)             \
  do {                                                    \
    if (GetKode(code, occurrence, nullptr) == nullptr) {  \
      return addIfMissing != 0 ? Add(code, addValue) : 0; \
    }                                                     \
    resbuf* rec = Find(code, occurrence, isText);         \
    if (rec == nullptr) return 0;                         \
    store;                                                \
    return 1;                                             \
  } while (0)

int KxResBuffer::Set(int code, double real, int occurrence, int addIfMissing) {
  KX_SET_VALUE(false, real, rec->resval.rreal = real);
}

int KxResBuffer::Set(int code, const DT_Double* real, int occurrence, int addIfMissing) {
  return real != nullptr ? Set(code, real->Get(), occurrence, addIfMissing) : 0;
}

int KxResBuffer::Set(int code, const DT_Punkt* point, int occurrence, int addIfMissing) {
  if (point == nullptr) return 0;
  KX_SET_VALUE(false, point, StorePoint(rec, *point));
}

int KxResBuffer::Set(int code, int shortValue, int occurrence, int addIfMissing) {
  KX_SET_VALUE(false, shortValue, rec->resval.rint = static_cast<short>(shortValue));
}

int KxResBuffer::Set(int code, const DT_Int* shortValue, int occurrence, int addIfMissing) {
  return shortValue != nullptr ? Set(code, shortValue->Get(), occurrence, addIfMissing) : 0;
}

int KxResBuffer::Set(int code, const char* text, int occurrence, int addIfMissing) {
  if (text == nullptr) return 0;
  KX_SET_VALUE(true, text, if (!ReplaceText(rec, text)) return ErrorKode(kOutOfMemory));
}

int KxResBuffer::Set(int code, const Streng* text, int occurrence, int addIfMissing) {
  return text != nullptr ? Set(code, text->Get(), occurrence, addIfMissing) : 0;
}

int KxResBuffer::Set(int code, const long* entityName, int occurrence, int addIfMissing) {
  if (entityName == nullptr) return 0;
  KX_SET_VALUE(false, entityName, StoreName(rec, entityName));
}

int KxResBuffer::Set(int code, const DT_Longint* value, int occurrence, int addIfMissing) {
  if (value == nullptr) return 0;
  KX_SET_VALUE(false, value, rec->resval.rlong = static_cast<std::int32_t>(value->Get()));
}

#undef KX_SET_VALUE

// Inserting and removing -----------------------------------------------------------------------

int KxResBuffer::InsertElement(int type, HovedObjekt* value, int code, int position) {
  const int restype = (code == -1 || code == -3) ? type : code;
  if (Borrowing()) return ErrorKode(kBorrowed);
  // The value must be of the class the type names (checked, so that a wrong object is refused
  // rather than read as another class), and a text only goes into a text record.
  bool fits = true;
  switch (type) {
    case RTPOINT:
    case RT3DPOINT:
      fits = value == nullptr || dynamic_cast<DT_Punkt*>(value) != nullptr;
      break;
    case RTREAL:
      fits = value == nullptr || dynamic_cast<DT_Double*>(value) != nullptr;
      break;
    case RTSHORT:
      fits = value == nullptr || dynamic_cast<DT_Int*>(value) != nullptr;
      break;
    case RTSTR:
      fits = value == nullptr || dynamic_cast<Streng*>(value) != nullptr;
      break;
    case RTLONG:
      fits = value == nullptr || dynamic_cast<DT_Longint*>(value) != nullptr;
      break;
    default:
      break;  // -1, -3 take no value; other types are reported once the record is placed
  }
  const bool valueType = type == RTPOINT || type == RT3DPOINT || type == RTREAL ||
                         type == RTSHORT || type == RTSTR || type == RTLONG;
  if (!fits || (valueType && IsTextCode(static_cast<short>(restype)) != (type == RTSTR))) {
    return ErrorKode(kKindMismatch);
  }

  // The text is copied before anything is placed, so that a copy that cannot be made leaves the
  // buffer as it was.
  char* text = nullptr;
  if (type == RTSTR) {
    text = KMR00_strdup(Streng(static_cast<Streng*>(value)).Get());
    if (text == nullptr) return ErrorKode(-1);
  }
  resbuf* rec = WINKMR00_newrb(static_cast<short>(code));
  if (rec == nullptr) {
    KMR00_free(text);
    return ErrorKode(-1);
  }
  if (first_ == nullptr || position < 1 || position > Lengde()) {
    if (AddResBuffer(rec) == 0) {
      KMR00_free(text);
      ReleaseChain(rec);
      return 0;
    }
  } else if (position == 1) {
    rec->rbnext = first_;
    first_ = rec;
  } else {
    resbuf* pred = Get(static_cast<unsigned short>(position - 1));
    rec->rbnext = pred->rbnext;
    pred->rbnext = rec;
  }

  switch (type) {
    case RTPOINT:
    case RT3DPOINT:
      StorePoint(rec, DT_Punkt(static_cast<DT_Punkt*>(value)));
      break;
    case RTREAL:
      rec->resval.rreal = DT_Double(static_cast<DT_Double*>(value)).Get();
      break;
    case RTSHORT:
      rec->resval.rint = static_cast<short>(DT_Int(static_cast<DT_Int*>(value)).Get());
      break;
    case RTSTR:
      rec->resval.rstring = text;
      break;
    case RTLONG:
      rec->resval.rlong =
          static_cast<std::int32_t>(DT_Longint(static_cast<DT_Longint*>(value)).Get());
      break;
    case -1:
    case -3:
      break;
    default:
      return Error1("KxResBuffer: Not a valid RT-Code %d.", type);
  }
  rec->restype = static_cast<short>(restype);
  return 1;
}

int KxResBuffer::Remove(resbuf* pred, resbuf* rec) {
  // A borrowed record is one after the link mark, or any record of a wholly borrowed chain.
  bool borrowed = borrowsAll_;
  for (resbuf* r = linkMark_; r != nullptr && !borrowed; r = r->rbnext) borrowed = r->rbnext == rec;
  if (borrowed) return ErrorKode(kBorrowed);

  if (pred == nullptr) {
    first_ = rec->rbnext;
  } else {
    pred->rbnext = rec->rbnext;
  }
  if (rec == last_) last_ = pred;
  // The link mark names the last own record: its predecessor takes over; with no own record left
  // the buffer is a view of the borrowed records alone.
  if (rec == linkMark_) {
    linkMark_ = pred;
    if (pred == nullptr) BecomeView();
  }
  rec->rbnext = nullptr;
  ReleaseChain(rec);
  return 1;
}

int KxResBuffer::Delete(int code, int occurrence) {
  if (occurrence < 1) return ErrorKode(-2);
  resbuf* pred = nullptr;
  for (resbuf* rec = first_; rec != nullptr; pred = rec, rec = rec->rbnext) {
    if (rec->restype == code && --occurrence == 0) return Remove(pred, rec);
  }
  return ErrorKode(-1);
}

int KxResBuffer::DeleteElement(int position) {
  if (position < 1 || first_ == nullptr) return 1;
  resbuf* pred = nullptr;
  resbuf* rec = first_;
  for (int i = 1; i < position && rec != nullptr; ++i) {
    pred = rec;
    rec = rec->rbnext;
  }
  return rec != nullptr ? Remove(pred, rec) : 1;
}

int KxResBuffer::SlettListen(resbuf* from) {
  if (first_ == nullptr) return 0;
  if (borrowsAll_) {
    // Nothing here is ours to release: let go of the chain, and own again what comes later.
    first_ = last_ = nullptr;
    borrowsAll_ = false;
    autoSlett_ = autoSlettBeforeView_;
    return 1;
  }
  if (linkMark_ != nullptr) {
    if (last_ == nullptr) return Error1("KxResBuffer, fatal ERROR: siste=NULL.");
    last_ = linkMark_;
    last_->rbnext = nullptr;
    linkMark_ = nullptr;
  }
  if (from != nullptr && from != first_) {
    for (resbuf* pred = first_; pred->rbnext != nullptr; pred = pred->rbnext) {
      if (pred->rbnext == from) {
        last_ = pred;
        pred->rbnext = nullptr;
        ReleaseChain(from);
        return 1;
      }
    }
  }
  ReleaseChain(first_);
  first_ = last_ = nullptr;
  return 1;
}

// Searching -------------------------------------------------------------------------------------

int KxResBuffer::Exist(int code, KxResBuffer* found) {
  resbuf* rec = GetKode(code, 1, nullptr);
  if (rec == nullptr) return 0;
  if (found != nullptr) found->AddLink(rec);
  return 1;
}

int KxResBuffer::Exist(int code, Streng* text, int mode, KxResBuffer* found) {
  if (text == nullptr) return ErrorKode(-1);
  int occurrence = 1;
  // The search ends after the last record: GetKode from a null start would begin again at the
  // first.
  for (resbuf* rec = GetKode(code, 1, nullptr); rec != nullptr;
       rec = rec->rbnext != nullptr ? GetKode(code, 1, rec->rbnext) : nullptr, ++occurrence) {
    if (occurrence == 1 && GetResType(rec) != RTSTR) return ErrorKode(-2);
    bool match;
    if (mode == 1) {
      match = text->Lik(TextOf(rec), text->Lengde(), 0) != 0;
    } else if (mode == 2) {
      const int at = text->HvorEr(TextOf(rec), 1);
      match = at > 0 || (at == 0 && ErrorKode(-9999) == 0);
    } else {
      match = text->Lik(TextOf(rec), 0, 0) != 0;
    }
    if (!match) continue;
    if (mode != 1 && found != nullptr) found->AddLink(rec);
    return occurrence;
  }
  return 0;
}

// Codes -----------------------------------------------------------------------------------------

int KxResBuffer::GetResType(resbuf* rec) {
  if (rec == nullptr) return 0;
  const int type = kx::detail::ValueType(rec->restype);
  if (type == 0) Printf("\nKxResBuffer::GetResType - Unknown RESTYPE %d", rec->restype);
  return type;
}

int KxResBuffer::ChangeCode(int oldCode, int newCode, resbuf* rec) {
  if (rec == nullptr) rec = first_;
  if (rec == nullptr) return ErrorKode(-3);
  if (rec->restype != oldCode && oldCode != -999) return ErrorKode(-4);
  if (newCode == -1) {
    newCode = GetResType(rec);
    if (newCode == 0) return ErrorKode(-2);
  }
  SetCode(rec, newCode);
  return 1;
}

int KxResBuffer::ChangeAllCodes(int oldCode, int newCode, resbuf* start) {
  if (start == nullptr) start = first_;
  if (start == nullptr) return ErrorKode(-3);
  for (resbuf* rec = start; rec != nullptr; rec = rec->rbnext) {
    if (ChangeCode(oldCode, newCode, rec) == 0 && ErrorKode(-9999) != -4) return 0;
  }
  return 1;
}

int KxResBuffer::ChangeDXFtoRTCodes() {
  if (first_ == nullptr) return ErrorKode(-1);
  for (resbuf* rec = first_; rec != nullptr; rec = rec->rbnext) {
    const int type = GetResType(rec);
    if (type == 0) return ErrorKode(-2);
    SetCode(rec, type);
  }
  return 1;
}

int KxResBuffer::ChangeType(int code, int newCode, int occurrence, int resetText) {
  resbuf* rec = GetKode(code, occurrence, nullptr);
  if (rec == nullptr) return ErrorKode(-1);
  // resetText asks the record's value type (an unknown restype is reported, as everywhere). The
  // old text is released whether or not resetText asks for it: a text left behind in a record of
  // another code would be lost, and a text record gets a new empty text below anyway.
  if (resetText != 0) GetResType(rec);
  if (IsTextCode(rec->restype)) {
    KMR00_free(rec->resval.rstring);
    std::memset(&rec->resval, 0, sizeof rec->resval);
  }
  rec->restype = static_cast<short>(newCode);
  if (GetResType(rec) == RTSTR) rec->resval.rstring = KMR00_strdup("");
  return 1;
}

// Measuring and showing -------------------------------------------------------------------------

int KxResBuffer::SizeInBytes(resbuf* start, int* bytes, int align, int all) {
  if (start == nullptr) start = first_;
  if (start == nullptr) return ErrorKode(-1);
  if (bytes == nullptr) return ErrorKode(-2);
  std::int64_t sum = 0;
  int count = 0;
  for (resbuf* rec = start; rec != nullptr; rec = all != 0 ? rec->rbnext : nullptr) {
    const int type = GetResType(rec);
    if (type <= 0) return ErrorKode(-3);
    std::int64_t size;
    switch (type) {
      case RTSTR:
        size = static_cast<std::int64_t>(std::strlen(TextOf(rec))) + 1;
        break;
      case RTREAL:
        size = 8;
        break;
      case RTSHORT:
        size = 4;
        break;
      case RTPOINT:
        size = 24;
        break;
      default:
        return ErrorKode(-4);
    }
    if (align > 1) size = (size + align - 1) / align * align;
    sum += size;
    if (sum > INT_MAX) return ErrorKode(kSizeOverflow);
    ++count;
  }
  *bytes = static_cast<int>(sum);
  return count;
}

int KxResBuffer::GetRbAsString(resbuf* rec, Streng& out, int) {
  if (rec == nullptr) return 0;
  const ads_u_val& v = rec->resval;
  switch (GetResType(rec)) {
    case RTREAL:
      out.Init("%f", v.rreal);
      break;
    case RTPOINT:
      out.Init("%12.3f, %12.3f, %12.3f", v.rpoint[0], v.rpoint[1], v.rpoint[2]);
      break;
    case RTSHORT:
      out.Init("%d", static_cast<int>(v.rint));
      break;
    case RTSTR:
      // Built directly rather than formatted, so a long text is not cut.
      out.CopyFrom(("\"" + std::string(TextOf(rec)) + "\"").c_str(), -1, 0);
      break;
    case RTENAME:
      // The name is 32 bits: shown as the host shows it, without a 64-bit sign extension.
      out.Init("<Entity name: %8lx>)",
               static_cast<unsigned long>(static_cast<std::uint32_t>(v.rlname[0])));
      break;
    case RTLONG:
      out.Init("%ld", static_cast<long>(v.rlong));
      break;
    case -3:
      out.Init("%d", static_cast<int>(rec->restype));
      break;
    default:
      out.Init("UNKNOWN type %d.", static_cast<int>(rec->restype));
      break;
  }
  return 1;
}

int KxResBuffer::GetRbAsString(int n, Streng& out, int unused) {
  return GetRbAsString(Get(static_cast<unsigned short>(n)), out, unused);
}

int KxResBuffer::EditInDialog(char*) {
  Streng text;
  for (resbuf* rec = first_; rec != nullptr; rec = rec->rbnext) {
    if (GetRbAsString(rec, text, 0) != 0) Printf("%s", text.Get());
  }
  return 0;
}
