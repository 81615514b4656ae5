// Must not compile: the engine knows nothing of the batch layer above it.
#include "batch/lookup_run.h"
#include "quorvane/region.h"
