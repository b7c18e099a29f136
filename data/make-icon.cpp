// Writes the application icon: one red peg of the board as the game draws it
// (a disc with a raised ring lit from the upper left, inside a raised frame),
// once as a scalable SVG and as PNG files of the sizes asked for; at 48x48, the
// peg's own size, the PNG shows the peg pixel for pixel. All come from the same
// list of shapes, so the files cannot drift apart.
//
// An output ending in ".inc" gets the same pixels as the body of a C++ array
// initialiser: RGBA bytes, row by row from the top. The program builds its
// window icon from them without decoding an image file while it starts.
//
//   make-icon <output.svg> <size>:<output.png or output.inc>...

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace
{

constexpr double side = 48.0;
constexpr double centre = 24.0;
constexpr double radius = 16.0;
constexpr double ringWidth = 2.0;
// A neutral panel behind the peg, so the white edges of the frame still show
// on a light desktop.
const QColor panel = QColor::fromRgbF(0.75f, 0.75f, 0.75f, 1.0f);
const QColor disc = QColor::fromRgbF(1.0f, 0.0f, 0.0f, 1.0f);

// A strip of the frame, in screen coordinates (y down).
struct Strip {
    QRectF rect;
    double gray;
};

// One 6-degree arc of the ring; angles counter-clockwise on screen from 3 o'clock.
struct Arc {
    double startDegrees;
    double gray;
};

// The raised ring: sixty arcs from the upper left (132 degrees) round, their
// gray falling linearly from 0.9 to 0.1 at the lower right and rising again.
std::vector<Arc> ringArcs()
{
    std::vector<Arc> arcs;
    for (int k = 0; k < 60; ++k) {
        const double gray = 0.1 + 0.8 * std::abs(k - 30) / 30.0;
        arcs.push_back({132.0 + 6.0 * k, static_cast<double>(static_cast<float>(gray))});
    }
    return arcs;
}

// The raised frame: two 1-unit strips on each side, cut in the order left,
// right, bottom, top, so the left strip owns the lower-left corner and the
// right strip the upper-right one. Left and top are white, right and bottom black.
std::vector<Strip> frameStrips()
{
    std::vector<Strip> strips;
    // What is left of the square, in y-up units: x0..x1, y0..y1.
    double x0 = 0, y0 = 0, x1 = side, y1 = side;
    const auto screen = [](double left, double bottom, double right, double top) {
        return QRectF(left, side - top, right - left, top - bottom);
    };
    for (int layer = 0; layer < 2; ++layer) {
        strips.push_back({screen(x0, y0, x0 + 1, y1), 1.0});
        x0 += 1;
        strips.push_back({screen(x1 - 1, y0, x1, y1), 0.0});
        x1 -= 1;
        strips.push_back({screen(x0, y0, x1, y0 + 1), 0.0});
        y0 += 1;
        strips.push_back({screen(x0, y1 - 1, x1, y1), 1.0});
        y1 -= 1;
    }
    return strips;
}

QPointF pointAt(double degrees)
{
    const double a = degrees * std::numbers::pi / 180.0;
    return {centre + radius * std::cos(a), centre - radius * std::sin(a)};
}

QString grayHex(double gray)
{
    return QColor::fromRgbF(static_cast<float>(gray), static_cast<float>(gray),
                            static_cast<float>(gray), 1.0f)
        .name();
}

bool writeSvg(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    const auto fixed = [](double value) { return QString::number(value, 'f', 4); };
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\""
        << " viewBox=\"0 0 48 48\">\n"
        << "  <title>Hueriddle</title>\n"
        << "  <rect x=\"0\" y=\"0\" width=\"48\" height=\"48\" fill=\"" << panel.name() << "\"/>\n"
        << "  <circle cx=\"" << fixed(centre) << "\" cy=\"" << fixed(centre) << "\" r=\""
        << fixed(radius) << "\" fill=\"" << disc.name() << "\"/>\n"
        << "  <g fill=\"none\" stroke-width=\"" << fixed(ringWidth)
        << "\" stroke-linecap=\"butt\">\n";
    for (const Arc &arc : ringArcs()) {
        const QPointF from = pointAt(arc.startDegrees);
        const QPointF to = pointAt(arc.startDegrees + 6.0);
        // Sweep flag 0: counter-clockwise on screen, as the angles count.
        out << "    <path stroke=\"" << grayHex(arc.gray) << "\" d=\"M " << fixed(from.x()) << ' '
            << fixed(from.y()) << " A " << fixed(radius) << ' ' << fixed(radius) << " 0 0 0 "
            << fixed(to.x()) << ' ' << fixed(to.y()) << "\"/>\n";
    }
    out << "  </g>\n"
        << "  <g shape-rendering=\"crispEdges\">\n";
    for (const Strip &strip : frameStrips()) {
        out << "    <rect x=\"" << strip.rect.x() << "\" y=\"" << strip.rect.y() << "\" width=\""
            << strip.rect.width() << "\" height=\"" << strip.rect.height() << "\" fill=\""
            << grayHex(strip.gray) << "\"/>\n";
    }
    out << "  </g>\n"
        << "</svg>\n";
    out.flush();
    return out.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
}

// Draws the 48-unit icon scaled to `size` pixels a side.
QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(panel);
    {
        const double scale = size / side;
        QPainter painter(&image);
        painter.scale(scale, scale);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(disc);
        painter.drawEllipse(QPointF(centre, centre), radius, radius);

        const QRectF circle(centre - radius, centre - radius, 2 * radius, 2 * radius);
        for (const Arc &arc : ringArcs()) {
            QPainterPath path;
            path.arcMoveTo(circle, arc.startDegrees);
            path.arcTo(circle, arc.startDegrees, 6.0);
            QPen pen(QColor::fromRgbF(static_cast<float>(arc.gray), static_cast<float>(arc.gray),
                                      static_cast<float>(arc.gray), 1.0f));
            pen.setWidthF(ringWidth);
            pen.setCapStyle(Qt::FlatCap);
            painter.strokePath(path, pen);
        }

        // The strips fall on whole pixels only at whole-number scales; at
        // any other scale they are blended into the pixels they cover.
        painter.setRenderHint(QPainter::Antialiasing, scale != std::floor(scale));
        for (const Strip &strip : frameStrips())
            painter.fillRect(strip.rect, strip.gray > 0.5 ? Qt::white : Qt::black);
    }
    return image;
}

