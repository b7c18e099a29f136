#include "SecretDraw.h"

#include <cstdlib>

namespace rules
{

Combination drawSecret(bool unique)
{
    Combination secret{};
    do {
        for (std::int32_t &code : secret)
            code = codeFromDraw(lrand48());
    } while (unique && hasRepeatedCode(secret));
    return secret;
}

} // namespace rules
