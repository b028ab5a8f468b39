// SPDX-License-Identifier: GPL-3.0-or-later
// The page's diagram drawing: the browser's key names reach the keyboard model, the address box
// opens and closes as the state says, and a run leaves the program alone.

#include "wasm/WebLadderEditor.h"

#include "editor/Editor.h"

#include <gtest/gtest.h>

namespace rungbox::wasm {
namespace {

struct Page {
    std::string lines() const {
        std::string out;
        for (int line = 1; line <= web.session().editor().lastUsedLine(); ++line) {
            out += (line == 1 ? "" : " ") + web.grid().text(line, editor::kCodeCol);
            if (const std::string& location = web.grid().text(line, editor::kLocationCol);
                !location.empty()) {
                out += "|" + location;
            }
        }
        return out;
    }

    WebSession web;
    WebLadderEditor ladder{web};
};

TEST(WebLadderEditor, BrowserKeysDrawARungAndTheAddressBoxFollows) {
    Page p;
    // Lower-case letters as KeyboardEvent.key gives them; each new element opens its address.
    const std::pair<const char*, const char*> typed[] = {{"r", "0"}, {"c", "1"}, {"p", "2"}};
    for (const auto& [key, address] : typed) {
        ASSERT_TRUE(p.ladder.key(key, 0)) << key;
        EXPECT_NE(p.ladder.state().find("\"address\":{\"address\":"), std::string::npos) << key;
        ASSERT_TRUE(p.ladder.confirmAddress(address, "")) << key;
    }
    EXPECT_EQ(p.lines(), "LD|0 LD|1 OR|2 AND BLK OUT|1000 END");
    EXPECT_NE(p.ladder.state().find("\"address\":null"), std::string::npos);

    // A name nobody gave is refused with the reason, and the box stays open.
    p.ladder.key("c", 0);
    EXPECT_FALSE(p.ladder.confirmAddress("NOBODY", ""));
    EXPECT_NE(p.ladder.state().find(ladder::kUnreadableAddress), std::string::npos);
    p.ladder.cancelAddress();
    EXPECT_EQ(p.lines(), "LD|0 LD|1 OR|2 AND BLK OUT|1000 END");

    EXPECT_TRUE(p.ladder.key("z", 2)); // Ctrl+Z: the parallel contact goes
    EXPECT_EQ(p.lines(), "LD|0 AND|1 OUT|1000 END");
    EXPECT_TRUE(p.ladder.key("Z", 3)); // Ctrl+Shift+Z redoes
    EXPECT_EQ(p.lines(), "LD|0 LD|1 OR|2 AND BLK OUT|1000 END");
    EXPECT_FALSE(p.ladder.key("Tab", 0)); // Tab leaves the diagram
    EXPECT_FALSE(p.ladder.key("c", 4));   // Alt keys open menus
}

TEST(WebLadderEditor, DuringARunTheDiagramOnlyShows) {
    Page p;
    p.ladder.key("r", 0);
    ASSERT_TRUE(p.ladder.confirmAddress("0", ""));
    p.web.toggleRun();
    ASSERT_TRUE(p.web.running());
    EXPECT_FALSE(p.ladder.key("c", 0));
    p.ladder.use(static_cast<int>(ladder::Tool::Not));
    p.ladder.deleteRung();
    p.ladder.pasteRungs(p.ladder.copyRung());
    EXPECT_EQ(p.ladder.copyRung(), "");
    EXPECT_NE(p.ladder.state().find("\"active\":0"), std::string::npos);
    p.web.toggleRun();
    EXPECT_EQ(p.lines(), "LD|0 OUT|1000 END");
}

} // namespace
} // namespace rungbox::wasm
