// The sanitizers' defaults for the test executables of a sanitizer build
// (ASAN_OPTIONS and UBSAN_OPTIONS in the environment still take precedence).
// Leak checking is off: Qt's and mpv's allocations that live as long as the
// process (plugins, fonts, driver threads) would bury our own findings.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

extern "C" const char* __ubsan_default_options()
{
    return "halt_on_error=1:print_stacktrace=1";
}
