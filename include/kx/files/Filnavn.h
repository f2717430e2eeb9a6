#pragma once
// Filnavn: a file name in Windows form ("C:\data\profil.txt") that splits into drive, path, name
// and extension and joins them again.
//
// The Streng text is the full name and the only source of truth: every accessor first derives the
// four parts anew from it, so the parts always describe the current full name. '\' and '/' separate
// directories, ':' ends the drive; the extension is the part from the last '.' of the last
// component. Parts are Streng values and have no length limit.
//
// The file itself is reached through the platform's file services (kx/platform/Files.h): case is
// ignored and '\' works as a separator on every system.

#include <cstddef>
#include <type_traits>

#include "kx/text/Streng.h"

class KX_API Filnavn : public Streng {
 public:
  // The full name, taken unchanged (not as a format); parts empty.
  Filnavn();
  Filnavn(const Streng* name);  // NOLINT: null gives an empty name
  Filnavn(const char* name);    // NOLINT: null gives an empty name
  Filnavn(std::nullptr_t);      // NOLINT
  template <typename Int, std::enable_if_t<std::is_integral_v<Int> && !std::is_same_v<Int, bool> &&
                                               !std::is_same_v<Int, char>,
                                           int> = 0>
  explicit Filnavn(Int) : Filnavn() {}  // the literal 0 of older code: an empty name
  // Copies the full name and the parts.
  Filnavn(const Filnavn& other);
  Filnavn& operator=(const Filnavn& other);
  ~Filnavn() override;

  // Identity: -1 and "Filnavn".
  int KlasseType() const override;
  char* KlasseNavn() const override;

  // The parts. With an argument the part becomes it and the full name is rebuilt from the four
  // parts (SettSammen). Each returns the object's own part (as set, when one was given), valid
  // until the next call.
  // Drive, for example "C:" ("" when the name has none).
  virtual Streng* Drive(Streng* d = nullptr);
  // The directory part including the drive, returned without a trailing separator ("C:\data");
  // the full name keeps its separator.
  virtual Streng* Path(Streng* p = nullptr);
  // The name without extension ("profil"). Setting an empty name clears the extension too.
  virtual Streng* Navn(Streng* n = nullptr);
  // The extension with its dot (".txt"). Setting: "dat" and ".dat" both give ".dat"; "" removes
  // the extension. Ext() reads (Ext(0) is ambiguous with Ext(Streng*): write Ext()).
  virtual Streng* Ext(char* e = nullptr);
  // As Ext(e->Get()); null reads.
  virtual Streng* Ext(Streng* e);
  // With ne the full name becomes drive + path + ne. Returns name + extension ("profil.txt").
  virtual Streng* NavnExt(Streng* ne = nullptr);
  // Path + name: the full name without extension ("C:\data\profil").
  virtual Streng* PathNavnUtenExt();
  // 1 when the file exists or can be created (created and deleted again to find out), else 0.
  virtual int Lovlig();
  // Splits the full name into the object's parts and into each non-null argument. 1.
  virtual int Splitt(Streng* drive, Streng* path, Streng* name, Streng* ext);
  // Joins the given parts (null counts as empty) into the full name: a separator goes between a
  // non-empty path and a non-empty name, a path ending in a separator loses it before an empty
  // name, and the path's own drive prefix gives way to drive. 1.
  virtual int SettSammen(Streng* drive, Streng* path, Streng* name, Streng* ext);
  // Not provided: an error box says so; 0.
  virtual int InitUniktNavn(Streng* unused);
  // Asks the user for a file name with the host's file dialog: a save dialog when flags has 1,
  // else an open dialog; asks before overwriting unless flags has 32. extensions lists the
  // extensions to show, "txt;dat" (null or "": all files). A chosen name becomes the full name,
  // upper-cased; 1. 0 when the user cancels (the name is unchanged).
  virtual int LesNavn(char* title, int flags, char* extensions);

  // Ext and LesNavn for constant texts (literals): the virtual members above.
  template <typename C, kx::IfConstChar<C> = 0>
  Streng* Ext(C* e) {
    return Ext(const_cast<char*>(e));
  }
  template <typename T, typename E,
            std::enable_if_t<std::is_same_v<std::remove_const_t<T>, char> &&
                                 std::is_same_v<std::remove_const_t<E>, char> &&
                                 (std::is_const_v<T> || std::is_const_v<E>),
                             int> = 0>
  int LesNavn(T* title, int flags, E* extensions) {
    return LesNavn(const_cast<char*>(title), flags, const_cast<char*>(extensions));
  }

  // 1 when the file exists: it may be read, or exists but may not be read. Otherwise, with
  // showMessage non-zero, an error box with the host's text number 5000 as format and the full
  // name as its argument; 0.
  int FilenFinnes(int showMessage);

 private:
  // Derives the parts from the full name (Splitt without arguments).
  void Derive();
  // Rebuilds the full name from the object's parts (SettSammen).
  void Rebuild();

  Streng drive_;
  Streng path_;
  Streng name_;
  Streng ext_;
  Streng composed_;  // the results of NavnExt and PathNavnUtenExt
  int split_ = 0;    // while 0 (nothing sets it otherwise) every accessor derives the parts anew
};
