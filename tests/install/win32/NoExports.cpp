// A library that takes the registration library's name in tests but has neither
// of its exports.
extern "C" __declspec(dllexport) int Register() { return 0; }
