// SPDX-License-Identifier: GPL-3.0-or-later
// The page's exercise pack: a published pack opened from its one file, its exercises,
// statements, pictures and starters; a teacher's copy opened without its secrets; what is no
// pack refused with the pack open before kept; the hand-in read back as rungbox-sim reads it.

#include "wasm/WebCourse.h"

#include "course/Bundle.h"

#include <gtest/gtest.h>

namespace rungbox::wasm {
namespace {

const char* const kPackJson = R"({"format": "rungbox-pack", "version": 1, "id": "week3",
  "title": "Week 3", "exercises": [{"id": "latch", "title": "A latch"},
  {"id": "blink", "title": "A blinker", "files": {"starter": "start/blink.PLC"}}]})";

// The pack's files; `teachers` adds the model solutions and a hidden test.
std::string packFile(bool teachers = false) {
    course::FileSet files;
    files.add("pack.json", kPackJson);
    files.add("latch.md",
              "# A latch\n\n| a | b |\n|---|---|\n| 1 | 2 |\n\n![motor](pictures/m.png)\n");
    files.add("latch.PLC", "latch starter");
    files.add("latch.names", "1000 MOTOR\n");
    files.add("latch.script", "test one 1\n");
    files.add("blink.md", "Blink <script>x</script>\n");
    files.add("start/blink.PLC", "blink starter");
    files.add("blink.script", "test two 1\n");
    files.add("pictures/m.png", std::string("\x89PNG\0\1", 6));
    if (teachers) {
        files.add("latch.solution.PLC", "the answer");
        files.add("latch.hidden.script", "test secret 1 hidden\n");
    }
    return course::packFileText(files);
}

TEST(WebCourseTest, OpensAPublishedPackAndGivesItsParts) {
    WebCourse course;
    ASSERT_EQ(course.open(packFile()), "");
    EXPECT_EQ(course.packId(), "week3");
    EXPECT_EQ(course.packTitle(), "Week 3");
    EXPECT_EQ(
        course.exercisesJson(),
        R"([{"id":"latch","title":"A latch","starter":"latch.PLC","tests":"latch.script"},)"
        R"({"id":"blink","title":"A blinker","starter":"blink.PLC","tests":"blink.script"}])");
    EXPECT_EQ(course.starter("blink"), "blink starter");
    EXPECT_EQ(course.starterNames("latch"), "1000 MOTOR\n");
    EXPECT_EQ(course.starterNames("blink"), "");
    EXPECT_EQ(course.tests("latch"), "test one 1\n");
    const std::string statement = course.statementJson("latch");
    EXPECT_NE(statement.find(R"("kind":"heading")"), std::string::npos) << statement;
    EXPECT_NE(statement.find(R"("kind":"table")"), std::string::npos) << statement;
    EXPECT_NE(statement.find(R"("picture":"pictures/m.png")"), std::string::npos) << statement;
    EXPECT_EQ(course.statementJson("nothing"), "[]");
    EXPECT_EQ(course.starter("nothing"), "");
}

// Only the pack's own files are given, by a path that stays inside it.
TEST(WebCourseTest, GivesOnlyThePacksFiles) {
    WebCourse course;
    ASSERT_EQ(course.open(packFile()), "");
    EXPECT_EQ(course.file("pictures/m.png"), std::string("\x89PNG\0\1", 6));
    for (const char* path : {"", "../pictures/m.png", "/pictures/m.png", "pictures/../latch.PLC",
                             "pictures/n.png", "pictures\\m.png"}) {
        EXPECT_EQ(course.file(path), "") << path;
    }
}

TEST(WebCourseTest, OpensATeachersCopyWithoutItsSecrets) {
    WebCourse course;
    ASSERT_EQ(course.open(packFile(true)), "");
    EXPECT_EQ(course.file("latch.solution.PLC"), "");
    EXPECT_EQ(course.file("latch.hidden.script"), "");
    EXPECT_EQ(course.file("pack.json").find("solution"), std::string::npos);
    EXPECT_EQ(course.starter("latch"), "latch starter");
}

// What is no pack is refused with a reason, and the pack open before stays open.
TEST(WebCourseTest, RefusesWhatIsNoPack) {
    WebCourse course;
    ASSERT_EQ(course.open(packFile()), "");
    course::FileSet noStatement;
    noStatement.add("pack.json", kPackJson);
    for (const std::string& bytes : {std::string("{"), std::string("<html>"),
                                     std::string(R"({"format":"rungbox-pack-file",)"
                                                 R"("version":1,"files":{"../x":""}})"),
                                     course::packFileText(noStatement)}) {
        EXPECT_NE(course.open(bytes), "") << bytes;
        EXPECT_EQ(course.packId(), "week3");
    }
    WebCourse none;
    EXPECT_NE(none.open("{"), "");
    EXPECT_FALSE(none.isOpen());
    EXPECT_EQ(none.exercisesJson(), "[]");
    EXPECT_EQ(none.handinText(), "");
}

// Every exercise is handed in: the work set, the starter where none was; the checks clamped.
TEST(WebCourseTest, HandsInEveryExercise) {
    WebCourse course;
    ASSERT_EQ(course.open(packFile()), "");
    EXPECT_TRUE(course.setWork("latch", "my latch", "1000 RUN\n", 3, 9, 2));
    EXPECT_FALSE(course.setWork("nothing", "x", "", 1, 1, 1));
    std::string why;
    const auto handin = course::readHandin(course.handinText(), &why);
    ASSERT_TRUE(handin) << why;
    EXPECT_EQ(handin->packId, "week3");
    EXPECT_EQ(handin->packTitle, "Week 3");
    ASSERT_EQ(handin->work.size(), 2U);
    EXPECT_EQ(handin->work.at("latch"), (course::HandedWork{"my latch", "1000 RUN\n", {3, 2, 2}}));
    EXPECT_EQ(handin->work.at("blink"), (course::HandedWork{"blink starter", "", {}}));
    course.clearWork();
    EXPECT_EQ(course::readHandin(course.handinText())->work.at("latch").program, "latch starter");
    course.close();
    EXPECT_FALSE(course.isOpen());
    EXPECT_EQ(course.handinText(), "");
}

} // namespace
} // namespace rungbox::wasm
