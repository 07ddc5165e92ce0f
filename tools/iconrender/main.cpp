#include "ui/artwork.h"

#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

// Usage: iconrender OUTPUT.png [SIZE]
int main(int argc, char *argv[])
{
    // A build step: it draws without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fputs("usage: iconrender OUTPUT.png [SIZE]\n", stderr);
        return 2;
    }
    bool ok = true;
    const int size = args.size() == 3 ? args.at(2).toInt(&ok) : 256;
    if (!ok || size < 16 || size > 1024) {
        std::fputs("iconrender: SIZE must be a whole number from 16 to 1024\n", stderr);
        return 2;
    }
    if (!Artwork::appIcon(size).save(args.at(1), "PNG")) {
        std::fprintf(stderr, "iconrender: could not write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
