#ifndef VELTAN_H
#define VELTAN_H
/* veltan - the handwriting analysis module.
 *
 * A host describes a tested person and the features of a handwriting sample as pairs
 * of wide strings and receives a list of interpretation paragraphs in Russian.
 *
 * Calling order (nothing enforces it):
 *   1. load libveltan.so (for example with dlopen); it needs libbstr.so, libparsek.so
 *      and libstrimo.so, which it finds in its own folder;
 *   2. ClearINFO(), to drop the features of a previous analysis;
 *   3. ChangeParameters() once for each person field the host knows;
 *   4. AddParameters() once for each observed feature value; a key may be added
 *      several times with different values;
 *   5. list = Analizing();
 *   6. read the paragraphs in order: ResultCount(list), then ResultItem(list, i, &text);
 *   7. for the next person, go back to step 2.
 * ClearINFO clears only the features: the person fields keep their values until they
 * are changed again, and the result list keeps the last paragraphs until the next
 * Analizing.
 *
 * Strings: every wide string is a BSTR of libbstr (see bstr.h); a null BSTR is the
 * empty string. Arguments stay the caller's: the module only reads them during the call.
 * Where the module hands out a string, it re-allocates the caller's variable in place;
 * the variable must hold null or a string from libbstr, and the caller frees the result
 * with SysFreeString.
 *
 * Errors: none are reported. Keys and values outside the module's vocabulary are kept
 * and ignored by the analysis.
 *
 * Progress window: while Analizing runs, the module shows a small progress window when
 * a window system is available. In a Qt Widgets host it uses the host's QApplication
 * (create it before the first Analizing); in any other host it starts its own on the
 * first Analizing, leaving the host's C locale as it was, and ends it when the library
 * is unloaded. Until the window system has mapped the window, Analizing lets its pending
 * events through (in a Qt host also posted events, but no input, timers or socket
 * notifications). Where no window system can be reached, the module works without the
 * window; it never ends the host process.
 *
 * Thread: one thread. Call every function from the thread that loaded the library, one
 * call at a time; the module takes no locks. */

#include "bstr.h"

#ifdef __cplusplus
extern "C" {
#endif

#if defined(VELTAN_BUILDING)
#define VELTAN_API __attribute__((visibility("default")))
#else
#define VELTAN_API
#endif

/* Version - the module's version text, "2.0.0.2 - 0001".
 * result:    the caller's variable (null or a libbstr string); it is re-allocated in
 *            place to the text. A null result pointer is ignored.
 * Ownership: the caller frees *result with SysFreeString. */
VELTAN_API void Version(BSTR* result);

/* ClearINFO - remove every feature added with AddParameters.
 * The person fields and the last result list stay as they are. */
VELTAN_API void ClearINFO(void);

/* ChangeParameters - set one person field.
 * key:   one of "Фамилия", "Имя", "Отчество", "Пол", "Тип анализирования", compared
 *        exactly (letter case counts); any other key changes nothing.
 * value: the field's new text; the module keeps at most its first 255 characters, in
 *        the Windows-1251 code page (characters outside it become "?").
 * "Имя" is put into the paragraphs as given. "Пол" exactly "Мужской" selects the
 * masculine texts, anything else the feminine ones; "Тип анализирования" exactly
 * "Лично" selects the texts addressed to the reader as "Вы", anything else the texts
 * about the tested person. Until set, every field is empty. */
VELTAN_API void ChangeParameters(BSTR key, BSTR value);

/* Analizing - run the analysis over the features and person fields given so far.
 * Returns:  the module's result list, one paragraph per item in rule order; an item may
 *           be empty. Read it with ResultCount and ResultItem; do not free or change it.
 * Lifetime: every call returns the same list; its items are replaced by the next
 *           Analizing and the list ends when the library is unloaded. */
VELTAN_API void* Analizing(void);

/* AddParameters - add one observed feature, such as key "Наклон почерка" with value
 * "Легкий наклон вправо".
 * Keys and values are matched exactly (letter case, е against ё and spaces count).
 * Duplicates, empty strings and unknown pairs are accepted. The module keeps the pair as
 * key, "$", value, "$" without escaping, so a "$" in the key or the value moves the
 * border between them: the analysis then sees another key and value than those given. */
VELTAN_API void AddParameters(BSTR key, BSTR value);

/* ResultCount - the number of paragraphs in a result list.
 * list:    the pointer returned by Analizing; any other pointer, null included,
 *          counts as an empty list. */
VELTAN_API int ResultCount(const void* list);

/* ResultItem - one paragraph of a result list as a wide string.
 * list:      the pointer returned by Analizing.
 * index:     from 0 to ResultCount(list) - 1; out of range gives the empty string.
 * result:    the caller's variable (null or a libbstr string); it is re-allocated in
 *            place to the paragraph. A null result pointer is ignored.
 * Ownership: the caller frees *result with SysFreeString. The string is a copy: it stays
 *            valid after the next Analizing and after the library is unloaded. */
VELTAN_API void ResultItem(const void* list, int index, BSTR* result);

/* The types of the functions, for hosts that look them up with dlsym. */
typedef void (*VeltanVersionFn)(BSTR* result);
typedef void (*VeltanClearINFOFn)(void);
typedef void (*VeltanChangeParametersFn)(BSTR key, BSTR value);
typedef void* (*VeltanAnalizingFn)(void);
typedef void (*VeltanAddParametersFn)(BSTR key, BSTR value);
typedef int (*VeltanResultCountFn)(const void* list);
typedef void (*VeltanResultItemFn)(const void* list, int index, BSTR* result);

#ifdef __cplusplus
}
#endif

#endif /* VELTAN_H */
