#include "strimo.h"

#include "ansistr.h"

unsigned char EqStrings(const char* first, const char* second) {
    return ansistr::View(first) == ansistr::View(second) ? 1 : 0;
}
