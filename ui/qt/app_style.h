#pragma once
// The platform style, less one start-up cost: every menu bar asks for its overflow arrow icon at
// once, and loading Qt's icon for it wakes every image format plugin. Our arrow is drawn only if a
// menu bar ever overflows. It puts centred captions on whole pixels, so that a scaled window is
// the 100 % picture enlarged. And in a window that flows, it makes each menu title and item big
// enough for a finger. Private to the Qt backend.

#include <QProxyStyle>

namespace ui::qt {

// Set (true) on a menu bar and its menus while their window flows.
inline constexpr char kFlowProperty[] = "yarnoFlow";

class AppStyle final : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
};

}  // namespace ui::qt
