// Compiled by CTest within one layer's view of the source folders (tests/CMakeLists.txt): the
// header named by PROBE_HEADER must be out of reach when the layer may not use its folder.
#include PROBE_HEADER
