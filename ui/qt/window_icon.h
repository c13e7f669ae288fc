#pragma once
// The window icon: PNGs drawn at several sizes, each read the first time something asks for it.
// Private to the Qt backend.

#include <QIcon>

namespace ui::qt {

// folder is a Qt resource folder holding the icon as <size>.png, one file per size.
QIcon windowIcon(const QString& folder);

}  // namespace ui::qt
