// SPDX-License-Identifier: GPL-3.0-or-later
#include "PackCommand.h"

#include "ExploreCommandLine.h"
#include "PackExport.h"
#include "PackGrader.h"
#include "course/Bundle.h"
#include "text/Utf8.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace rungbox::sim {

namespace fs = std::filesystem;

const char* const kGradePackHelp =
    "grade --pack DIR [OPTIONS] SUBMISSION... grades students' work on the exercise\n"
    "pack in the folder DIR (the teacher's copy). A SUBMISSION is a hand-in\n"
    "(NAME.rbxsub, the student NAME) or a folder NAME of ID.PLC files (and their\n"
    "ID.names) named by exercise id. Each exercise handed in runs its visible and\n"
    "hidden tests and is compared with the model solution (--max-states N bounds the\n"
    "comparison, as compare's does); an exercise not handed in scores 0. An\n"
    "exercise's points are those of its tests passed (`test NAME POINTS`). Reports\n"
    "name each test \"EXERCISE: TEST\"; the CSV has one row per student and one column\n"
    "per exercise; the JSON's output, and the lines printed, give each exercise's\n"
    "feedback (a difference from the model solution as the shortest input sequence\n"
    "that shows it). A single submission's JSON is one object, as Gradescope reads\n"
    "it. It takes the report options, --test \"EXERCISE: TEST\", --jobs N and\n"
    "--max-states N.\n";

