#include "ui/qt/app_style.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QIconEngine>
#include <QPainter>
#include <QStyleOption>

#include <cmath>

#include "ui/flow_rule.h"

namespace ui::qt {

namespace {

class ArrowIcon final : public QIconEngine {
public:
    explicit ArrowIcon(QStyle::PrimitiveElement arrow)
        : arrow_(arrow)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        QStyleOption option;
        option.rect = rect;
        option.palette = QApplication::palette();
        option.state = mode == QIcon::Disabled ? QStyle::State_None : QStyle::State_Enabled;
        QApplication::style()->drawPrimitive(arrow_, &option, painter);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new ArrowIcon(arrow_); }

private:
    QStyle::PrimitiveElement arrow_;
};

// Qt centres a caption at half a pixel when the room left over is odd. At 100 % the text then
// rounds to a whole pixel, but at 200 % the half pixel is a device pixel of its own and the
// caption would sit off the 100 % picture enlarged. Trimming the odd pixel off the rectangle puts
// it on the whole pixel it takes at 100 % (left, and down) at every scale.
QRect onWholePixels(QRect rect, int flags, QSizeF text)
{
    if ((flags & Qt::AlignHCenter) && (rect.width() - qRound(text.width())) % 2 != 0)
        rect.setRight(rect.right() - 1);
    if ((flags & Qt::AlignVCenter) && (rect.height() - qRound(text.height())) % 2 != 0)
        rect.setTop(rect.top() + 1);
    return rect;
}

// A text whose size is no whole number of pixels (a face enlarged for the flow, 19.5 pixels high
// at 200 %) centres at a fraction of a device pixel, and each of its pixels would smear over two.
// The distance from where it would start, in the painter's units, back to the whole device pixel
// before: none for the classic faces, which onWholePixels has already placed.
QPointF offDevicePixels(const QPainter& painter, const QRect& rect, int flags, QSizeF text)
{
    const qreal ratio = painter.device()->devicePixelRatioF();
    const auto off = [ratio](qreal at) { return (at * ratio - std::floor(at * ratio + 1e-6)) / ratio; };
    const qreal x = (flags & Qt::AlignHCenter) ? rect.x() + (rect.width() - text.width()) / 2 : rect.x();
    const qreal y = (flags & Qt::AlignVCenter) ? rect.y() + (rect.height() - text.height()) / 2 : rect.y();
    return {off(x), off(y)};
}

// The index of the character a single "&" marks, or -1; "&&" is a literal "&".
qsizetype mnemonicAt(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&'))
                return i + 1;
            ++i;
        }
    }
    return -1;
}

}  // namespace

QSize AppStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                 const QWidget* widget) const
{
    QSize contents = QProxyStyle::sizeFromContents(type, option, size, widget);
    if ((type == CT_MenuBarItem || type == CT_MenuItem) && widget != nullptr && widget->property(kFlowProperty).toBool())
        contents = contents.expandedTo(QSize(kFlowTargetAtLeast, kFlowTargetAtLeast));
    return contents;
}

void AppStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                           const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuItem || item == nullptr || widget == nullptr || !widget->property(kFlowProperty).toBool()) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // The style draws a menu item's text itself, centred down the item: in the flow's faces that
    // falls inside a device pixel, which the whole item is moved off.
    const QPointF off = offDevicePixels(*painter, item->rect, Qt::AlignVCenter, {0, QFontMetricsF(item->font).height()});
    painter->translate(-off);
    QProxyStyle::drawControl(element, option, painter, widget);
    painter->translate(off);
}

QIcon AppStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton)
        return QIcon(new ArrowIcon(PE_IndicatorArrowRight));
    if (icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new ArrowIcon(PE_IndicatorArrowDown));
    return QProxyStyle::standardIcon(icon, option, widget);
}

void AppStyle::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                            const QString& text, QPalette::ColorRole textRole) const
{
    const qsizetype mnemonic = (flags & Qt::TextShowMnemonic) ? mnemonicAt(text) : -1;
    if (mnemonic < 0 && !(flags & (Qt::AlignHCenter | Qt::AlignVCenter))) {
        // Nothing to put on whole pixels: spare the layout that measuring the text would cost.
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        return;
    }
    const QFontMetricsF metrics(painter->font());
    const QSizeF size = metrics.size(flags, text);
    const QRect box = onWholePixels(rect, flags, size);
    const QPointF off = offDevicePixels(*painter, box, flags, size);
    painter->translate(-off);
    if (mnemonic < 0 || text.contains(QLatin1Char('\n'))) {
        QProxyStyle::drawItemText(painter, box, flags, palette, enabled, text, textRole);
    } else {
        // Qt draws the access key's underline two pixels thick from half a pixel under the
        // baseline (before the centring above), so at 100 % its edges round to whole rows and at
        // 200 % they would not. Draw it on the rows it covers at 100 %, at every scale.
        QProxyStyle::drawItemText(painter, box, (flags & ~Qt::TextShowMnemonic) | Qt::TextHideMnemonic, palette,
                                  enabled, text, textRole);
        QPointF origin = alignedRect(Qt::LeftToRight, Qt::Alignment(flags), size.toSize(), box).topLeft();
        if (flags & Qt::AlignHCenter)
            origin.setX(box.x() + (box.width() - size.width()) / 2);
        const QString before = text.left(mnemonic - 1).replace(QStringLiteral("&&"), QStringLiteral("&"));
        const qreal baseline = metrics.ascent()
            + ((flags & Qt::AlignVCenter) ? rect.y() + (rect.height() - size.height()) / 2 : origin.y());
        const QRectF underline(origin.x() + metrics.horizontalAdvance(before), std::floor(baseline) + 1,
                               metrics.horizontalAdvance(text[mnemonic]), metrics.lineWidth());
        painter->fillRect(underline, textRole == QPalette::NoRole ? painter->pen().brush() : palette.brush(textRole));
    }
    painter->translate(off);
}

}  // namespace ui::qt
