#pragma once
// The platform style, less one start-up cost: every menu bar asks for its overflow arrow icon at
// once, and loading Qt's icon for it wakes every image format plugin. Our arrow is drawn only if a
// menu bar ever overflows. And it puts centred captions on whole pixels, so that a scaled window
// is the 100 % picture enlarged. Private to the Qt backend.

#include <QProxyStyle>

namespace ui::qt {

class AppStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
};

}  // namespace ui::qt
