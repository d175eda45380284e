// The dialogs library's anchor; each window lives in its own unit.
namespace TessalyDialogs {
int Anchor() {
    return 0;
}
} // namespace TessalyDialogs
