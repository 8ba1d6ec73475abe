#pragma once
// Debug log of the MVB driver. Lines go to a sink the application installs (the
// display forwards them to its debug output); without a sink they go to stderr.

#include <cstdarg>

typedef void (*mvb_log_sink_t)(const char* line, void* context);

// Installs the sink for log lines (nullptr restores stderr). Not thread-safe:
// set it before the bus is started.
void mvb_setLogSink(mvb_log_sink_t sink, void* context);

// Logs one line (printf-style, no trailing newline needed).
void mvb_log(const char* format, ...) __attribute__((format(printf, 1, 2)));
