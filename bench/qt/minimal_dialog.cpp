// The yardstick for kolvar's start: the least a Qt 6 program with a dialog of the main dialog's
// client size can do. Same application set-up as kolvar, an empty fixed-size dialog, shown
// application-modal and run in its own loop until the window manager or a signal ends it.
// With --text the dialog also shows one line in a 24-point serif face, as kolvar's caption,
// so that the fonts are loaded as in any window that shows text.

#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QString>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QCoreApplication::setApplicationName(QStringLiteral("minimal_dialog"));

    constexpr int kClientWidth = 480;
    constexpr int kClientHeight = 325;
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("minimal_dialog"));
    dialog.setFixedSize(kClientWidth, kClientHeight);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--text")) {
        auto* caption = new QLabel(QStringLiteral("12 кОм ± 10 %"), &dialog);
        QFont font(QStringLiteral("Times New Roman"));
        font.setPointSize(24);
        caption->setFont(font);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        caption->setGeometry(0, 0, kClientWidth, kClientHeight);
    }
    return dialog.exec();
}
