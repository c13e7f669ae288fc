#pragma once
// Drives windows the way a user does: typing into boxes, clicking buttons and labels, choosing
// menu items, and pressing keys in the active window.

#include <QMessageBox>
#include <QStringList>

#include <functional>
#include <string_view>

#include "ui/qt/qt_backend.h"

class QWidget;

namespace ui {
class Form;
}

namespace test {

// The desktop backend every test window is built on; made once the QApplication exists.
ui::Backend& desktop();

QWidget* control(const ui::Form& form, std::string_view name);

// Types each answer into Text1, Text2, ... in turn; very long answers are pasted instead.
void typeAnswers(ui::Form& form, const QStringList& answers);

void click(ui::Form& form, std::string_view control);
void choose(ui::Form& form, std::string_view menuItem);

// Runs action, expecting it to open a modal box; returns the box's text after pressing its OK.
QString acceptModalBox(const std::function<void()>& action);

struct ModalBox {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    qsizetype buttonCount = 0;
    Qt::WindowModality modality = Qt::NonModal;
    QWidget* owner = nullptr;         // the box's parent window
    bool transientForOwner = false;   // as the window manager is told
    int offCentre = 0;                // from its owner's centre, in pixels
};

// Runs action and presses OK on the modal box it opens, after whileShown has looked around with
// the box up; shown stays false if no box opened.
ModalBox dismissModalBox(const std::function<void()>& action, const std::function<void()>& whileShown = {});

}  // namespace test
