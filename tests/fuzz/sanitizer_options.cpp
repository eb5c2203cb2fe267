// AddressSanitizer's defaults for the fuzz targets, built into each of them;
// ASAN_OPTIONS still overrides them.

// One input at a time, each freeing what it took: 64 MB of quarantine still
// holds the memory freed by many inputs for use-after-free checks, and keeps
// the allocator's pages warm. The 256 MB default recycles cold pages, and
// faulting them back in cost a fifth of every run here.
extern "C" __attribute__((used)) const char* __asan_default_options() { return "quarantine_size_mb=64"; }
