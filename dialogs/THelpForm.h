#pragma once
// The program's own help window, for a desktop that cannot show the help file: the same
// HTML page in a browser of its own, whose links lead on to the help's other pages.

#include <QWidget>

class QTextBrowser;

class THelpForm : public QWidget {
    Q_OBJECT

public:
    explicit THelpForm(QWidget* parent = nullptr);

    // Shows the help file in the one help window, which is created on the first call and
    // brought to the front on the others. A file that cannot be read is reported in the
    // notice box instead.
    static void ShowHelp(const QString& helpFile, QWidget* parent);

    // The open help window, or nothing.
    static THelpForm* Current();

    QTextBrowser* Browser;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CentreOn(const QWidget* window);
};
