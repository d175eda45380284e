#pragma once
// Shows the arrow cursor for as long as it lives (a box must never appear under an
// hourglass) and puts the previous cursor back when it goes, also on an error.

class TWDCursorGuard {
public:
    TWDCursorGuard();
    ~TWDCursorGuard();
    TWDCursorGuard(const TWDCursorGuard&) = delete;
    TWDCursorGuard& operator=(const TWDCursorGuard&) = delete;
};
