// The yardstick for kolvar's start: the least a Qt 6 program with a dialog of the main dialog's
// client size can do. Same application set-up as kolvar, an empty fixed-size dialog, shown
// application-modal and run in its own loop until the window manager or a signal ends it.

#include <QApplication>
#include <QDialog>

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
    return dialog.exec();
}
