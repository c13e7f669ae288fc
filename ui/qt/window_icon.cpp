#include "ui/qt/window_icon.h"

#include <QDir>
#include <QHash>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace ui::qt {

namespace {

class PngIcon final : public QIconEngine {
public:
    PngIcon(QString folder, QList<int> sizes)
        : folder_(std::move(folder))
        , sizes_(std::move(sizes))
    {
    }

    // The window system reads every size offered, at once, when a window maps: offer one, 32
    // pixels at 100 %. Qt asks for it at the screen's scale (64 pixels at 200 %), so it stays
    // sharp and start-up reads one file.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(32, 32)}; }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const QPixmap& drawn = readPng(drawnSize(std::max(size.width(), size.height())));
        if (drawn.size() == size || drawn.isNull())
            return drawn;
        return drawn.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), drawn);
    }

    QIconEngine* clone() const override { return new PngIcon(*this); }

private:
    // The smallest size drawn that is at least `wanted`, or the largest.
    int drawnSize(int wanted) const
    {
        const auto it = std::find_if(sizes_.begin(), sizes_.end(), [wanted](int size) { return size >= wanted; });
        return it != sizes_.end() ? *it : sizes_.last();
    }

    // Naming the format spares Qt from trying every image plugin on the file first.
    const QPixmap& readPng(int size)
    {
        auto it = read_.find(size);
        if (it == read_.end()) {
            QImageReader reader(QStringLiteral("%1/%2.png").arg(folder_).arg(size), "png");
            reader.setAutoDetectImageFormat(false);
            it = read_.insert(size, QPixmap::fromImage(reader.read()));
        }
        return *it;
    }

    QString folder_;
    QList<int> sizes_;  // ascending
    QHash<int, QPixmap> read_;
};

}  // namespace

QIcon windowIcon(const QString& folder)
{
    QList<int> sizes;
    for (const QString& file : QDir(folder).entryList({QStringLiteral("*.png")}))
        sizes << file.chopped(4).toInt();
    if (sizes.isEmpty())
        return {};
    std::sort(sizes.begin(), sizes.end());
    return QIcon(new PngIcon(folder, sizes));
}

}  // namespace ui::qt
