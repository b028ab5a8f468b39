#include "WindowLoad.h"

namespace rungbox::panel {

void Form_Load(editor::Editor& editor, engine::Controller& controller) {
    editor::setUpGrid(editor.grid());
    controller.initPLC();
    editor.setCodeChanged(false);
}

} // namespace rungbox::panel
