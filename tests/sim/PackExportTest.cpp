// SPDX-License-Identifier: GPL-3.0-or-later
// The graders teachers use, made from the example pack: the tests Classroom runs, the template
// the students get (no secret in it), and the autograder's archive for Gradescope.

#include "course/Pack.h"
#include "sim/PackExport.h"
#include "text/JsonValue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace rungbox::sim {
namespace {

// The teacher's example pack, read from its folder.
course::Pack examplePack() {
    course::FileSet files;
    const std::filesystem::path dir = RUNGBOX_EXAMPLE_PACK;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            std::stringstream bytes;
            bytes << in.rdbuf();
            files.add(std::filesystem::relative(entry.path(), dir).generic_string(), bytes.str());
        }
    }
    auto read = course::readPack(std::move(files));
    EXPECT_TRUE(read.pack) << (read.problems.empty() ? "" : read.problems.front());
    return std::move(*read.pack);
}

TEST(PackExport, ClassroomRunsEachVisibleTestWithItsPoints) {
    const course::Pack pack = examplePack();
    const auto tests = visibleTests(pack);
    ASSERT_EQ(tests.size(), 9U); // two in each exercise, one in the gate's
    EXPECT_EQ(tests[0].exercise, "latch");
    EXPECT_EQ(tests[1].test, "start_latches");
    EXPECT_EQ(tests[1].points, 2);

    const auto files = classroomTemplate(pack, "SIM");
    EXPECT_EQ(files.at(std::string(kClassroomSim)), "SIM");
    for (const auto& [path, bytes] : files) {
        EXPECT_EQ(path.find("solution"), std::string::npos) << path;
        EXPECT_EQ(path.find("hidden"), std::string::npos) << path;
        EXPECT_EQ(bytes.find("hidden"), std::string::npos) << path;
    }
    const auto autograding = text::parseJson(files.at(".github/classroom/autograding.json"));
    ASSERT_TRUE(autograding);
    const auto& entries = *autograding->member("tests")->asArray();
    ASSERT_EQ(entries.size(), tests.size());
    EXPECT_EQ(*entries[1].member("run")->asString(),
              "rungbox-sim --test start_latches latch.PLC latch.script");
    EXPECT_EQ(entries[1].member("points")->asWhole(0, 100), 2);
    const std::string workflow = files.at(".github/workflows/classroom.yml");
    EXPECT_NE(workflow.find("id: latch-start_latches"), std::string::npos);
    EXPECT_NE(workflow.find("LATCH_START_LATCHES_RESULTS"), std::string::npos);
    EXPECT_NE(workflow.find("max-score: 2"), std::string::npos);
}

TEST(PackExport, TheAutograderCarriesThePackAndItsScripts) {
    const course::Pack pack = examplePack();
    const std::string zip = gradescopeArchive(pack, "SIM");
    for (const char* path : {"setup.sh", "run_autograder", "rungbox-sim", "pack/pack.json",
                             "pack/latch.solution.PLC", "pack/latch.hidden.script"}) {
        EXPECT_NE(zip.find(path), std::string::npos) << path;
    }
    EXPECT_NE(zip.find("grade --pack \"$root/source/pack\" --json \"$root/results/results.json\""),
              std::string::npos);
}

} // namespace
} // namespace rungbox::sim
