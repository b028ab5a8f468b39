// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of grade --pack and pack check that the golden checks under packs/ do not reach one
// by one: the folder reader's refusals, programs loaded from bytes, hand-ins written by the
// course's own writer, and the report columns of exercises.
#include "sim/PackGrader.h"
#include "course/Bundle.h"
#include "sim/Options.h"
#include "sim/Reports.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace rungbox::sim {
namespace {

namespace fs = std::filesystem;

const fs::path kPack = fs::path(RUNGBOX_SIM_PACKS) / "good";

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class Folder : public ::testing::Test {
protected:
    void SetUp() override {
        root =
            fs::temp_directory_path() /
            ("rungbox-pack-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "pack/pictures");
        std::ofstream(root / "pack/pack.json") << "{}";
        std::ofstream(root / "outside.md") << "outside";
    }
    void TearDown() override { fs::remove_all(root); }
    fs::path root;
};

TEST_F(Folder, ReadsFilesByTheirPathsPassingHiddenOnesAndLinksInside) {
    std::ofstream(root / "pack/pictures/a.png") << "png";
    fs::create_directories(root / "pack/.git");
    std::ofstream(root / "pack/.git/config") << "git";
    fs::create_symlink("pictures/a.png", root / "pack/b.png");
    course::FileSet files;
    std::string why;
    ASSERT_TRUE(readFolder((root / "pack").string(), files, why)) << why;
    EXPECT_EQ(files.size(), 3U);
    ASSERT_TRUE(files.contains("pictures/a.png"));
    EXPECT_EQ(*files.find("b.png"), "png");
}

// The teacher's pack with its tests, read as grade --pack reads it.
struct GoodPack {
    GoodPack() {
        course::FileSet files;
        std::string why;
        EXPECT_TRUE(readFolder(kPack.string(), files, why)) << why;
        pack = *course::readPack(std::move(files)).pack;
        for (const course::Exercise& exercise : pack.exercises) {
            tests.push_back(*readExerciseTests(pack, exercise, why));
        }
    }
    course::Pack pack;
    std::vector<ExerciseTests> tests;
};

TEST(PackGrade, GradesAHandInWrittenByTheCourseWriter) {
    const GoodPack good;
    course::Handin handin{"week1", "Week 1", {}};
    handin.work["lamp"] = {
        fileText(kPack / "lamp.solution.PLC"), fileText(kPack / "lamp.names"), {1, 1, 1}};
    std::string why;
    const auto read = course::readHandin(course::handinText(handin), &why);
    ASSERT_TRUE(read) << why;
    Submission ann{"ann", {}, ""};
    for (const auto& [id, work] : read->work) {
        ann.work[id] = {work.program, work.names};
    }
    Submission other = ann;
    other.student = "other";
    other.refusal = "handed in for the pack week9, not week1";
    const auto results = gradeSubmissions(good.pack, good.tests, {ann, other}, {1, 0});
    ASSERT_EQ(results.size(), 2U);
    EXPECT_EQ(results[0].score(), 3);
    EXPECT_EQ(results[0].maxScore(), 14);
    EXPECT_NE(results[0].output.find("latch: 0/8 points: not handed in\n"), std::string::npos);
    EXPECT_NE(results[0].output.find("lamp: 3/3 points\n  behaves as the model solution"),
              std::string::npos);
    EXPECT_EQ(results[1].score(), 0);
    EXPECT_NE(results[1].output.find("lamp: 0/3 points: handed in for the pack week9"),
              std::string::npos);

    std::ostringstream csv;
    writeCsv(csv, results, exerciseColumns(good.tests));
    EXPECT_EQ(csv.str(),
              "program,score,max_score,latch,lamp,delay\r\nann,3,14,0,3,0\r\nother,0,14,0,0,0\r\n");
}

TEST(PackGrade, LoadsProgramsFromBytesAsFromTheirFiles) {
    std::ostringstream printed;
    auto fromBytes = std::make_unique<Runner>(printed, printed);
    ASSERT_TRUE(loadProgramFiles(*fromBytes, "lamp.PLC",
                                 {fileText(kPack / "lamp.PLC"), fileText(kPack / "lamp.names")}));
    auto fromFile = std::make_unique<Runner>(printed, printed);
    ASSERT_TRUE(fromFile->load((kPack / "lamp.PLC").string()));
    EXPECT_EQ(fromBytes->session().grid().text(1, editor::kCodeCol),
              fromFile->session().grid().text(1, editor::kCodeCol));
    EXPECT_EQ(fromBytes->session().editor().names(), fromFile->session().editor().names());
    EXPECT_FALSE(loadProgramFiles(*fromBytes, "x.PLC", {"not a program", ""}));
    EXPECT_FALSE(fromBytes->lastMessage().empty());
}

TEST(PackGrade, TakesPackAndMaxStatesOnlyWithGrade) {
    std::string error;
    const auto options =
        parseOptions({"--pack", "week1", "--max-states", "5000", "a.rbxsub"}, true, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->packDir, "week1");
    EXPECT_EQ(options->maxStates, 5000U);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--max-states", "0", "a"},
                                                 {"--max-states", "x", "a"},
                                                 {"--max-states", "100000001", "a"}}) {
        EXPECT_FALSE(parseOptions(args, true, error));
    }
    EXPECT_FALSE(parseOptions({"--pack", "week1", "p.PLC"}, false, error));
}

} // namespace
} // namespace rungbox::sim
