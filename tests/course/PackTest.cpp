// SPDX-License-Identifier: GPL-3.0-or-later
// Exercise packs as a teacher writes them and as students get them, their one-file forms and the
// hand-ins: what is read, what is refused and why, and that nothing secret is published.

#include "course/Bundle.h"
#include "course/Pack.h"

#include <gtest/gtest.h>

#include <string>

namespace rungbox::course {
namespace {

// A teacher's pack of two exercises: `latch` with every file, `timer` with its files renamed.
FileSet teachersFiles() {
    FileSet files;
    files.add("pack.json",
              R"({"format": "rungbox-pack", "version": 1, "id": "week3", "title": "Week 3",
                  "exercises": [{"id": "latch", "title": "A motor latch"},
                                {"id": "timer", "title": "A delay",
                                 "files": {"statement": "text/timer.md",
                                           "solution": "answers/timer.PLC"}}]})");
    for (const char* name : {"latch.md", "latch.PLC", "latch.names", "latch.script",
                             "latch.solution.PLC", "latch.hidden.script", "text/timer.md",
                             "timer.PLC", "timer.script", "answers/timer.PLC",
                             "pictures/panel.png"}) {
        files.add(name, std::string("bytes of ") + name);
    }
    return files;
}

TEST(FileSet, PathsStayInsideThePack) {
    for (const char* good : {"a", "latch.PLC", "pictures/week-3/a_b.png", "a/b/c/d"}) {
        EXPECT_TRUE(isSafePath(good)) << good;
    }
    for (const char* bad : {"", "/etc/passwd", "../x", "a/../b", "a//b", "a/", ".hidden", "a/.b",
                            "a\\b", "C:x", "a b", "a/b/c/d/e", "caf\xC3\xA9", "./a"}) {
        EXPECT_FALSE(isSafePath(bad)) << bad;
    }
    EXPECT_FALSE(isSafePath(std::string(kMaxPathBytes + 1, 'a')));
    FileSet files;
    std::string why;
    EXPECT_TRUE(files.add("a", "1"));
    EXPECT_FALSE(files.add("a", "2", &why));
    EXPECT_EQ(why, "given twice");
    EXPECT_FALSE(files.add("b", std::string(kMaxFileBytes + 1, 'x'), &why));
    EXPECT_EQ(why, "larger than a pack's file may be");
    for (int k = 0; files.totalBytes() + kMaxFileBytes <= kMaxTotalBytes; ++k) {
        ASSERT_TRUE(files.add("big" + std::to_string(k), std::string(kMaxFileBytes, 'x')));
    }
    EXPECT_FALSE(files.add("one-more", std::string(kMaxFileBytes, 'x'), &why));
    EXPECT_EQ(why, "more than a pack may hold");
    EXPECT_TRUE(files.remove("a"));
    EXPECT_FALSE(files.remove("a"));
}

TEST(Pack, ReadsAnExercisesFilesByItsIdOrAsNamed) {
    const PackRead read = readPack(teachersFiles());
    ASSERT_TRUE(read.pack) << read.problems.front();
    const Pack& pack = *read.pack;
    EXPECT_EQ(pack.id, "week3");
    EXPECT_EQ(pack.title, "Week 3");
    ASSERT_EQ(pack.exercises.size(), 2U);
    EXPECT_EQ(pack.exercises[0].files,
              (ExerciseFiles{"latch.md", "latch.PLC", "latch.names", "latch.script",
                             "latch.solution.PLC", "latch.hidden.script"}));
    EXPECT_EQ(pack.exercises[1].files,
              (ExerciseFiles{"text/timer.md", "timer.PLC", "", "timer.script", "answers/timer.PLC",
                             ""}))
        << "optional files that are not there are left out";
    EXPECT_TRUE(pack.teachersCopy());
    EXPECT_EQ(pack.exercise("timer"), &pack.exercises[1]);
    EXPECT_EQ(pack.exercise("nothing"), nullptr);
}

TEST(Pack, SaysWhatIsWrongWithAPack) {
    struct Row {
        std::string json;
        std::string problem;
    };
    const std::string head = R"({"format":"rungbox-pack","version":1,"id":"w","title":"W",)";
    const Row rows[] = {
        {"", "pack.json: not JSON (expected a value at byte 0)"},
        {"[]", "pack.json: not JSON (not an object)"},
        {R"({"format":"rungbox-pack","version":2})",
         "pack.json: not a Rungbox pack of version 1 (\"format\": \"rungbox-pack\", \"version\": 1)"},
        {head + R"("exercises":[]})", "pack.json: \"exercises\" must list 1 to 60 exercises"},
        {head + R"("exercises":[{"id":"latch","title":"L"},{"id":"latch","title":"M"}]})",
         "pack.json: the exercises' ids must be unique: latch"},
        {head + R"("exercises":[{"id":"../x","title":"L"}]})",
         "pack.json: exercise 1: \"id\" is missing or not valid"},
        {head + R"("exercises":[{"id":"latch","title":"a\nb"}]})",
         "pack.json: exercise 1: \"title\" is missing or not valid"},
        {head + R"("exercises":[{"id":"nope","title":"N"}]})", "nope: its statement nope.md is missing"},
        {head + R"("exercises":[{"id":"latch","title":"L","files":{"tests":"/etc/x"}}]})",
         "latch: the tests file is not a path in the pack"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.json);
        FileSet files = teachersFiles();
        files.remove("pack.json");
        files.add("pack.json", row.json);
        const PackRead read = readPack(files);
        EXPECT_FALSE(read.pack);
        ASSERT_FALSE(read.problems.empty());
        EXPECT_EQ(read.problems.front(), row.problem);
    }
    EXPECT_EQ(readPack(FileSet()).problems, std::vector<std::string>{"pack.json is missing"});
}

TEST(Pack, TheStudentsCopyHoldsNoSecretByte) {
    const Pack teachers = *readPack(teachersFiles()).pack;
    const Pack students = studentCopy(teachers);
    EXPECT_FALSE(students.teachersCopy());
    for (const auto& [path, bytes] : students.files.files()) {
        EXPECT_EQ(bytes.find("solution"), std::string::npos) << path;
        EXPECT_EQ(bytes.find("hidden"), std::string::npos) << path;
        EXPECT_EQ(bytes.find("answers"), std::string::npos) << path;
    }
    EXPECT_TRUE(students.files.contains("pictures/panel.png"));
    EXPECT_TRUE(students.files.contains("latch.names"));
    // The published pack.json reads back as the same pack, without the secrets.
    const PackRead again = readPack(students.files);
    ASSERT_TRUE(again.pack) << again.problems.front();
    EXPECT_EQ(again.pack->exercises, students.exercises);
    EXPECT_EQ(again.pack->exercises[1].files.statement, "text/timer.md");
    EXPECT_EQ(packJsonText(*again.pack), *students.files.find("pack.json"));
}

TEST(Bundle, APublishedPackTravelsAsOneFile) {
    const Pack students = studentCopy(*readPack(teachersFiles()).pack);
    const std::string one = packFileText(students.files);
    const auto back = readPackFile(one);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, students.files);

