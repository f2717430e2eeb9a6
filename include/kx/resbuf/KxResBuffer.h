#pragma once
// KxResBuffer: a chain of the CAD host's result-buffer records (resbuf), built, searched and edited
// through library values.
//
// The buffer remembers the first and the last record of its chain. It appends records built from
// DT_Double, DT_Punkt, DT_Int, DT_Longint, Streng or plain values, finds a record by its code and
// occurrence, reads and overwrites values, inserts and removes records, maps DXF group codes to
// value types, measures the chain and shows it as text. Positions count from 1.
//
// Ownership. With AutoSlett 1 (the default) the buffer owns its records and releases them when it
// is destroyed. A record's text belongs to the record: it is copied in and released with it.
// AddLink attaches records of another chain without copying them; the buffer borrows those and
// never releases, moves or relinks them:
//   - linked into an empty buffer, the whole chain is borrowed (AutoSlett becomes 0);
//   - linked behind own records, the link mark names the last own record, and SlettListen cuts the
//     borrowed records off there before it releases anything.
// While a buffer holds borrowed records it adds no records (every add, insert, copy and link then
// fails with last error code -5): appending would rewrite the link of a record it does not own and
// hand the new record to that record's owner. Own records can still be removed; borrowed ones
// cannot (-5). The owner of borrowed records must outlive the buffers that link them, or those
// buffers must drop their links first (SlettListen).
//
// Value kinds. A record whose code is a text code (value type 5005: 0-9, 100-102, 300-309,
// 1000-1003, 1005, 5005) holds a text on the C heap, any other record holds a number, a point or
// no value. A text is only ever stored into, read from or released from a text record: Add, Get,
// Set and InsertElement refuse a text for another code, or another value for a text code, with 0
// and last error code -6, and a change of code that crosses between the two releases the text or
// starts an empty one. Other kinds are not checked against the code: a real read from a short
// record reads its bytes as the record holds them.
//
// Results follow the library's rule: 1 for success, 0 for failure with a reason in the last error
// code (ErrorKode(-9999)); Add, Get and Set with a null argument return 0 without a code. Texts
// from records are shown and copied as they stand, never used as formats.
//
// Memory. When a record or a text cannot be allocated (WINKMR00_newrb shows its message), the
// operation returns 0 with last error code -8 (InsertElement: -1) and the buffer is as it was;
// AddCopyOf keeps the copies it made before. A change of code that starts an empty text
// (ChangeCode, ChangeAllCodes, ChangeDXFtoRTCodes, ChangeType) leaves the record without a text
// instead, which reads as the empty text, and succeeds.
//
// Buffers are not copyable: a copy would release the same records twice. Add(KxResBuffer*, int)
// moves the records of one buffer into another; AddCopyOf appends copies of them.

#include <cstdint>
#include <type_traits>

#include "kx/foundation/HovedObjekt.h"
#include "kx/resbuf/resbuf.h"

class DT_Double;
class DT_Int;
class DT_Longint;
class DT_Punkt;
class Streng;

class KX_API KxResBuffer : public HovedObjekt {
 public:
  // Adopts chain unchanged (null: empty); last is found by walking it. autoSlett 1 owns the chain,
  // 0 does not (other values count as 1). A chain that loops back on itself is not adopted: the
  // buffer starts empty with last error code -1.
  explicit KxResBuffer(resbuf* chain = nullptr, int autoSlett = 1);
  // With AutoSlett 1: SlettListen(null), which releases own records only.
  ~KxResBuffer() override;
  KxResBuffer(const KxResBuffer&) = delete;
  KxResBuffer& operator=(const KxResBuffer&) = delete;

  // -1 and "KxResBuffer".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // Prints every record as GetRbAsString forms it through Printf, one call per record, nothing
  // between them. The argument has no effect. Always 0.
  virtual int EditInDialog(char* unused = nullptr);
  template <typename C, kx::IfConstChar<C> = 0>
  int EditInDialog(C* unused) {
    return EditInDialog(const_cast<char*>(unused));
  }

