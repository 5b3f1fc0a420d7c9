// Build-time tool: renders the window's pixel artwork (an XPM) as a PNG for
// the desktop's icon theme, enlarged by a whole factor without smoothing, so
// that every pixel of the artwork becomes a square block of one colour.
//
//   horolux_render_icon <artwork.xpm> <size> <out.png>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <artwork.xpm> <size> <out.png>\n", argv[0]);
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[3]);
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);

    const QImage artwork(input, "XPM");
    if (artwork.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s as XPM\n", argv[0], argv[1]);
        return 1;
    }
    if (artwork.width() != artwork.height()) {
        std::fprintf(stderr, "%s: %s is not square\n", argv[0], argv[1]);
        return 1;
    }
    if (!isNumber || size < artwork.width() || size % artwork.width() != 0) {
        std::fprintf(stderr, "%s: %s is not a whole multiple of %s's %d pixels\n", argv[0], argv[2],
                     argv[1], artwork.width());
        return 1;
    }

    const QImage icon = artwork.convertToFormat(QImage::Format_ARGB32)
                            .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!icon.save(output, "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}
