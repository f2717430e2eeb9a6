#pragma once
// StrengListe: a DT_Nodeliste of Streng objects.
//
// It appends texts, walks them with the list's cursor, finds a text with or without regard to
// case, shows all texts, and orders them for Sorter. The cursor rules, the ownership flag and the
// removals are those of DT_Nodeliste; with AutoSlett 1, the default, the list deletes its texts
// with itself. Class identity stays that of DT_Nodeliste (-1, "DT_Nodeliste").
//
// Texts: every object in the list must be a Streng (or of a class derived from it); the inherited
// LeggTil and Insert do not check. A node whose object a caller cleared (DT_Node::SetDette(0))
// holds no text: GetAktiv delivers null for it, Finnes and SkrivUtObj pass over it, and Sorter
// takes it as an empty text.

#include "kx/containers/DT_Nodeliste.h"

class Streng;

class KX_API StrengListe : public DT_Nodeliste {
 private:
  // The order of Sorter: the texts are compared position by position over the length of the
  // shorter one, each character raised by Streng::UpChr and taken as a signed 8-bit value (so
  // bytes from 128 up, Æ Ø Å among them, come before every ASCII character); the first difference
  // decides. Texts without a difference (equal, or one the start of the other) are equal and never
  // exchanged. Non-zero direction (ascending): 1 when earlier sorts after later; direction 0
  // (descending): 1 when earlier sorts before later; else 0.
  int SorterObj(HovedObjekt* earlier, HovedObjekt* later, int direction) override;

 public:
  // An empty list; autoSlett as for DT_Nodeliste (1 owns the texts).
  explicit StrengListe(int autoSlett = 1);
  ~StrengListe() override;

  // Shows every text, from the first, through its own SkrivUtObj (Printf of the text); 1. The
  // cursor ends off the list.
  int SkrivUtObj() override;

  // Appends a new Streng holding a copy of text, taken literally (not as a format): LeggTil's
  // result, 1. Null text: 0, nothing appended.
  virtual int LeggTilStreng(char* text);
  // LeggTilStreng for a constant text (a literal): the virtual member above.
  template <typename C, kx::IfConstChar<C> = 0>
  int LeggTilStreng(C* text) {
    return LeggTilStreng(const_cast<char*>(text));
  }

  // *out becomes the active text (null for a node with no text); then step 1 moves the cursor to
  // the next node, -1 to the previous one, any other step leaves it; 1. 0 for a null out and when
  // the cursor is off the list (*out untouched). Walk a list with AktiverForste(0), then
  // GetAktiv(&s, 1) until it gives 0.
  int GetAktiv(Streng** out, int step);

  // The base list's positional access stays available beside the text form below.
  using DT_Nodeliste::GetIndex;
  // *out becomes the text at position (0-based) and the cursor moves there; 1. 0 for a null out
  // and when there is no text at position (the cursor then off the list, *out untouched).
  int GetIndex(Streng** out, int position);

  // Searches the list, from the first text, for texts equal to text: the whole text, compared
  // exactly (exactCase non-zero) or after raising both with Streng::UpStr (0). On a match, *first
  // (when first is not null) receives the first matching text and *index (when index is not null)
  // the match's position, so with countAll it ends as the position of the last match. countAll 0:
  // 1 at the first match. countAll non-zero: the number of matches. No match: 0. Each mismatch
  // leaves last error code 3 (Streng::Lik). The cursor ends just after the text that ended the
  // search, or off the list. A null text shows "Argument 'omDenneFinnes'=NULL" (error box, title
  // "Message") and gives 0.
  int Finnes(const Streng* text, int exactCase, int countAll, Streng** first, int* index);
};
