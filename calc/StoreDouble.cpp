#include "calc/StoreDouble.h"

#include <cmath>

namespace calc {

double StoreDouble(long double value) {
    if (std::isnan(value)) throw Error(InvalidOperation);
    const double stored = static_cast<double>(value);
    if (std::isinf(stored)) throw Error(Overflow);
    return stored;
}

} // namespace calc
