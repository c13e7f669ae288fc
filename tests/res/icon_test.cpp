#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>

namespace {

const QString iconDir = QStringLiteral(YARNO_ICON_DIR);
const QString icoPath = iconDir + QStringLiteral("/yarno.ico");

constexpr QRgb transparent = qRgba(0, 0, 0, 0);
constexpr QRgb navy = qRgb(0, 0, 128);
constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb black = qRgb(0, 0, 0);

int u8(const QByteArray &b, qsizetype at) { return static_cast<unsigned char>(b.at(at)); }
int u16(const QByteArray &b, qsizetype at) { return u8(b, at) | u8(b, at + 1) << 8; }
int u32(const QByteArray &b, qsizetype at) { return u16(b, at) | u16(b, at + 2) << 16; }

QImage icoImage(int index)
{
    QImageReader reader(icoPath);
    if (!reader.jumpToImage(index))
        return {};
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class IconTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Qt reads ICO images back as 32-bit, so the palette layout is checked in the bytes.
    void icoHoldsThreePaletteImages()
    {
        QFile file(icoPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ico = file.readAll();
        QVERIFY(ico.size() > 6 + 3 * 16);
        QCOMPARE(u16(ico, 2), 1);
        QCOMPARE(u16(ico, 4), 3);
        const int depths[] = {4, 4, 1};
        for (int i = 0; i < 3; ++i) {
            const qsizetype entry = 6 + 16 * i;
            const qsizetype bitmap = u32(ico, entry + 12);
            QVERIFY(bitmap + u32(ico, entry + 8) <= ico.size());
            QCOMPARE(u8(ico, entry), 32);
            QCOMPARE(u8(ico, entry + 1), 32);
            QCOMPARE(u8(ico, entry + 2), 1 << depths[i]);
            QCOMPARE(u16(ico, entry + 6), depths[i]);
            QCOMPARE(u32(ico, bitmap + 4), 32);
            QCOMPARE(u32(ico, bitmap + 8), 64); // colour plane and mask
            QCOMPARE(u16(ico, bitmap + 14), depths[i]);
            if (depths[i] == 4) // navy is entry 4 of the Windows palette, stored blue first
                QCOMPARE(ico.mid(bitmap + 40 + 4 * 4, 4), QByteArray("\x80\0\0\0", 4));
        }
    }

    void icoPixels_data()
    {
        QTest::addColumn<int>("image");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QRgb>("colour");
        struct Spot { const char *name; QPoint pixel; QRgb colour, mono; };
        const Spot spots[] = {
            {"top-left corner", {0, 0}, transparent, transparent},
            {"bottom-right corner", {31, 31}, transparent, transparent},
            {"above the rim", {16, 0}, transparent, transparent},
            {"rim at the top", {16, 1}, black, black},
            {"rim at the left", {1, 16}, black, black},
            {"rim at the right", {30, 16}, black, black},
            {"disc left of the i", {8, 16}, navy, black},
            {"disc between dot and stem", {16, 11}, navy, black},
            {"dot of the i", {16, 8}, white, white},
            {"stem of the i", {16, 18}, white, white},
            {"serif of the i", {12, 12}, white, white},
            {"foot of the i", {19, 23}, white, white},
        };
        for (int image = 0; image < 3; ++image)
            for (const Spot &s : spots)
                QTest::addRow("image %d, %s", image, s.name) << image << s.pixel << (image == 2 ? s.mono : s.colour);
    }

    void icoPixels()
    {
        QFETCH(int, image);
        QFETCH(QPoint, pixel);
        QFETCH(QRgb, colour);
        const QImage picture = icoImage(image);
        QCOMPARE(picture.size(), QSize(32, 32));
        QCOMPARE(picture.pixel(pixel), colour);
    }

    void png32IsTheIcoPicture()
    {
        const QImage png(iconDir + QStringLiteral("/32.png"));
        QCOMPARE(png.convertToFormat(QImage::Format_ARGB32), icoImage(0));
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
        QCOMPARE(at(16.5, 18.5), white);
        const QRgb rim = at(16.5, 1.75); // too thin to fill a whole pixel at small sizes
        QVERIFY2(qAlpha(rim) > 0 && qRed(rim) < 64 && qGreen(rim) < 64 && qBlue(rim) < 64,
                 qPrintable(QString::number(rim, 16)));
    }

    void windowIconResources_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 24, 32, 48, 64, 128})
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
