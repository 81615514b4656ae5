/* The four texts that a region text gives a row of results: country, province, city and
 * provider. The one home of these rules, in C so that the lookup session and the SQL extension
 * (built against the database server's C headers) both use it.
 *
 * Valid C99 and C++. */
#ifndef QUORVANE_BATCH_REGION_FIELDS_H_
#define QUORVANE_BATCH_REGION_FIELDS_H_

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A stretch of the region text; size 0 means the field shows nothing. */
typedef struct QuorvaneField {
    const char* data;
    size_t size;
} QuorvaneField;

enum { kQuorvaneCountry = 0, kQuorvaneProvince, kQuorvaneCity, kQuorvaneProvider, kQuorvaneFields };

/* Splits text at '|' (a run of '|' is one separator, so no field is empty) and fills fields with
 * the 1st, 3rd, 4th and 5th parts; the 2nd is not shown and later ones are ignored. A part that is
 * missing, or whose text is exactly "0", becomes empty. The fields point into text.
 * REQUIRES: text holds size bytes (it need not be terminated). */
void QuorvaneRowFields(const char* text, size_t size, QuorvaneField fields[kQuorvaneFields]);

#ifdef __cplusplus
}
#endif

#endif /* QUORVANE_BATCH_REGION_FIELDS_H_ */
