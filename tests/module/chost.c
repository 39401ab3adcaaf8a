/* A host written in C: the public headers must compile as C and be usable from it. */

#include "chost.h"

unsigned int CHostVersionLength(VeltanVersionFn version) {
    BSTR text = 0;
    unsigned int length;
    version(&text);
    length = SysStringLen(text);
    SysFreeString(text);
    return length;
}
