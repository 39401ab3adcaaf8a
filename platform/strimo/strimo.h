#ifndef STRIMO_H
#define STRIMO_H
/* libstrimo - comparison of 8-bit strings.
 *
 * 8-bit strings are in the module runtime's format: a pointer to the first character of
 * a zero-terminated array whose 32-bit length stands in the four bytes before it; null
 * is the empty string.
 *
 * Thread: any thread; the function only reads its arguments. */

#ifdef __cplusplus
extern "C" {
#endif

#if defined(STRIMO_BUILDING)
#define STRIMO_API __attribute__((visibility("default")))
#else
#define STRIMO_API
#endif

/* EqStrings - whether two strings are the same: the same length and the same bytes
 * (letter case counts; a null string equals an empty one).
 * Returns: 1 when they are the same, 0 otherwise. */
STRIMO_API unsigned char EqStrings(const char* first, const char* second);

#ifdef __cplusplus
}
#endif

#endif /* STRIMO_H */
