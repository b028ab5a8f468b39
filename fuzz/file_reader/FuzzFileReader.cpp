// Any bytes as a .PLC file, loaded through File > Load into a grid. Whatever the file holds,
// the load shows a message or fills the grid, and the grid keeps its shape.

#include "FuzzSupport.h"

#include "editor/Editor.h"
#include "engine/Controller.h"
#include "files/FileCommands.h"
#include "files/LadderFile.h"

using namespace rungbox;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::NullPanel panel;
    engine::Controller controller(panel);
    editor::CodeGrid grid;
    editor::setUpGrid(grid);
    editor::Editor editor(grid);
    fuzz::FixedDialog dialog;
    fuzz::CountingBoxes boxes;
    fuzz::MemoryFileSystem fileSystem;
    fileSystem.bytes.assign(reinterpret_cast<const char*>(data), size);
    fuzz::NullShell shell;
    files::FileCommands commands(editor, controller, dialog, boxes, fileSystem, shell);

    const bool loaded = commands.load();
    fuzz::requireGridShape(grid);
    fuzz::require(loaded == boxes.texts.empty(), "a load either succeeds or shows one message");
    fuzz::require(boxes.texts.size() <= 1, "at most one message");
    if (loaded) {
        fuzz::require(!editor.codeChanged(), "a loaded program is unchanged");
        // Whatever was loaded can be written out, and the file written loads again.
        fileSystem.bytes = files::writeLadderFile(grid);
        editor::CodeGrid copy;
        editor::setUpGrid(copy);
        editor::Editor copyEditor(copy);
        files::FileCommands copyCommands(copyEditor, controller, dialog, boxes, fileSystem, shell);
        fuzz::require(copyCommands.load(), "a written file loads");
        fuzz::requireGridShape(copy);
    }
    return 0;
}