namespace {

constexpr const char* kPackUsage =
    "usage: rungbox-sim pack check DIR\n"
    "       rungbox-sim pack publish DIR OUT\n"
    "       rungbox-sim pack gradescope [--sim STATIC] DIR OUT.zip\n"
    "       rungbox-sim pack classroom [--sim STATIC] DIR OUT\n";

void printPackHelp(std::ostream& out) {
    out << kPackUsage
        << "check reads the exercise pack in the folder DIR (the teacher's copy: pack.json\n"
           "and each exercise's files; hidden files such as .git are passed over, and a link\n"
           "may lead only to a file inside DIR) and checks it: pack.json reads, every\n"
           "program loads and every names file reads as File > Load reads them, every script\n"
           "reads, the model solution passes every test, visible and hidden, and the starter\n"
           "fails at least one. It prints a line per exercise, each problem on a line of its\n"
           "own, and a summary.\n"
           "\n"
           "publish checks the pack as check does and, only when all is well, writes the\n"
           "students' copy (without model solutions and hidden tests): the folder OUT with\n"
           "its files and OUT/pack.rbxpack (the page opens it as index.html#pack=OUT/), and\n"
           "the one file OUT.rbxpack beside it. A folder OUT that holds anything but an\n"
           "earlier publication of the same pack is left alone.\n"
           "\n"
           "gradescope checks the pack and writes OUT.zip, a Gradescope autograder: setup.sh,\n"
           "run_autograder, the teacher's pack and a rungbox-sim linked statically, which\n"
           "runs on the autograder's machine with nothing installed; it grades the\n"
           "submission's .rbxsub (or .PLC files) with grade --pack into results.json.\n"
           "classroom checks the pack and writes the folder OUT, a GitHub Classroom\n"
           "template: the students' copy, .github/classroom/autograding.json and the\n"
           "workflow .github/workflows/classroom.yml with a step per visible test and its\n"
           "points, and the static rungbox-sim the workflow installs. STATIC is that\n"
           "program (default: rungbox-sim-static beside this rungbox-sim).\n"
           "\n"
           "Exit status: 0 all is well, 1 bad command line, a pack folder that cannot be\n"
           "read or a pack.json that does not read, or a file not written, 4 an exercise\n"
           "with problems.\n";
}

int refuse(std::ostream& err, const std::string& why) {
    err << "rungbox-sim: " << text::printableText(why) << '\n';
    return Exit::Usage;
}

std::string testCount(std::size_t count, const char* kind) {
    return std::to_string(count) + ' ' + kind + (count == 1 ? " test" : " tests");
}

// Prints the check's lines and summary; answers its exit status.
int printCheck(const PackCheck& check, std::ostream& out) {
    for (const std::string& problem : check.problems) {
        out << text::printableText(problem) << '\n';
    }
    if (!check.pack) {
        out << "the pack cannot be read\n";
        return Exit::Usage;
    }
    std::size_t ok = 0;
    for (const ExerciseCheck& exercise : check.exercises) {
        if (exercise.problems.empty()) {
            ++ok;
            out << exercise.id << ": ok (" << testCount(exercise.visibleTests, "visible") << ", "
                << exercise.hiddenTests << " hidden)\n";
        }
        for (const std::string& problem : exercise.problems) {
            out << exercise.id << ": " << text::printableText(problem) << '\n';
        }
    }
    out << check.pack->id << ": " << ok << " of " << check.exercises.size() << " exercises ok";
    if (!check.problems.empty()) {
        out << ", " << check.problems.size() << " other problems";
    }
    out << '\n';
    return check.ok() ? Exit::Ok : Exit::ExpectFailed;
}

// The id of the pack published earlier in the folder `dir`, with the files it holds; empty when
// it holds none.
std::string publishedId(const std::string& dir, course::FileSet& files) {
    std::string why;
    if (!readFolder(dir, files, why)) {
        return "";
    }
    const std::string* rbxpack = files.find("pack.rbxpack");
    course::PackRead read = course::readPack(files);
    return rbxpack != nullptr && read.pack ? read.pack->id : "";
}

// Creates the folders `path` needs, then writes it whole or not at all.
bool writeFile(const fs::path& path, const std::string& bytes, std::ostream& err) {
    std::error_code error;
    if (!path.parent_path().empty()) {
        fs::create_directories(path.parent_path(), error);
    }
    if (error) {
        err << "rungbox-sim: cannot make the folder " << path.parent_path().string() << ": "
            << error.message() << '\n';
        return false;
    }
    return writeTextFile(path.string(), bytes, err);
}

int publish(const course::Pack& pack, std::string outDir, std::ostream& out, std::ostream& err) {
    while (outDir.size() > 1 && outDir.back() == '/') {
        outDir.pop_back();
    }
    const fs::path folder(outDir);
    std::error_code error;
    course::FileSet earlier;
    if (fs::exists(folder, error) &&
        (!fs::is_directory(folder, error) || !fs::is_empty(folder, error)) &&
        publishedId(outDir, earlier) != pack.id) {
        return refuse(err, outDir + " is not empty and holds no earlier publication of " + pack.id +
                               ": nothing published");
    }
    const course::Pack copy = course::studentCopy(pack);
    const std::string oneFile = course::packFileText(copy.files);
    for (const auto& [path, bytes] : copy.files.files()) {
        if (!writeFile(folder / path, bytes, err)) {
            return Exit::Usage;
        }
    }
    if (!writeFile(folder / "pack.rbxpack", oneFile, err) ||
        !writeFile(fs::path(outDir + ".rbxpack"), oneFile, err)) {
        return Exit::Usage;
    }
    // What the earlier publication had and this one has not goes.
    for (const auto& [path, bytes] : earlier.files()) {
        if (!copy.files.contains(path) && path != "pack.rbxpack") {
            fs::remove(folder / path, error);
        }
    }
    out << "published " << pack.id << ": " << outDir << "/ (" << copy.files.size()
        << " files and pack.rbxpack) and " << outDir << ".rbxpack\n";
    return Exit::Ok;
}

} // namespace

