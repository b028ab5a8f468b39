// SPDX-License-Identifier: GPL-3.0-or-later
// The page's diagram drawing natively, under the sanitizers too: a run leaves the program alone
// and refuses the copy, paste and delete of rungs.

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