  // Ownership flag: -1 reads, 0 or 1 sets, other values are ignored. Returns the flag.
  int AutoSlett(int autoSlett = -1);

  // Positions and counting -----------------------------------------------------------------------

  // 0: the last record; n: the n-th (1 the first); null beyond the end.
  resbuf* Get(unsigned short n) const;
  // From start (null: the first record) on, start included, the occurrence-th record whose restype
  // is code; null when there is none or occurrence < 1.
  resbuf* GetKode(int code, int occurrence, resbuf* start) const;
  // Number of records from the first (borrowed ones included), as a 16-bit count.
  unsigned short Lengde() const;
  // The link mark: the last own record when records are linked behind own ones, else null.
  resbuf* LinkMark() const { return linkMark_; }

  // Adding ---------------------------------------------------------------------------------------
  // Each returns 1 on success and 0 on failure; a record that cannot be added is not kept.

  // Appends chain through AddResBuffer: the buffer owns those records. 0 for null (no code).
  int Add(resbuf* chain);
  // Moves other's whole chain here (through AddResBuffer) and empties other; with deleteOther not
  // 0, other is then destroyed with delete (it must have been made with new). An empty other adds
  // nothing. 1; 0 for null (no code), other being this buffer (-1) or other holding borrowed
  // records (-5; other is unchanged and not deleted).
  int Add(KxResBuffer* other, int deleteOther);
  // A record with restype code and no value (a marker such as -3 or 5021).
  int Add(int code);

  // A new record with restype code (its low 16 bits) holding the value, appended through
  // AddResBuffer. A null object, array or text gives 0 and adds nothing. The text forms need a
  // text code, the others a code that is not one (-6).
  int Add(int code, double real);
  int Add(int code, const DT_Double* real);
  int Add(int code, const double* xyz);  // three doubles x, y, z
  int Add(int code, const DT_Punkt* point);
  int Add(int code, int shortValue);  // the low 16 bits are stored
  int Add(int code, const DT_Int* shortValue);
  int Add(int code, const char* text);        // copied
  int Add(int code, const Streng* text);      // its text copied
  int Add(int code, const long* entityName);  // two longs, each kept to its low 32 bits
  int Add(int code, const DT_Longint* value);

  // Appends copies of every record from chain to its end (texts copied; a record of value type -3
  // without value). 0 with code -1 for a null chain; at the first record of another value type (0,
  // 5021, ...) 0 with code -2, keeping the copies made so far. Copying this buffer's own records
  // copies those it had when the call began.
  int AddCopyOf(resbuf* chain);
  // AddCopyOf of other's first record: a null or empty other gives 0 with code -1.
  int AddCopyOf(KxResBuffer* other);
  // Links chain behind this buffer without copying it; the buffer borrows those records (see the
  // class comment). 0 with code -1 for a null chain, or one that loops or is already part of this
  // buffer; -5 when the buffer already holds borrowed records.
  int AddLink(resbuf* chain);
  // AddLink of other's first record: a null or empty other gives 0 with code -1.
  int AddLink(KxResBuffer* other);

  // Reading values (code, destination, occurrence) ---------------------------------------------
  // The occurrence-th record with restype code (from 1) into destination: 1; 0 for a null
  // destination or no such record (no code), -6 when a text is asked of a record that holds none
  // or a number of a text record.

  int Get(int code, DT_Double* real, int occurrence = 1);
  int Get(int code, DT_Punkt* point, int occurrence = 1);     // through its virtual Init(xyz)
  int Get(int code, DT_Int* shortValue, int occurrence = 1);  // the short, sign-extended
  int Get(int code, Streng* text, int occurrence = 1);        // the text unchanged
  int Get(int code, long* entityName, int occurrence = 1);    // two longs, sign-extended
  int Get(int code, DT_Longint* value, int occurrence = 1);

