// Linked into every program of the sanitizer tree (see the top CMakeLists.txt):
// the settings each program starts with, whether ctest, a test's child or a
// person runs it. Options in ASAN_OPTIONS / UBSAN_OPTIONS / LSAN_OPTIONS still
// take precedence.

#define VELMAR_STR2(x) #x
#define VELMAR_STR(x) VELMAR_STR2(x)

extern "C" {

// A finding ends the program with its own status, which SimProcess recognises
// in velmar-sim; leaks are looked for at exit.
const char *__asan_default_options()
{
    return "exitcode=" VELMAR_STR(VELMAR_SANITIZER_EXIT) ":detect_leaks=1:check_initialization_order=1"
           ":strict_init_order=1";
}

const char *__ubsan_default_options()
{
    return "exitcode=" VELMAR_STR(VELMAR_SANITIZER_EXIT) ":halt_on_error=1:print_stacktrace=1";
}

// Leaks of the system libraries we do not own; each entry says why.
const char *__lsan_default_options()
{
    return "exitcode=" VELMAR_STR(VELMAR_SANITIZER_EXIT) ":suppressions=" VELMAR_LSAN_SUPPRESSIONS;
}

} // extern "C"
