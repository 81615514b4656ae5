#include "regular_file.h"

#include <sys/stat.h>
#include <sys/types.h>

/* Windows opens no named pipe without a server and no directory through fopen; the type and the
 * size are checked once the file is open. */
FILE* OpenRegularFile(const char* path) {
    FILE* file = fopen(path, "rb");
    if (file == NULL) {
        return NULL;
    }
    struct _stat64 st;
    if (_fstat64(_fileno(file), &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG ||
        (uint64_t)st.st_size > QUORVANE_MAX_IMAGE_BYTES) {
        fclose(file);
        return NULL;
    }
    return file;
}
