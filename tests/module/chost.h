#pragma once
// A host written in C: veltan.h and bstr.h read by a C compiler.

#include "veltan.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The number of code units that Version stores, read the way a C host reads it. */
unsigned int CHostVersionLength(VeltanVersionFn version);

#ifdef __cplusplus
}
#endif