    struct Row {
        std::string bytes;
        std::string why;
    };
    const Row rows[] = {
        {"PK\x03\x04", "not JSON: expected a value at byte 0"},
        {R"({"format":"rungbox-handin","version":1})", "not a rungbox-pack-file file of version 1"},
        {R"({"format":"rungbox-pack-file","version":1})", "it holds no files"},
        {R"({"format":"rungbox-pack-file","version":1,"files":{"../evil":"YQ=="}})",
         "the file \"../evil\": not a path inside the pack"},
        {R"({"format":"rungbox-pack-file","version":1,"files":{"a":"Y"}})",
         "the file \"a\": not base64"},
        {R"({"format":"rungbox-pack-file","version":1,"files":{"a":1}})", "the file \"a\": not base64"},
    };
    for (const Row& row : rows) {
        std::string why;
        EXPECT_FALSE(readPackFile(row.bytes, &why)) << row.bytes;
        EXPECT_EQ(why, row.why);
    }
}

TEST(Bundle, AHandInReadsBackAsHandedIn) {
    Handin handin{"week3", "Week 3 \xC3\xA9", {}};
    handin.work["latch"] = {std::string("2.00\r\n\0LD", 10), "0\tSTART\n", {3, 4, 5}};
    handin.work["timer"] = {"1.00\r\n", "", {0, 0, 0}};
    const auto back = readHandin(handinText(handin));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, handin);

    const std::string head = R"({"format":"rungbox-handin","version":1,"pack":{"id":"w","title":"W"},)";
    for (const std::string& bad : {
             std::string(R"({"format":"rungbox-handin","version":1})"),
             head + R"("exercises":{"../x":{"program":""}}})",
             head + R"("exercises":{"a":{"program":"!!"}}})",
             head + R"("exercises":{"a":{"program":"","checks":{"runs":1,"passed":6,"tests":5}}}})",
             head + R"("exercises":{"a":{"program":"","checks":{"runs":-1,"passed":0,"tests":0}}}})",
         }) {
        std::string why;
        EXPECT_FALSE(readHandin(bad, &why)) << bad;
        EXPECT_FALSE(why.empty());
    }
    EXPECT_TRUE(readHandin(head + R"("exercises":{"a":{"program":""}}})")) << "checks are optional";
}

} // namespace
} // namespace rungbox::course
