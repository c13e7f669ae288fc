#pragma once
// The platform style, less one start-up cost: every menu bar asks for its overflow arrow icon at
// once, and loading Qt's icon for it wakes every image format plugin. Our arrow is drawn only if a
// menu bar ever overflows. Private to ui/.

#include <QProxyStyle>

namespace ui {

class AppStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace ui
