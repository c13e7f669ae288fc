#include "ui/run_time_error.h"

namespace ui {

RunTimeError::RunTimeError(std::string operation, std::string object, std::string reason)
    : std::runtime_error(operation + " of " + object + " failed: " + reason)
    , operation_(std::move(operation))
    , object_(std::move(object))
    , reason_(std::move(reason))
{
}

}  // namespace ui
