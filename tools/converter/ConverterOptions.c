/* The process-wide option record. */
#include "tools/converter/ConverterOptions.h"

#include <string.h>

static ConverterOptions g_options = { .direction = kDirectionUnset, .useDefaultTable = true };

ConverterOptions* Options(void)
{
    return &g_options;
}

void ResetOptions(void)
{
    memset(&g_options, 0, sizeof g_options);
    g_options.direction = kDirectionUnset;
    g_options.useDefaultTable = true;
}
