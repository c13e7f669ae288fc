#include "ui/flow_rule.h"

#include <algorithm>
#include <cmath>

#include "ui/twips.h"
#include "ui/window_face.h"

namespace ui {

Room classicRoom(const WindowDef& window, const WindowFrame& frame)
{
    return {toPixels(window.width) + 2 * frame.edge,
            toPixels(window.height) + 2 * frame.edge + frame.titleBar + (window.menus.empty() ? 0 : frame.menuBar)};
}

Room roomNeeded(std::span<const WindowDef* const> windows, const WindowFrame& frame)
{
    Room needed;
    for (const WindowDef* window : windows) {
        const Room room = classicRoom(*window, frame);
        needed = {std::max(needed.width, room.width), std::max(needed.height, room.height)};
    }
    return needed;
}

bool flows(std::span<const WindowDef* const> windows, const WindowFrame& frame, Room offered)
{
    const Room needed = roomNeeded(windows, frame);
    return offered.width < needed.width || offered.height < needed.height;
}

int flowFacePixels(double devicePixelRatio)
{
    return static_cast<int>(std::ceil(kFlowTextAtLeast * devicePixelRatio / cellHeight(kWindowFont.size10k)));
}

}  // namespace ui
