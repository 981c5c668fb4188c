#include <QApplication>

#include <string>
#include <vector>

#include "tmainform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
    const std::vector<std::string> parameters(argv + 1, argv + argc);
    TMainForm window(parameters);
    if (window.EndRequested())
        return window.ExitCode();
    window.show();
    // Without a window manager nothing activates the window, and its first
    // activation is what brings up the front panel.
    window.activateWindow();
    return QApplication::exec();
}
