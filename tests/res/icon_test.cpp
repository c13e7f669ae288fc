#include "tests/res/ico_reader.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>

namespace {

const QString iconDir = QStringLiteral(YARNO_ICON_DIR);

enum class Look { Transparent, Navy, White, Black };

constexpr QRgb navy = qRgb(0, 0, 128);

QRgb rgbOf(Look look)
{
    switch (look) {
    case Look::Navy: return navy;
    case Look::White: return qRgb(255, 255, 255);
    case Look::Black:
    case Look::Transparent: break;
    }
    return qRgb(0, 0, 0);
}

QList<IcoEntry> readYarnoIco()
{
    QFile file(iconDir + QStringLiteral("/yarno.ico"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readIco(file.readAll()).value_or(QList<IcoEntry>{});
}

} // namespace

class IconTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void icoHoldsThreePaletteImages()
    {
        const QList<IcoEntry> ico = readYarnoIco();
        QCOMPARE(ico.size(), 3);
        const int depths[] = {4, 4, 1};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(ico[i].width, 32);
            QCOMPARE(ico[i].height, 32);
            QCOMPARE(ico[i].bitmapHeight, 64);
            QCOMPARE(ico[i].bitsPerPixel, depths[i]);
        }
        QCOMPARE(ico[0].palette.value(4), navy);
        QCOMPARE(ico[0].palette, ico[1].palette);
    }

    void icoPixels_data()
    {
        QTest::addColumn<int>("image");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<Look>("look");
        struct Spot { const char *name; int x, y; Look colour, mono; };
        const Spot spots[] = {
            {"top-left corner", 0, 0, Look::Transparent, Look::Transparent},
            {"bottom-right corner", 31, 31, Look::Transparent, Look::Transparent},
            {"above the rim", 16, 0, Look::Transparent, Look::Transparent},
            {"rim at the top", 16, 1, Look::Black, Look::Black},
            {"rim at the left", 1, 16, Look::Black, Look::Black},
            {"rim at the right", 30, 16, Look::Black, Look::Black},
            {"disc left of the i", 8, 16, Look::Navy, Look::Black},
            {"disc between dot and stem", 16, 11, Look::Navy, Look::Black},
            {"dot of the i", 16, 8, Look::White, Look::White},
            {"stem of the i", 16, 18, Look::White, Look::White},
            {"serif of the i", 12, 12, Look::White, Look::White},
            {"foot of the i", 19, 23, Look::White, Look::White},
        };
        for (int image = 0; image < 3; ++image)
            for (const Spot &s : spots)
                QTest::addRow("image %d, %s", image, s.name) << image << s.x << s.y << (image == 2 ? s.mono : s.colour);
    }

    void icoPixels()
    {
        QFETCH(int, image);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(Look, look);
        const QList<IcoEntry> ico = readYarnoIco();
        QCOMPARE(ico.size(), 3);
        const IcoEntry &e = ico[image];
        QCOMPARE(e.transparentAt(x, y), look == Look::Transparent);
        QCOMPARE(e.colourAt(x, y), rgbOf(look)); // transparent pixels must be black under the mask
    }

    // Qt's own ICO reader stands in for the shells that will show this file.
    void qtReadsTheSamePicture()
    {
        const QList<IcoEntry> ico = readYarnoIco();
        QImageReader reader(iconDir + QStringLiteral("/yarno.ico"));
        QCOMPARE(reader.imageCount(), 3);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read();
            QCOMPARE(image.size(), QSize(32, 32));
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    QCOMPARE(qAlpha(image.pixel(x, y)) == 0, ico[i].transparentAt(x, y));
        }
    }

    void themePngs_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d", size) << size;
    }

    void themePngs()
    {
        QFETCH(int, size);
        const QImage image(iconDir + QStringLiteral("/%1.png").arg(size));
        QCOMPARE(image.size(), QSize(size, size));
        // Points on the 32-unit canvas, looked up at the pixel that holds them.
        const auto at = [&](double x, double y) {
            return image.pixel(static_cast<int>(x * size / 32), static_cast<int>(y * size / 32));
        };
        QCOMPARE(qAlpha(at(0, 0)), 0);
        QCOMPARE(at(8.5, 16.5), navy);
        QCOMPARE(at(16.5, 18.5), qRgb(255, 255, 255));
        const QRgb rim = at(16.5, 1.75); // too thin to fill a whole pixel at small sizes
        QVERIFY2(qAlpha(rim) > 0 && qRed(rim) < 64 && qGreen(rim) < 64 && qBlue(rim) < 64,
                 qPrintable(QString::number(rim, 16)));
    }

    void png32IsTheIcoPicture()
    {
        const QList<IcoEntry> ico = readYarnoIco();
        QCOMPARE(ico.size(), 3);
        const QImage png(iconDir + QStringLiteral("/32.png"));
        QCOMPARE(png.size(), QSize(32, 32));
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb expected = ico[0].transparentAt(x, y) ? qRgba(0, 0, 0, 0) : ico[0].colourAt(x, y);
                QCOMPARE(png.pixel(x, y), expected);
            }
        }
    }

    void windowIconResources_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 24, 32, 48})
            QTest::addRow("%d", size) << size;
    }

    void windowIconResources()
    {
        QFETCH(int, size);
        const QImage image(QStringLiteral(":/yarno/icon/%1.png").arg(size));
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(image, QImage(iconDir + QStringLiteral("/%1.png").arg(size)));
    }
};

QTEST_GUILESS_MAIN(IconTest)
#include "icon_test.moc"
