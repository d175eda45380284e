// The chooser follows the player's locale; its tests run with German settings, set before
// the application (and its idea of the system locale) exists.

#include <cstdlib>

namespace {
const int germanSettings = setenv("LC_ALL", "de_DE.UTF-8", 1);
}
