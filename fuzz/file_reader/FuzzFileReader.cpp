// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a .PLC file, loaded through File > Load into a grid. Whatever the file holds,
// the load shows a message or fills the grid, and the grid keeps its shape. Whatever it loaded,
// Save As then Load gives back: every cell up to the first "END", and nothing below it.

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
    fuzz::NullWindow window;
    window.openPath = "fuzz.PLC";
    fuzz::CountingBoxes boxes;
    fuzz::MemoryFileSystem fileSystem;
    fileSystem.bytes.assign(reinterpret_cast<const char*>(data), size);
    files::FileCommands commands(editor, controller, window, boxes, fileSystem, window);

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
        files::FileCommands copyCommands(copyEditor, controller, window, boxes, fileSystem, window);
        fuzz::require(copyCommands.load(), "a written file loads");
        fuzz::requireGridShape(copy);
        bool saved = true; // still within the cells the save wrote
        for (int cell = 0; cell < files::kMaxCellFields; ++cell) {
            const int line = cell / 3 + 1;
            const int column = cell % 3 + 1;
            const std::string& text = grid.text(line, column);
            fuzz::require(copy.text(line, column) == (saved ? text : std::string()),
                          "Save As then Load gives back the cells the save wrote");
            saved = saved && text != files::kEndCell;
        }
    }
    return 0;
}
