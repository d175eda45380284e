// The motif library's entry points are defined in libtsmotive.so; this unit only keeps the
// binding's header compiled with the program's flags.

#include "picturedialog/MotifLibrary.h"
