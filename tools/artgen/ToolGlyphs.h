#pragma once
// The 24 x 24 tool bar symbols: light strokes with a dark outline on a pure magenta
// colour key, so that they read on the dark wooden tool bar.

#include <QImage>
#include <QString>
#include <QStringList>

class ToolGlyphs {
public:
    // TB_OPEN, TB_START, TB_TIP, TB_PAUSE, TB_STATIST, TB_CONFIG, TB_INFO, TB_HELP, TB_CLOSE.
    static QStringList Names();

    // The glyph as a 24-bit picture whose top-left pixel is the transparent colour.
    static QImage Glyph(const QString& name);

private:
    static QImage Draw(const QString& name);
};
