#pragma once
// The window font's faces for the flow. Qt sizes a font in whole logical pixels, and the flow's face
// pixel is often a fraction of one (1.5 at 200 %): so each embedded face is registered again with
// its em a whole number of cells, which a whole pixel size then draws at exactly that fraction.
// Its glyphs stay squares on the face's pixels, each covering whole device pixels. Private to the
// Qt backend.

#include <QString>
#include <QStringList>

namespace ui::qt {

// The family whose em is `ems` cells of the faces in these Qt resource files (one family, a style
// each), registered the first time it is asked for.
QString flowFamily(const QString& family, const QStringList& files, int ems);

}  // namespace ui::qt
