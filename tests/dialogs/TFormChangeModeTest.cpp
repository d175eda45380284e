#include <gtest/gtest.h>

TEST(TFormChangeMode, Placeholder) {}