  // Overwriting values (code, value, occurrence, addIfMissing) -----------------------------------
  // The occurrence-th record with restype code gets the value: 1. When there is none, the matching
  // Add when addIfMissing is not 0, else 0. A null value gives 0; a kind that does not fit the
  // record, -6. A text record's old text is released and a copy of the new one kept.

  int Set(int code, double real, int occurrence = 1, int addIfMissing = 0);
  int Set(int code, const DT_Double* real, int occurrence = 1, int addIfMissing = 0);
  int Set(int code, const DT_Punkt* point, int occurrence = 1, int addIfMissing = 0);
  int Set(int code, int shortValue, int occurrence = 1, int addIfMissing = 0);
  int Set(int code, const DT_Int* shortValue, int occurrence = 1, int addIfMissing = 0);
  int Set(int code, const char* text, int occurrence = 1, int addIfMissing = 0);
  int Set(int code, const Streng* text, int occurrence = 1, int addIfMissing = 0);
  int Set(int code, const long* entityName, int occurrence = 1, int addIfMissing = 0);
  int Set(int code, const DT_Longint* value, int occurrence = 1, int addIfMissing = 0);

  // Inserting and removing -----------------------------------------------------------------------

  // A new record at position (1 the front; below 1 or beyond Lengde() at the end) holding value,
  // which must be of the class type asks for: 5002 or 5009 DT_Punkt, 5001 DT_Double, 5003 DT_Int
  // (16 bits), 5005 Streng, 5010 DT_Longint; -1 and -3 take no value. A null value gives zeros or
  // an empty text. The restype is code, or type when code is -1 or -3. 1; 0 with -1 when no record
  // can be made, -5 while borrowing, -6 for a value of another class or a kind that does not fit
  // the code. Any other type: "KxResBuffer: Not a valid RT-Code %d." through Error1 and 0, the
  // record staying placed with restype code and no value.
  int InsertElement(int type, HovedObjekt* value, int code, int position);
  // Removes and releases the occurrence-th record with restype code: 1; 0 with -2 for an
  // occurrence below 1, -1 when there is none, -5 for a borrowed record.
  int Delete(int code, int occurrence);
  // Removes and releases the record at position. 1, also when there is none (position below 1,
  // beyond the end, empty buffer); 0 with -5 for a borrowed record.
  int DeleteElement(int position);
  // Releases records: first cuts borrowed records off (they are not released); then releases from
  // from to the end when from is an own record after the first, else the whole chain. A buffer
  // that borrows its whole chain releases nothing and lets go of it (AutoSlett returns to what it
  // was before the link). 1; 0 for an empty buffer.
  int SlettListen(resbuf* from = nullptr);

  // Searching ------------------------------------------------------------------------------------

  // 1 when a record with restype code exists, else 0 (no code). With found, the first such record
  // and every record after it are linked into found (AddLink; when that fails found is unchanged
  // and its code is left).
  int Exist(int code, KxResBuffer* found = nullptr);
  // The occurrence number (from 1) of the first record with restype code whose text matches text;
  // 0 when none does. mode 1: equal (Streng::Lik); mode 2: the record's text occurs in text
  // (Streng::HvorEr) at a position above 0, or at 0 while the last error code is 0; other modes:
  // equal. In modes other than 1 a match is linked into found (as Exist above). 0 with -1 for a
  // null text, -2 when the first such record is not a text record.
  int Exist(int code, Streng* text, int mode, KxResBuffer* found = nullptr);

  // Codes ----------------------------------------------------------------------------------------

