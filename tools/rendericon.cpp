// Renders the program's icon from its one SVG into the fixed sizes of the hicolor
// icon theme, so the PNGs a desktop's menu and task bar show can never drift from
// the artwork:
//   tarnwick_rendericon ICON.svg FOLDER NAME SIZE...
// writes FOLDER/<SIZE>x<SIZE>/apps/NAME.png for each SIZE (in pixels).
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <charconv>
#include <cstdio>
#include <cstring>

namespace {

// Sizes the icon theme knows of lie well within this.
constexpr int LargestSide = 1024;

int sideOf(const char *text)
{
    int side = 0;
    const char *end = text + std::strlen(text);
    const auto [rest, error] = std::from_chars(text, end, side);
    if (error != std::errc() || rest != end || side < 1 || side > LargestSide)
        return 0;
    return side;
}

QImage render(QSvgRenderer &renderer, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fputs("usage: tarnwick_rendericon ICON.svg FOLDER NAME SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "tarnwick_rendericon: %s is not an SVG picture\n", argv[1]);
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int index = 4; index < argc; ++index) {
        const int side = sideOf(argv[index]);
        if (side == 0) {
            std::fprintf(stderr, "tarnwick_rendericon: %s is not a size from 1 to %d\n",
                         argv[index], LargestSide);
            return 2;
        }
        const QString apps = QStringLiteral("%1x%1/apps").arg(side);
        const QString path = folder.filePath(apps + QLatin1Char('/') + name + ".png");
        if (!folder.mkpath(apps) || !render(renderer, side).save(path, "PNG")) {
            std::fprintf(stderr, "tarnwick_rendericon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
