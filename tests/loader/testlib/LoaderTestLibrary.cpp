// A small shared library that the loader's test images import from and forward to.

extern "C" {

__attribute__((visibility("default"))) int LoaderTestAnswer() {
    return 42;
}

__attribute__((visibility("default"))) int LoaderTestTwice(int value) {
    return 2 * value;
}
}
