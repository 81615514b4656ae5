// Must not compile: the file layer knows nothing of the batch layer above it.
#include "batch/lookup_run.h"
#include "files/text_file.h"
