// Build-time tool: writes yarno.ico and one PNG per requested size.
// Usage: yarno_make_icons OUTPUT_DIR SIZE...

#include "res/ico_writer.h"
#include "res/icon_raster.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdio>

namespace {

bool fail(const QString &what)
{
    std::fprintf(stderr, "yarno_make_icons: %s\n", qPrintable(what));
    return false;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush())
        return true;
    return fail(QStringLiteral("cannot write ") + path);
}

// Two 16-colour images and a monochrome one, all 32 x 32.
bool writeIco(const QDir &out)
{
    using namespace yarno::icon;
    const std::vector<Ink> picture = sampleGrid(32);
    return writeFile(out.filePath(QStringLiteral("yarno.ico")),
                     icoFile({{32, 4, picture}, {32, 4, picture}, {32, 1, picture}}));
}

// 32 pixels is the size the palette icon is drawn at; its PNG shows exactly the same pixels.
bool writePng(const QDir &out, const QString &sizeText)
{
    using namespace yarno::icon;
    bool ok = false;
    const int size = sizeText.toInt(&ok);
    if (!ok || size < 1 || size > 1024)
        return fail(QStringLiteral("bad size ") + sizeText);

    const Pixels picture = size == 32 ? sharpPixels(size) : smoothPixels(size);
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const Rgba p = picture.rgba[static_cast<std::size_t>(y * size + x)];
            image.setPixel(x, y, qRgba(p.r, p.g, p.b, p.a));
        }
    const QString path = out.filePath(sizeText + QStringLiteral(".png"));
    return image.save(path, "PNG") || fail(QStringLiteral("cannot write ") + path);
}

bool writeAll(int argc, char **argv)
{
    if (argc < 2)
        return fail(QStringLiteral("usage: yarno_make_icons OUTPUT_DIR SIZE..."));

    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral(".")))
        return fail(QStringLiteral("cannot create ") + out.path());
    if (!writeIco(out))
        return false;
    for (int i = 2; i < argc; ++i)
        if (!writePng(out, QString::fromLocal8Bit(argv[i])))
            return false;
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    return writeAll(argc, argv) ? 0 : 1;
}