  // The value type of rec's restype (5001 real, 5002 point, 5003 short, 5005 text, 5006 entity
  // name, 5010 long, 5021, -3); 0 for null. An unknown restype prints "\nKxResBuffer::GetResType -
  // Unknown RESTYPE %d" through Printf and gives 0.
  int GetResType(resbuf* rec);
  // rec (null: the first record) gets restype newCode (-1: its value type). 1; 0 with -3 when there
  // is no record, -4 when its restype is not oldCode (-999 takes any), -2 when newCode is -1 and
  // the value type is 0.
  int ChangeCode(int oldCode, int newCode, resbuf* rec = nullptr);
  // ChangeCode on every record from start (null: the first) to the end, passing over those whose
  // restype is not oldCode. 1; 0 with -3 for no record, or the code of the first other failure.
  int ChangeAllCodes(int oldCode, int newCode, resbuf* start = nullptr);
  // Every record gets its value type as restype. 1; 0 with -1 for an empty buffer, -2 at the first
  // record without value type (the records before it stay changed).
  int ChangeDXFtoRTCodes();
  // The occurrence-th record with restype code gets restype newCode; when that is a text code it
  // holds a new empty text. The old text of a text record is released (resetText therefore changes
  // nothing). 1; 0 with -1 when there is no such record.
  int ChangeType(int code, int newCode, int occurrence, int resetText);

  // Measuring and showing ------------------------------------------------------------------------

  // Sizes of the record start (null: the first) and, when all is not 0, every record after it:
  // text its length + 1, real 8, short 4, point 24, each rounded up to a multiple of align when
  // align > 1. Stores the sum in *bytes and returns the number of records counted. 0 with -1 for
  // no record, -2 for a null bytes, -3 for a value type of 0 or below, -4 for another value type
  // (entity name, long, 5021), -7 when the sum exceeds the range of an int.
  int SizeInBytes(resbuf* start, int* bytes, int align, int all);
  // rec as text in out by its value type: "%f", "%12.3f, %12.3f, %12.3f", "%d", "\"%s\"" (the text
  // is not cut), "<Entity name: %8lx>)", "%ld", "%d" with the restype for -3, "UNKNOWN type %d."
  // otherwise. 1; 0 for a null rec. The int has no effect.
  int GetRbAsString(resbuf* rec, Streng& out, int unused = 0);
  // The same for Get(n) (n taken as a 16-bit position).
  int GetRbAsString(int n, Streng& out, int unused = 0);

 protected:
  // Appends chain: it becomes the whole chain of an empty buffer, else follows the last record;
  // last moves to its end, and the buffer owns those records. Every Add goes through it. 1; 0 for
  // null (no code), -1 for a chain that loops or is already part of this buffer, -5 while the
  // buffer holds borrowed records. On 0 the chain stays with the caller.
  virtual int AddResBuffer(resbuf* chain);

 private:
  // Appends a new record through AddResBuffer, releasing it when that refuses it.
  int AddRecord(resbuf* rec);
  // A new record with restype code for a value of the given kind (text or not); null with -6 when
  // the kind does not fit the code, with -8 when no record can be made.
  resbuf* NewRecord(int code, bool text);
  // A new record with code (WINKMR00_newrb); null with last error code -8 when memory runs out.
  resbuf* Allocate(int code);
  // The occurrence-th record with restype code when it holds the kind asked for; otherwise null,
  // with -6 when the record exists but holds the other kind.
  resbuf* Find(int code, int occurrence, bool text);
  // Whether the buffer holds borrowed records.
  bool Borrowing() const { return linkMark_ != nullptr || borrowsAll_; }
  // Unlinks rec (after pred, null for the first) and releases it; 0 with -5 when rec is borrowed.
  int Remove(resbuf* pred, resbuf* rec);
  // The buffer becomes a view of records it does not own (AutoSlett 0 until it lets go).
  void BecomeView();

  resbuf* first_ = nullptr;
  resbuf* last_ = nullptr;
  resbuf* linkMark_ = nullptr;
  std::int32_t autoSlett_;
  bool borrowsAll_ = false;               // the whole chain is borrowed
  std::int32_t autoSlettBeforeView_ = 1;  // AutoSlett to return to when the view is dropped
};
