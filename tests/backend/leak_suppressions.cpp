// The font service keeps its configuration until the process ends; the leak checker of the
// sanitizer builds asks here what not to report.
extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
