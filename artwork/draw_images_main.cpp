// escartinol-draw-images OUTDIR: draws the 26 letter images and the icons that res/ holds, at 1x and for
// high-density screens (the @2x and @3x files Qt picks by the screen's scale), and the menu icons.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <map>
#include <utility>
#include <vector>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kPaleYellow = qRgb(255, 255, 150);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kMaroon = qRgb(128, 0, 0);
const QRgb kOlive = qRgb(128, 128, 0);
const QRgb kClear = qRgba(0, 0, 0, 0);

// Every pixel keeps one of the given colours exactly: the images are palette images.
bool SaveWithPalette(const QImage& image, const QVector<QRgb>& palette, const QString& path) {
    return image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither)
        .save(path, "PNG");
}

// A bold capital, centred by its ink rather than its advance, drawn without smoothing so that no
// grey appears between the black and the yellow. A larger scale draws the same letter from its
// outline at that size, so its edges are as sharp as at 1x.
QImage DrawLetter(QChar letter, int scale) {
    const int size = 50 * scale;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(kPaleYellow);
    QFont font("Liberation Sans");
    font.setPixelSize(38 * scale);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    QPainterPath path;
    path.addText(0, 0, font, QString(letter));
    const QRectF ink = path.boundingRect();
    path.translate(size / 2.0 - ink.center().x(), size / 2.0 - ink.center().y());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(path, QColor(kBlack));
    return image;
}

// Pixel art: each character of a row is one pixel, '.' leaves the pixel as it is.
void Plot(QImage& image, int left, int top, const std::vector<const char*>& rows) {
    const std::map<char, QRgb> colourOf = {{'#', kBlack}, {'y', kPaleYellow}, {'w', kWhite},
                                           {'g', kGrey},  {'m', kMaroon},     {'o', kOlive}};
    for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
        for (int x = 0; rows[y][x]; ++x) {
            if (const auto found = colourOf.find(rows[y][x]); found != colourOf.end())
                image.setPixel(left + x, top + y, found->second);
        }
    }
}

void Tile(QImage& image, int left, int top, int size, QRgb face) {
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool edge = x == 0 || y == 0 || x == size - 1 || y == size - 1;
            image.setPixel(left + x, top + y, edge ? kBlack : face);
        }
    }
}

// Three lettered yellow tiles over three blank white ones, above an hourglass.
QImage DrawIcon32() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(kClear);
    const std::vector<std::vector<const char*>> glyphs = {
        {"#####", "#....", "####.", "#....", "#####"},
        {".####", "#....", ".###.", "....#", "####."},
        {".####", "#....", "#....", "#....", ".####"},
    };
    for (int t = 0; t < 3; ++t) {
        Tile(image, 1 + 10 * t, 0, 10, kPaleYellow);
        Plot(image, 1 + 10 * t + 2, 2, glyphs[t]);
        Tile(image, 1 + 10 * t, 11, 10, kWhite);
        Plot(image, 1 + 10 * t + 1, 19, {"gggggggg"});
    }
    Plot(image, 11, 22,
         {"mmmmmmmmmm", ".#yyyyyy#.", ".#yyyyyy#.", "..#yyyy#..", "...#yy#...", "...#oo#...", "..#woow#..",
          ".#wwooww#.", ".#oooooo#.", "mmmmmmmmmm"});
    return image;
}

QImage DrawIcon16() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(kClear);
    // Two tiles a row: three would leave no room for a letter.
    const std::vector<std::vector<const char*>> glyphs = {{"###", "#..", "##.", "#..", "###"},
                                                          {".##", "#..", ".#.", "..#", "##."}};
    for (int t = 0; t < 2; ++t) {
        Tile(image, 1 + 7 * t, 0, 7, kPaleYellow);
        Plot(image, 3 + 7 * t, 1, glyphs[t]);
        Plot(image, 1 + 7 * t, 7, {"#######", "#wwwww#", "#######"});
    }
    Plot(image, 5, 11, {"mmmmmm", ".#yy#.", "..##..", ".#oo#.", "mmmmmm"});
    return image;
}

// Pixel art stays pixel art on a denser screen: each pixel becomes a block of 2 x 2 (scaled's default, fast
// transformation copies pixels and blends none).
QImage Doubled(const QImage& image) { return image.scaled(image.size() * 2); }

// "letter_A.png" at 1x, "letter_A@2x.png" at 2x: Qt's own names for the denser variants.
QString FileName(const QString& stem, int scale) {
    return scale == 1 ? stem + ".png" : QStringLiteral("%1@%2x.png").arg(stem).arg(scale);
}

// The icon of the desktop menus, in the hicolor theme's sizes: the window icon's own two designs,
// enlarged by whole pixels so that the pixel art stays sharp (48 is three times the 16-pixel design,
// which reads better at that size than the 32-pixel one at one and a half).
bool SaveHicolorIcons(const QDir& out, const QVector<QRgb>& palette) {
    if (!out.mkpath("hicolor")) return false;
    const struct {
        int size;
        QImage design;
    } icons[] = {{16, DrawIcon16()}, {32, DrawIcon32()},  {48, DrawIcon16()},
                 {64, DrawIcon32()}, {128, DrawIcon32()}, {256, DrawIcon32()}};
    bool saved = true;
    for (const auto& [size, design] : icons) {
        const QImage icon = design.scaled(size, size, Qt::KeepAspectRatio, Qt::FastTransformation);
        saved &= SaveWithPalette(icon, palette, out.filePath(QStringLiteral("hicolor/icon_%1.png").arg(size)));
    }
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: escartinol-draw-images OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool saved = true;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        for (const int scale : {1, 2, 3}) {
            saved &= SaveWithPalette(DrawLetter(QChar(letter), scale), {kBlack, kPaleYellow},
                                     out.filePath(FileName(QStringLiteral("letter_%1").arg(QChar(letter)), scale)));
        }
    }
    const QVector<QRgb> iconPalette = {kClear, kBlack, kPaleYellow, kWhite, kGrey, kMaroon, kOlive};
    for (const auto& [stem, icon] : {std::pair{"icon_32", DrawIcon32()}, std::pair{"icon_16", DrawIcon16()}}) {
        saved &= SaveWithPalette(icon, iconPalette, out.filePath(FileName(stem, 1)));
        saved &= SaveWithPalette(Doubled(icon), iconPalette, out.filePath(FileName(stem, 2)));
    }
    saved &= SaveHicolorIcons(out, iconPalette);
    if (!saved) std::fprintf(stderr, "escartinol-draw-images: cannot write into %s\n", argv[1]);
    return saved ? 0 : 1;
}
