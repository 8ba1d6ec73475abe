#include "mvb/mvb_log.h"

#include <cstdio>

namespace {
mvb_log_sink_t g_sink = nullptr;
void* g_context = nullptr;
} // namespace

void mvb_setLogSink(mvb_log_sink_t sink, void* context)
{
    g_sink = sink;
    g_context = context;
}

void mvb_log(const char* format, ...)
{
    char line[256];
    va_list ap;
    va_start(ap, format);
    std::vsnprintf(line, sizeof line, format, ap);
    va_end(ap);
    if (g_sink)
        g_sink(line, g_context);
    else
        std::fprintf(stderr, "%s\n", line);
}
