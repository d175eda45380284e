// The floor the game's start-up is measured against: a plain Qt window of the game's size
// with a line of text, and nothing else.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Tessaly"));
    window.setAlignment(Qt::AlignCenter);
    window.resize(900, 700);
    window.show();
    return app.exec();
}
