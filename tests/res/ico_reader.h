#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

#include <optional>

// Reads palette ICO files independently of the writer, so a layout mistake
// there cannot hide behind the same mistake here.
struct IcoEntry {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int bitmapHeight = 0; // colour plane plus mask
    QList<QRgb> palette;
    QByteArray colourPlane;
    QByteArray maskPlane;

    bool transparentAt(int x, int y) const;
    QRgb colourAt(int x, int y) const;
};

std::optional<QList<IcoEntry>> readIco(const QByteArray &bytes);
