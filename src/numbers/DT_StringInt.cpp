#include "kx/numbers/DT_StringInt.h"

DT_StringInt::DT_StringInt(const Streng* text, int number) : Streng(text), int_(number) {}

DT_StringInt::~DT_StringInt() = default;

DT_Int& DT_StringInt::Int() { return int_; }

const DT_Int& DT_StringInt::Int() const { return int_; }
