#include "workers/shared_objects.h"

std::mutex g_csPing;
std::mutex g_csTrace;
ManualResetEvent g_hStopEvent;
