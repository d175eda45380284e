#pragma once
// Pictures for judging the artwork by eye: a contact sheet of every piece and mock-ups of
// the main window during a puzzle and a memory game, built from the written resources.

#include <QImage>
#include <QString>

class PreviewSheet {
public:
    // resources: the folder artgen wrote into (with jpg/, art/, skin/, cursor/).
    explicit PreviewSheet(const QString& resources);

    QImage ContactSheet() const;
    QImage PuzzleWindow() const;
    QImage MemoryWindow() const;

private:
    QImage Jpg(int number) const;
    QImage Art(const QString& name) const;
    QImage Glyph(const QString& name) const;
    // The window with frame, top bar texts and tool bar, and the background in the play area.
    QImage Window(const QString& mode, const QString& countTitle, int count) const;
    // The frame pieces stretched around rect, as the window does.
    void DrawFrame(QImage& playArea, const QRect& rect) const;
    void DrawGrid(QImage& board, int cellWidth, int cellHeight) const;
    static QImage SamplePicture(QSize size);

    QString folder;
};
