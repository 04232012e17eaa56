#ifndef ZELHARNESS_H
#define ZELHARNESS_H

#include <cstddef>
#include <cstdint>

// One pass of a ZEL file's bytes through the reader, the numerics and the view,
// shared by the fuzzer and the corpus replay. A QApplication must exist.
// Returns false where a result breaks a rule the program relies on.
bool runZelInput(const uint8_t *bytes, size_t size);

#endif
