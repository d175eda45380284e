// The module's one exported function.

#include "TsSinkApi.h"

#include "SinkOutput.h"

extern "C" __attribute__((visibility("default"))) AudioOutput* TsSinkCreateOutput() {
    return new SinkOutput;
}
