#include "ui/qt/screen_fit.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

#include "ui/qt/form_window.h"

namespace ui::qt {

namespace {

// Until a window has shown, the window system's frame is unknown: take a common one, a title bar
// and thin edges. The frame of the first window to show replaces it.
constexpr QMargins kLikelyFrame(4, 28, 4, 4);

// Long enough for a window manager to have framed a window anew, in milliseconds.
constexpr int kFrameSettles = 300;

// Logical pixels to each pixel of a face in the flow, on this screen.
qreal facePixelOn(const QScreen& screen)
{
    const qreal ratio = screen.devicePixelRatio();
    return flowFacePixels(ratio) / ratio;
}

}  // namespace

ScreenFit::ScreenFit(std::span<const WindowDef* const> windows)
    : windows_(windows)
{
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watch(screen);
        changed();
    });
    connect(qApp, &QGuiApplication::screenRemoved, this, &ScreenFit::changed);
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, &ScreenFit::changed);
}

void ScreenFit::watch(QScreen* screen)
{
    connect(screen, &QScreen::geometryChanged, this, &ScreenFit::changed);
    connect(screen, &QScreen::availableGeometryChanged, this, &ScreenFit::changed);
    connect(screen, &QScreen::logicalDotsPerInchChanged, this, &ScreenFit::changed);
    connect(screen, &QScreen::physicalDotsPerInchChanged, this, &ScreenFit::changed);
}

void ScreenFit::add(FormWindow& window)
{
    live_.push_back({&window, {}, {}});
    if (std::find(made_.begin(), made_.end(), &window.definition()) == made_.end())
        made_.push_back(&window.definition());
}

void ScreenFit::remove(FormWindow& window)
{
    live_.erase(std::remove_if(live_.begin(), live_.end(), [&](const Placed& placed) { return placed.window == &window; }),
                live_.end());
}

void ScreenFit::placeFirst(FormWindow& window)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const bool flow = flowsOn(*screen);
    window.setFlow(flow, flow ? facePixelOn(*screen) : 1);
    const QRect area = screen->availableGeometry();
    if (flow) {
        window.fill(area, frame());
        QTimer::singleShot(kFrameSettles, this, &ScreenFit::changed);
    } else {
        window.centreOn(area);
    }
    for (Placed& placed : live_) {
        if (placed.window == &window)
            placed = {&window, area, frame()};
    }
}

void ScreenFit::shown(FormWindow& window)
{
    connect(window.windowHandle(), &QWindow::screenChanged, this, &ScreenFit::changed);
}

void ScreenFit::changed()
{
    if (pending_)
        return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] { refit(); });
}

void ScreenFit::refit()
{
    pending_ = false;
    for (const Placed& placed : live_) {
        const QWindow* handle = placed.window->windowHandle();
        if (handle != nullptr && handle->isExposed() && !(handle->windowStates() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
            knownFrame_ = handle->frameMargins();
            frameKnown_ = true;
            break;
        }
    }
    for (Placed& placed : live_) {
        FormWindow& window = *placed.window;
        // A window never shown is decided when it first shows.
        if (placed.area.isNull())
            continue;
        const QScreen* screen = window.screen();
        if (screen == nullptr)
            continue;
        const bool flow = flowsOn(*screen) || window.squeezed();
        const qreal facePixel = flow ? facePixelOn(*screen) : 1;
        const QRect area = screen->availableGeometry();
        const QMargins frame = frameOf(window);
        if (flow != window.flowing() || facePixel != window.facePixel()) {
            window.setFlow(flow, facePixel);
            if (flow) {
                window.fill(area, frame);
                // A window manager may frame a window it can resize differently (with a grip
                // below), and says so in its own time: look again once it has.
                QTimer::singleShot(kFrameSettles, this, &ScreenFit::changed);
            } else {
                window.centreOn(area);
            }
        } else if (area != placed.area) {
            // The screen changed under a window that keeps its view: it stays on the screen.
            if (flow)
                window.fill(area, frame);
            else
                window.keepWithin(area, frame);
        } else if (flow && (frame != placed.frame || !area.contains(window.frameGeometry()))) {
            // Its frame turned out other than was taken.
            window.fill(area, frame);
        }
        placed.area = area;
        placed.frame = frame;
    }
}

// Its own frame once it shows, the one windows were last seen with before.
QMargins ScreenFit::frameOf(const FormWindow& window) const
{
    const QWindow* handle = window.windowHandle();
    return handle != nullptr && handle->isExposed() ? handle->frameMargins() : frame();
}

bool ScreenFit::flowsOn(const QScreen& screen) const
{
    const QMargins margins = frame();
    const int edge = std::max(margins.left(), margins.right());
    // The menu bar as the classic windows draw it, from one that has menus; until one is made,
    // a line of the window font with some room round it.
    const auto withMenus = std::find_if(live_.begin(), live_.end(), [](const Placed& placed) { return placed.window->classicMenuBar() > 0; });
    const int menuBar = withMenus != live_.end() ? withMenus->window->classicMenuBar() : QFontMetrics(QApplication::font()).height() + 8;
    // The title bar is what the frame adds down beyond an edge above and below.
    const WindowFrame windowFrame{.edge = edge, .titleBar = margins.top() + margins.bottom() - 2 * edge, .menuBar = menuBar};
    const QSize available = screen.availableGeometry().size();
    return flows(windows_.empty() ? std::span<const WindowDef* const>(made_) : windows_, windowFrame,
                 {available.width(), available.height()});
}

QMargins ScreenFit::frame() const
{
    return frameKnown_ ? knownFrame_ : kLikelyFrame;
}

}  // namespace ui::qt
