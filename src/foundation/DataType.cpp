#include "kx/foundation/DataType.h"

DataType::DataType() = default;

void DataType::UtforEtterInit() {}
