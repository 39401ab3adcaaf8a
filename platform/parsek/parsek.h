#ifndef PARSEK_H
#define PARSEK_H
/* libparsek - fields of separated 8-bit texts.
 *
 * 8-bit strings are in the module runtime's format: a pointer to the first character of
 * a zero-terminated array whose 32-bit length stands in the four bytes before it; null
 * is the empty string. Their characters are in the Windows-1251 code page.
 *
 * Thread: call from one thread at a time. */

#include "bstr.h"

#ifdef __cplusplus
extern "C" {
#endif

#if defined(PARSEK_BUILDING)
#define PARSEK_API __attribute__((visibility("default")))
#else
#define PARSEK_API
#endif

/* ReadSection - one field of a text whose fields are ended or separated by a separator.
 * field:     the number of the field, counted from 1. For "key$value$" with the
 *            separator '$', field 1 is "key" and field 2 is "value".
 * text:      the text, an 8-bit string in the runtime format; only read.
 * separator: the separating character.
 * result:    the caller's variable, holding null or a string from libbstr. It is
 *            re-allocated in place to the field, converted to UTF-16; a field that does
 *            not exist (number 0 or past the last separator) gives the empty string.
 * Ownership: the caller frees *result with SysFreeString. */
PARSEK_API void ReadSection(unsigned char field, const char* text, char separator, BSTR* result);

#ifdef __cplusplus
}
#endif

#endif /* PARSEK_H */
