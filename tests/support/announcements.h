#pragma once
// What a screen reader is told to speak: the name of each notification as it appears. Offscreen,
// Qt's accessibility is asleep and sends no events, so the Show events of every object whose
// role is a notification stand in for them. Collects from construction to destruction.

#include <QObject>
#include <QStringList>

namespace test {

class Announcements final : public QObject {
public:
    Announcements();
    ~Announcements() override;

    QStringList spoken;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace test
