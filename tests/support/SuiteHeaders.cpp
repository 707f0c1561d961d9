// The one source of the suites' precompiled-header targets (tests/CMakeLists.txt): CMake
// compiles the precompiled Qt headers beside it, and the suites reuse them.