bool writeArrayBody(const QImage &image, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    QTextStream out(&file);
    for (int y = 0; y < rgba.height(); ++y) {
        const uchar *line = rgba.constScanLine(y);
        for (int x = 0; x < rgba.width() * 4; ++x)
            out << int(line[x]) << ',';
        out << '\n';
    }
    out.flush();
    return out.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
}

bool writeIcon(int size, const QString &path)
{
    const QImage image = drawIcon(size);
    return path.endsWith(QLatin1String(".inc")) ? writeArrayBody(image, path)
                                                : image.save(path, "PNG");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output.svg> <size>:<output.png or output.inc>...\n",
                     argv[0]);
        return EXIT_FAILURE;
    }
    const QString svg = QString::fromLocal8Bit(argv[1]);
    if (!writeSvg(svg)) {
        std::fprintf(stderr, "make-icon: cannot write %s\n", argv[1]);
        return EXIT_FAILURE;
    }
    for (int index = 2; index < argc; ++index) {
        const QString request = QString::fromLocal8Bit(argv[index]);
        const qsizetype colon = request.indexOf(QLatin1Char(':'));
        bool isNumber = false;
        const int size = request.left(colon).toInt(&isNumber);
        if (colon < 0 || !isNumber || size < 1 || size > 1024) {
            std::fprintf(stderr, "make-icon: '%s' is not <size>:<output>\n", argv[index]);
            return EXIT_FAILURE;
        }
        if (!writeIcon(size, request.mid(colon + 1))) {
            std::fprintf(stderr, "make-icon: cannot write %s\n", argv[index]);
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}
