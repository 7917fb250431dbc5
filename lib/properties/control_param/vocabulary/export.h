#pragma once
// Marks what the shared library exports; everything else is hidden.

#if defined(_WIN32)
#if defined(TRV_CONTROL_PARAM_BUILDING)
#define TRV_CONTROL_PARAM_EXPORT __declspec(dllexport)
#else
#define TRV_CONTROL_PARAM_EXPORT __declspec(dllimport)
#endif
#else
#define TRV_CONTROL_PARAM_EXPORT __attribute__((visibility("default")))
#endif
