#include "core/catalogue/polynomial.h"

namespace kalvintera {

Polynomial4 ReadPolynomial(const std::array<std::string, 5>& texts, NumberFormat format)
{
    Polynomial4 c{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        c[i] = texts[i].empty() ? 0.0 : ParseNumber(texts[i], format);
    }
    return c;
}

} // namespace kalvintera
