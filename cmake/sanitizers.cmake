# XY_SANITIZE builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer; the test command runs the tests in such a
# Debug build, where Q_ASSERT and the standard library's checks are on too.
option(XY_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

# The environment every test runs with and the seconds a test, and the
# listing of a test executable's tests, may take (add_xy_test uses them).
set(XY_TEST_ENV "")
set(XY_TEST_TIMEOUT 120)
set(XY_DISCOVERY_TIMEOUT 30)

if(XY_SANITIZE)
  set(sanitize_flags -fsanitize=address,undefined -fno-omit-frame-pointer)
  add_compile_options(${sanitize_flags})
  add_link_options(${sanitize_flags})
  # Bounds checks in std::vector, std::span, std::string and friends.
  add_compile_definitions(_GLIBCXX_ASSERTIONS)
  # Leak checking is off: Qt's and mpv's process-lifetime allocations
  # (plugins, fontconfig, driver threads) would bury our own findings.
  set(XY_TEST_ENV
    "ASAN_OPTIONS=detect_leaks=0"
    "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
  # The instrumented code runs a few times slower.
  set(XY_TEST_TIMEOUT 360)
  set(XY_DISCOVERY_TIMEOUT 90)
endif()