namespace {

std::optional<std::string> readSmallFile(const fs::path& path, std::size_t limit);

// The statically linked rungbox-sim an autograder carries: `given`, or rungbox-sim-static
// beside this program.
std::optional<std::string> staticSim(const std::string& given, std::ostream& err) {
    std::error_code error;
    const fs::path path =
        !given.empty() ? fs::path(given)
                       : fs::read_symlink("/proc/self/exe", error).parent_path() / "rungbox-sim-static";
    // A stripped static rungbox-sim is a few megabytes; a debugging build with the sanitizers,
    // which the tests may carry instead, some seventy.
    constexpr std::size_t kMaxSimBytes = 256U << 20;
    auto bytes = readSmallFile(path, kMaxSimBytes);
    if (!bytes) {
        err << "rungbox-sim: cannot read the static rungbox-sim " << path.string()
            << " (build it with: cmake --build --preset release --target rungbox-sim-static, "
               "or give it with --sim)\n";
    }
    return bytes;
}

int writeGradescope(const course::Pack& pack, const std::string& sim, const std::string& zip,
                    std::ostream& out, std::ostream& err) {
    if (!writeFile(zip, gradescopeArchive(pack, sim), err)) {
        return Exit::Usage;
    }
    out << "wrote the Gradescope autograder of " << pack.id << ": " << zip << '\n';
    return Exit::Ok;
}

int writeClassroom(const course::Pack& pack, const std::string& sim, const std::string& dir,
                   std::ostream& out, std::ostream& err) {
    std::error_code error;
    if (fs::exists(dir, error) && (!fs::is_directory(dir, error) || !fs::is_empty(dir, error))) {
        return refuse(err, dir + " is not empty: no template written");
    }
    const auto files = classroomTemplate(pack, sim);
    for (const auto& [path, bytes] : files) {
        if (!writeFile(fs::path(dir) / path, bytes, err)) {
            return Exit::Usage;
        }
    }
    fs::permissions(fs::path(dir) / kClassroomSim, fs::perms::owner_all | fs::perms::group_read |
                                                       fs::perms::group_exec |
                                                       fs::perms::others_read |
                                                       fs::perms::others_exec,
                    error);
    out << "wrote the GitHub Classroom template of " << pack.id << ": " << dir << "/ ("
        << files.size() << " files)\n";
    return Exit::Ok;
}

} // namespace

int packCommand(const std::vector<std::string>& given, std::ostream& out, std::ostream& err) {
    if (given.size() == 1 && given[0] == "--help") {
        printPackHelp(out);
        return Exit::Ok;
    }
    std::vector<std::string> args = given;
    std::string simPath;
    if (args.size() >= 3 && (args[0] == "gradescope" || args[0] == "classroom") &&
        args[1] == "--sim") {
        simPath = args[2];
        args.erase(args.begin() + 1, args.begin() + 3);
    }
    const bool check = args.size() == 2 && args[0] == "check";
    const bool writing = args.size() == 3 && (args[0] == "publish" || args[0] == "gradescope" ||
                                              args[0] == "classroom");
    if (!check && !writing) {
        err << kPackUsage;
        return Exit::Usage;
    }
    std::optional<std::string> sim;
    if (writing && args[0] != "publish" && !(sim = staticSim(simPath, err))) {
        return Exit::Usage;
    }
    course::FileSet files;
    std::string why;
    if (!readFolder(args[1], files, why)) {
        return refuse(err, why);
    }
    const PackCheck checked = checkPack(std::move(files));
    const int status = printCheck(checked, out);
    if (check || status != Exit::Ok) {
        if (writing) {
            err << "rungbox-sim: " << args[1] << " does not pass its check: nothing written\n";
        }
        return status;
    }
    if (args[0] == "gradescope") {
        return writeGradescope(*checked.pack, *sim, args[2], out, err);
    }
    if (args[0] == "classroom") {
        return writeClassroom(*checked.pack, *sim, args[2], out, err);
    }
    return publish(*checked.pack, args[2], out, err);
}

