// Template 102: the layout of the game window.
#pragma once

#include "ui/dialog_template.h"

namespace escartinol {

const DialogTemplate& GameWindowTemplate();

}  // namespace escartinol
