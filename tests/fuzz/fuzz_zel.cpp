// libFuzzer entry: arbitrary bytes as a ZEL file, through reader, numerics and view.
#include "zelharness.h"

#include <QApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (!runZelInput(data, size))
        std::abort();
    return 0;
}
