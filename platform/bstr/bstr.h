#ifndef BSTR_H
#define BSTR_H
/* libbstr - the shared allocator of wide strings.
 *
 * A BSTR points at the first UTF-16 code unit of a string. The 32-bit word just before
 * it holds the length in bytes (two per code unit), and a 16-bit zero follows the last
 * unit. The length, not the zero, ends the string: a BSTR may hold zero units inside.
 * A null BSTR is the empty string everywhere a BSTR is read.
 *
 * Ownership: a BSTR belongs to whoever holds the variable it is stored in. It is made
 * by SysAllocStringLen or SysReAllocStringLen and freed exactly once by SysFreeString
 * (or replaced by SysReAllocStringLen). A host and every library that hands wide
 * strings to it use this one allocator, so either side may free what the other made.
 *
 * Thread: every function may be called from any thread; a single BSTR must not be
 * changed and read at the same time. */

#include <uchar.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(BSTR_BUILDING)
#define BSTR_API __attribute__((visibility("default")))
#else
#define BSTR_API
#endif

typedef char16_t* BSTR;

/* SysAllocStringLen - a new string of len code units.
 * str:     the units to copy (len of them, zeros included), or null for a string of
 *          len zero units.
 * Returns: the new string, or null when len is too large or memory is short.
 * Ownership: the caller owns the result and frees it with SysFreeString. */
BSTR_API BSTR SysAllocStringLen(const char16_t* str, unsigned int len);

/* SysReAllocStringLen - replace the string in *bstr by a new one of len code units.
 * bstr:    the caller's variable; it holds null or a string from this allocator.
 * str:     the units to copy, or null for len zero units; it may point into *bstr.
 * Returns: nonzero when *bstr now holds the new string and the old one is freed;
 *          zero when bstr is null or the string cannot be made (then *bstr is unchanged).
 * Ownership: the new string stays the caller's, in the same variable. */
BSTR_API int SysReAllocStringLen(BSTR* bstr, const char16_t* str, unsigned int len);

/* SysFreeString - free a string of this allocator; null is ignored. */
BSTR_API void SysFreeString(BSTR bstr);

/* SysStringLen - the number of code units of a string (zeros inside counted); 0 for null. */
BSTR_API unsigned int SysStringLen(BSTR bstr);

#ifdef __cplusplus
}
#endif

#endif /* BSTR_H */
