#pragma once

#include "ChartEngine/foundation/AffineTransform.h"

#include <ostream>

namespace Charts {

// Readable GoogleTest failure messages for the engine's matrices.
inline void PrintTo(const AffineTransform& m, std::ostream* os)
{
    *os << '[' << m.a << ", " << m.b << ", " << m.c << ", " << m.d << ", " << m.tx << ", " << m.ty
        << ']';
}

}
