// The embedded files are attached to this library by the build; this unit only gives
// the library a body.
namespace TessalyResources {
int Anchor() {
    return 0;
}
} // namespace TessalyResources
