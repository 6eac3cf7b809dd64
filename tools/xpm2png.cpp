// Build-time helper: turns one of the program's XPM icons into a PNG for the
// desktop's icon theme, so installing needs no image tools beyond Qt.
//
//     hinomori_xpm2png <input.xpm> <output.png> <size>
//
// The size is checked so a 32-pixel icon never ends up in the 16-pixel folder.

#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fputs("usage: hinomori_xpm2png <input.xpm> <output.png> <size>\n", stderr);
        return EXIT_FAILURE;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    const int size = std::atoi(argv[3]);

    const QImage image(input, "XPM");
    if (image.isNull()) {
        std::fprintf(stderr, "hinomori_xpm2png: cannot read %s\n", argv[1]);
        return EXIT_FAILURE;
    }
    if (image.width() != size || image.height() != size) {
        std::fprintf(stderr, "hinomori_xpm2png: %s is %dx%d, expected %dx%d\n", argv[1],
                     image.width(), image.height(), size, size);
        return EXIT_FAILURE;
    }
    if (!image.save(output, "PNG")) {
        std::fprintf(stderr, "hinomori_xpm2png: cannot write %s\n", argv[2]);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
