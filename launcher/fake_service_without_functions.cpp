// A service library that lacks both StartBrantel and StopBrantel.
#if defined(_WIN32)
extern "C" __declspec(dllexport) int FakeUnrelated() { return 0; }
#else
extern "C" __attribute__((visibility("default"))) int FakeUnrelated() { return 0; }
#endif
