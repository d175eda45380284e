#include "WDCursorGuard.h"

#include <QCursor>
#include <QGuiApplication>

TWDCursorGuard::TWDCursorGuard() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
}

TWDCursorGuard::~TWDCursorGuard() {
    QGuiApplication::restoreOverrideCursor();
}