namespace {

constexpr const char* kGradePackUsage =
    "usage: rungbox-sim grade --pack DIR [OPTIONS] SUBMISSION...\n";

std::optional<std::string> readSmallFile(const fs::path& path, std::size_t limit) {
    std::error_code error;
    const auto size = fs::file_size(path, error);
    if (error || size > limit) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return in ? std::optional<std::string>(bytes.str()) : std::nullopt;
}

// A folder NAME of ID.PLC (and ID.names) files. A program there that cannot be read (or is
// larger than a pack's file may be) is handed in empty: its load fails and says so.
Submission folderSubmission(const fs::path& folder, const course::Pack& pack) {
    Submission submission;
    submission.student = folder.filename().string();
    for (const course::Exercise& exercise : pack.exercises) {
        const fs::path path = folder / (exercise.id + ".PLC");
        std::error_code error;
        if (!fs::exists(path, error)) {
            continue;
        }
        const auto program = readSmallFile(path, course::kMaxFileBytes);
        const auto names = readSmallFile(folder / (exercise.id + ".names"), course::kMaxFileBytes);
        submission.work[exercise.id] = {program.value_or(""), names.value_or("")};
    }
    return submission;
}

bool readSubmission(std::string path, const course::Pack& pack, Submission& submission,
                    std::ostream& err) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    const fs::path file(path);
    std::error_code error;
    if (fs::is_directory(file, error)) {
        submission = folderSubmission(file, pack);
        return true;
    }
    if (file.extension() != ".rbxsub") {
        refuse(err, path + ": neither a hand-in (.rbxsub) nor a folder");
        return false;
    }
    const auto bytes = readSmallFile(file, course::kMaxTotalBytes * 2);
    std::string why;
    const auto handin = bytes ? course::readHandin(*bytes, &why) : std::nullopt;
    if (!handin) {
        refuse(err, path + ": " + (bytes ? why : "cannot be read"));
        return false;
    }
    submission.student = file.stem().string();
    for (const auto& [id, work] : handin->work) {
        submission.work[id] = {work.program, work.names};
    }
    if (handin->packId != pack.id) {
        submission.refusal = "handed in for the pack " + handin->packId + ", not " + pack.id;
    }
    return true;
}

std::optional<course::Pack> readTeacherPack(const std::string& dir, std::ostream& err) {
    course::FileSet files;
    std::string why;
    if (!readFolder(dir, files, why)) {
        refuse(err, why);
        return std::nullopt;
    }
    course::PackRead read = course::readPack(std::move(files));
    for (const std::string& problem : read.problems) {
        err << "rungbox-sim: " << text::printableText(problem) << '\n';
    }
    return std::move(read.pack);
}

void printStudent(std::ostream& out, const ProgramResult& student) {
    out << text::printableText(student.program) << ": " << student.score() << '/'
        << student.maxScore() << " points\n";
    std::istringstream lines(student.output);
    for (std::string line; std::getline(lines, line);) {
        out << "  " << text::printableText(line) << '\n';
    }
}

} // namespace

int gradePackCommand(const Options& options, std::ostream& out, std::ostream& err) {
    if (options.operands.empty() || !options.vcdDir.empty() || !options.namesPath.empty()) {
        err << kGradePackUsage;
        return Exit::Usage;
    }
    const auto pack = readTeacherPack(options.packDir, err);
    if (!pack) {
        return Exit::Usage;
    }
    std::vector<ExerciseTests> tests;
    for (const course::Exercise& exercise : pack->exercises) {
        std::string why;
        auto read = readExerciseTests(*pack, exercise, why);
        if (!read) {
            return refuse(err, why);
        }
        tests.push_back(std::move(*read));
    }
    std::vector<Submission> submissions(options.operands.size());
    for (std::size_t k = 0; k < submissions.size(); ++k) {
        if (!readSubmission(options.operands[k], *pack, submissions[k], err)) {
            return Exit::Usage;
        }
    }
    auto results = gradeSubmissions(*pack, tests, submissions, {options.jobs, options.maxStates});
    auto columns = exerciseColumns(tests);
    if (options.testName) {
        const auto reported = packReportedTests(tests);
        const auto named = std::find_if(reported.begin(), reported.end(), [&](const TestInfo& t) {
            return t.name == *options.testName;
        });
        if (named == reported.end()) {
            err << "rungbox-sim: the pack has no test " << *options.testName << '\n';
            return Exit::Usage;
        }
        keepOnlyTest(results, *options.testName);
        columns = {*named};
    }
    std::ostream& printing = options.reportToStandardOutput() ? err : out;
    bool allPassed = true;
    for (const ProgramResult& student : results) {
        printStudent(printing, student);
        allPassed = allPassed && student.firstFailure() == nullptr;
    }
    printing.flush();
    const bool written =
        writeReports(options.reports, results, columns, results.size() == 1, out, err);
    return !written ? Exit::Usage : allPassed ? Exit::Ok : Exit::ExpectFailed;
}

} // namespace rungbox::sim
