// Writes the window icon as the hicolor theme's PNG files:
//   render_icon <folder> <size>...  ->  <folder>/<size>x<size>/apps/<name>.png
// The pixels come from the program's own drawing, so the menu shows what the
// title bar shows.
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

#include "app/ToolBarImages.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: render_icon <folder> <name> <size>...\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QIcon icon = AppIcon();
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        const QPixmap pixmap = icon.pixmap(QSize(size, size), 1.0);
        if (size <= 0 || pixmap.size() != QSize(size, size) || !QDir().mkpath(dir) ||
            !pixmap.save(QStringLiteral("%1/%2.png").arg(dir, name), "PNG")) {
            std::fprintf(stderr, "render_icon: cannot write the %s pixel icon in %s\n", argv[i], argv[1]);
            return 1;
        }
    }
    return 0;
}
