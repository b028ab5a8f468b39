#include "WindowLoad.h"

namespace rungbox::panel {

void setUpSession(editor::Editor& editor, engine::Controller& controller) {
    editor::setUpGrid(editor.grid());
    controller.reset();
    editor.setCodeChanged(false);
}

} // namespace rungbox::panel
