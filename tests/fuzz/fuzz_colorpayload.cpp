// libFuzzer target: the colour a drop carries, as the board's pegs decode it.
//
// Each input is tried twice: as the bytes of "application/x-color" that another
// program sends (Qt turns them into a QColor, as from a name like "#ff0000"),
// and as a QColor value such as a Qt program puts into its drag data, of a
// model and components read from the bytes. Whatever the input, decoding must
// not crash, and a colour it takes must be one of the six, in RGB, as listed
// here apart from the rules that decide it.

#include "dnd/ColorPayload.h"
#include "rules/ColorCode.h"

#include <QByteArray>
#include <QColor>
#include <QMimeData>
#include <QRgba64>
#include <QtGlobal>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace
{

// The six colours the board takes, written out here rather than taken from
// the rules under test: each in 16-bit RGB, fully opaque, with the code a peg
// then holds.
struct SixColor {
    quint16 red;
    quint16 green;
    quint16 blue;
    std::int32_t code;
};
constexpr SixColor kSix[] = {
    {0, 0, 0xffff, 1},      // blue
    {0, 0xffff, 0, 2},      // green
    {0, 0xffff, 0xffff, 3}, // cyan
    {0xffff, 0, 0, 4},      // red
    {0xffff, 0, 0xffff, 5}, // magenta
    {0xffff, 0xffff, 0, 6}, // yellow
};

void requirePlayableOrNothing(const std::optional<QColor> &color)
{
    if (!color)
        return;
    if (color->spec() != QColor::Rgb)
        std::abort();
    const QRgba64 rgba = color->rgba64();
    const SixColor *six = std::find_if(std::begin(kSix), std::end(kSix), [&](const SixColor &c) {
        return rgba.red() == c.red && rgba.green() == c.green && rgba.blue() == c.blue &&
               rgba.alpha() == 0xffff;
    });
    if (six == std::end(kSix))
        std::abort();
    // The components a peg reads back name the same code.
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    color->getRgbF(&red, &green, &blue);
    if (rules::codeOfComponents(red, green, blue) != six->code)
        std::abort();
}

// Reads values off the front of the input; zero once it is used up.
class Reader
{
public:
    Reader(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    template <class T> T next()
    {
        T value{};
        const std::size_t count = std::min(sizeof value, m_size);
        std::memcpy(&value, m_data, count);
        m_data += count;
        m_size -= count;
        return value;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
};

// A colour of any model a program can make, from the input.
QColor colorFrom(Reader &reader)
{
    const auto model = reader.next<std::uint8_t>() % 6;
    const auto u = [&] { return int(reader.next<std::uint16_t>()); };
    const auto f = [&] { return reader.next<float>(); };
    switch (model) {
    case 0:
        return QColor::fromRgba64(quint16(u()), quint16(u()), quint16(u()), quint16(u()));
    case 1: // may lie outside 0 to 1, or be NaN or infinite: extended RGB
        return QColor::fromRgbF(f(), f(), f(), f());
    case 2:
        return QColor::fromHsv(u() % 360, u() % 256, u() % 256, u() % 256);
    case 3:
        return QColor::fromHslF(f(), f(), f(), f());
    case 4:
        return QColor::fromCmykF(f(), f(), f(), f(), f());
    default:
        return QColor();
    }
}

void discardMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

// Qt warns of out-of-range components as it refuses them; that is expected
// here and would only slow the search down.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(discardMessage);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QMimeData mimeData;
        mimeData.setData(QStringLiteral("application/x-color"), bytes);
        requirePlayableOrNothing(playableColorOf(mimeData));
    }
    {
        Reader reader(data, size);
        QMimeData mimeData;
        mimeData.setColorData(colorFrom(reader));
        requirePlayableOrNothing(playableColorOf(mimeData));
    }
    return 0;
}
