#pragma once
// DataType: the root of every value class (strings, numbers, points, lists, lines).

#include "kx/foundation/HovedObjekt.h"

class KX_API DataType : public HovedObjekt {
 public:
  DataType();

 protected:
  // Runs after a value has been changed by initialisation, reading from text, rounding, a change of
  // sign or a coordinate setter, so that a derived class can keep derived state in step. Does
  // nothing here.
  virtual void UtforEtterInit();
};
