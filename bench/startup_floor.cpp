// The toolkit's floor for Yarno's start-up: a window of Form1's client size holding one label in
// the same embedded font, and nothing else. Whatever Yarno spends above this is its own.

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QFontDatabase::addApplicationFont(QStringLiteral(":/floor/fonts/ms_sans_serif_13.ttf"));
    QFont font(QStringLiteral("MS Sans Serif 13"));
    font.setPixelSize(13);
    QApplication::setFont(font);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Yarno"));
    window.setFixedSize(491, 442);
    auto* label = new QLabel(QStringLiteral("What's your favorite sport?"), &window);
    label->setGeometry(16, 32, 113, 25);
    window.show();
    return QApplication::exec();
}
