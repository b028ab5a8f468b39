// SPDX-License-Identifier: GPL-3.0-or-later
#include "PackGrader.h"

#include "course/FolderReader.h"

#include "explore/Comparison.h"
#include "explore/Explorable.h"
#include "names/NamesFile.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <thread>

namespace rungbox::sim {

namespace fs = std::filesystem;

// Hidden files and folders (".git", ".DS_Store") are the tools' own, never the pack's: they are
// passed over. A link is taken as the file it leads to, only inside the folder.
bool readFolder(const std::string& dir, course::FileSet& files, std::string& why) {
    auto read = course::readFolder(dir, &why);
    if (read) {
        files = std::move(*read);
    }
    return read.has_value();
}

bool loadProgramFiles(Runner& runner, const std::string& fileName, const ProgramFiles& files) {
    return runner.loadBytes(fileName, files.program, files.names);
}

std::int64_t ExerciseTests::maxScore() const {
    return visible.maxScore() + (hidden ? hidden->maxScore() : 0);
}

bool PackCheck::ok() const {
    return pack && problems.empty() &&
           std::all_of(exercises.begin(), exercises.end(),
                       [](const ExerciseCheck& exercise) { return exercise.problems.empty(); });
}

namespace {

// A message box's text on one line.
std::string oneLine(std::string text) {
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;) {
        text.replace(at, 2, " ");
    }
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

std::string fileBytes(const course::Pack& pack, const std::string& path) {
    const std::string* bytes = path.empty() ? nullptr : pack.files.find(path);
    return bytes != nullptr ? *bytes : std::string();
}

// The program `path` of `pack` with the names `namesPath` of the pack beside it.
ProgramFiles packProgram(const course::Pack& pack, const std::string& path,
                         const std::string& namesPath) {
    return {fileBytes(pack, path), fileBytes(pack, namesPath)};
}

std::unique_ptr<Runner> quietRunner(std::ostringstream& printed) {
    return std::make_unique<Runner>(printed, printed);
}

// Reads the script `path` of `pack` with `names`; nothing, with `why`, when it is not whole.
std::optional<Script> packScript(const course::Pack& pack, const std::string& path,
                                 const names::NameTable& names, std::string& why) {
    std::istringstream in(fileBytes(pack, path));
    Script script = readScript(in, names);
    if (const ScriptStep* bad = script.firstError()) {
        why = path + ": line " + std::to_string(bad->number) + ": " + bad->line.error;
        return std::nullopt;
    }
    if (script.tests.empty()) {
        why = path + ": no test lines";
        return std::nullopt;
    }
    return script;
}

} // namespace

std::optional<ExerciseTests> readExerciseTests(const course::Pack& pack,
                                               const course::Exercise& exercise, std::string& why) {
    const course::ExerciseFiles& files = exercise.files;
    std::ostringstream printed;
    auto runner = quietRunner(printed);
    if (!loadProgramFiles(*runner, files.starter, packProgram(pack, files.starter, files.names))) {
        why = files.starter + ": cannot be loaded: " + oneLine(runner->lastMessage());
        return std::nullopt;
    }
    ExerciseTests tests;
    tests.id = exercise.id;
    const names::NameTable& names = runner->session().editor().names();
    if (!files.names.empty()) {
        tests.names = names;
    }
    auto visible = packScript(pack, files.tests, names, why);
    if (!visible) {
        return std::nullopt;
    }
    tests.visible = std::move(*visible);
    if (!files.hidden.empty()) {
        tests.hidden = packScript(pack, files.hidden, names, why);
        if (!tests.hidden) {
            return std::nullopt;
        }
        for (TestInfo& test : tests.hidden->tests) {
            test.hidden = true;
        }
    }
    return tests;
}

namespace {

// Runs `script` on `program` (loaded as `fileName`) in a fresh session with the exercise's names;
// every test failed with the load's message when it cannot be loaded.
std::vector<TestResult> runScript(const ProgramFiles& program, const std::string& fileName,
                                  const Script& script, const ExerciseTests& tests) {
    std::ostringstream printed;
    auto runner = quietRunner(printed);
    if (!loadProgramFiles(*runner, fileName, program)) {
        return failedProgram(script, fileName, Exit::Usage,
                             "the program could not be loaded: " + oneLine(runner->lastMessage()))
            .tests;
    }
    if (tests.names) {
        runner->useNames(*tests.names);
    }
    runner->run(script);
    return runner->reportedResults();
}

// The visible tests, then the hidden ones (marked hidden), of `tests` on `program`.
std::vector<TestResult> runTests(const ProgramFiles& program, const std::string& fileName,
                                 const ExerciseTests& tests) {
    std::vector<TestResult> results = runScript(program, fileName, tests.visible, tests);
    if (tests.hidden) {
        for (TestResult result : runScript(program, fileName, *tests.hidden, tests)) {
            result.info.hidden = true;
            results.push_back(std::move(result));
        }
    }
    return results;
}

// "expected out 01, got 10 (line 9, scan 3, 0 ms)" also for a hidden test: for the teacher.
std::string fullDescription(TestResult test) {
    test.info.hidden = false;
    return ProgramResult::describe(test);
}

// The problems of an exercise's program file other than its starter and solution: loads.
void checkLoads(const course::Pack& pack, const std::string& path, const std::string& namesPath,
                std::vector<std::string>& problems) {
    std::ostringstream printed;
    auto runner = quietRunner(printed);
    if (!loadProgramFiles(*runner, path, packProgram(pack, path, namesPath))) {
        problems.push_back(path + ": cannot be loaded: " + oneLine(runner->lastMessage()));
    }
}

void checkNames(const course::Pack& pack, const std::string& path,
                std::vector<std::string>& problems) {
    for (const auto set : {engine::InstructionSet::Classic, engine::InstructionSet::Extended}) {
        if (names::readNamesFile(fileBytes(pack, path), set).badLineCount == 0) {
            return;
        }
    }
    const auto contents = names::readNamesFile(fileBytes(pack, path));
    problems.push_back(names::badLinesReport(contents, path, "; "));
}

void checkSolution(const course::Pack& pack, const course::Exercise& exercise,
                   const ExerciseTests& tests, ExerciseCheck& check) {
    const auto& files = exercise.files;
    const auto results =
        runTests(packProgram(pack, files.solution, files.names), files.solution, tests);
    for (const TestResult& result : results) {
        if (!result.passed) {
            check.problems.push_back("the model solution fails " +
                                     std::string(result.info.hidden ? "hidden test " : "test ") +
                                     result.info.name + ": " + fullDescription(result));
        }
    }
    const auto starter =
        runTests(packProgram(pack, files.starter, files.names), files.starter, tests);
    if (std::all_of(starter.begin(), starter.end(),
                    [](const TestResult& result) { return result.passed; })) {
        check.problems.push_back("the starter passes every test: the exercise would be free");
    }
}

ExerciseCheck checkExercise(const course::Pack& pack, const course::Exercise& exercise) {
    ExerciseCheck check{exercise.id, {}, 0, 0};
    const auto& files = exercise.files;
    if (!files.names.empty()) {
        checkNames(pack, files.names, check.problems);
    }
    if (files.solution.empty()) {
        check.problems.push_back("no model solution (" + exercise.id + ".solution.PLC)");
    } else {
        checkLoads(pack, files.solution, files.names, check.problems);
    }
    std::string why;
    const auto tests = readExerciseTests(pack, exercise, why);
    if (!tests) {
        check.problems.push_back(why);
        return check;
    }
    check.visibleTests = tests->visible.tests.size();
    check.hiddenTests = tests->hidden ? tests->hidden->tests.size() : 0;
    if (!files.solution.empty() && check.problems.empty()) {
        checkSolution(pack, exercise, *tests, check);
    }
    return check;
}

bool endsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

PackCheck checkPack(course::FileSet files) {
    PackCheck check;
    course::PackRead read = course::readPack(std::move(files));
    check.problems = std::move(read.problems);
    check.pack = std::move(read.pack);
    if (!check.pack) {
        return check;
    }
    const course::Pack& pack = *check.pack;
    std::set<std::string, std::less<>> named;
    for (const course::Exercise& exercise : pack.exercises) {
        check.exercises.push_back(checkExercise(pack, exercise));
        const auto& f = exercise.files;
        named.insert({f.starter, f.names, f.solution});
    }
    // The pack's other programs and names files load as File > Load would load them.
    for (const auto& [path, bytes] : pack.files.files()) {
        if (named.count(path) != 0) {
            continue;
        }
        if (endsWith(path, ".PLC")) {
            checkLoads(pack, path, names::namesPathFor(path), check.problems);
        } else if (endsWith(path, ".names")) {
            checkNames(pack, path, check.problems);
        }
    }
    return check;
}

namespace {

// A script line of a counterexample in words: "switch 0 on", "3 scans"; empty for a comment
// or an expect line (told otherwise).
std::string lineInWords(const std::string& line) {
    std::istringstream words(line);
    std::string command;
    std::string first;
    std::string second;
    words >> command >> first >> second;
    const auto counted = [](const std::string& count, const std::string& one) {
        const std::string n = count.empty() ? "1" : count;
        return n + ' ' + one + (n == "1" ? "" : "s");
    };
    if (command == "press") {
        return "press run/stop";
    }
    if (command == "in") {
        return "switch " + first + (second == "1" ? " on" : " off");
    }
    if (command == "scan") {
        return counted(first, "scan");
    }
    if (command == "tick") {
        return counted(first, "timer tick");
    }
    if (command == "wait") {
        return "wait " + first + " ms";
    }
    return "";
}

std::string stepsInWords(const std::string& script) {
    std::istringstream lines(script);
    std::string words;
    for (std::string line; std::getline(lines, line);) {
        const std::string said = lineInWords(line);
        if (!said.empty()) {
            words += (words.empty() ? "" : ", ") + said;
        }
    }
    return words;
}

std::string indented(const std::string& text, const std::string& indent) {
    std::istringstream lines(text);
    std::string result;
    for (std::string line; std::getline(lines, line);) {
        result += indent + line + '\n';
    }
    return result;
}

// Loads and starts `files` as a press starts a run; empty when it can be explored, else why not.
std::string startRefusal(Runner& runner, const std::string& fileName, const ProgramFiles& files) {
    if (!loadProgramFiles(runner, fileName, files)) {
        return "it cannot be loaded";
    }
    Command press;
    press.kind = CommandKind::Press;
    if (runner.execute(press, 0) != Exit::Ok) {
        return "it cannot start";
    }
    return l10n::english(explore::explorationRefusal(runner.controller()));
}

std::string differenceFeedback(const explore::Comparison& comparison) {
    std::string script = comparison.script("the model solution", "your program");
    // The comment that starts with the reference's name starts a sentence.
    if (const auto at = script.find("\n# the model solution passes"); at != std::string::npos) {
        script[at + 3] = 'T';
    }
    const int relay = comparison.differingRelay();
    const bool expected = comparison.referenceValue();
    std::string text = "  differs from the model solution: after " + stepsInWords(script) +
                       ", relay " + std::to_string(relay) + " reads " + (expected ? "1" : "0") +
                       " in the model solution and " + (expected ? "0" : "1") + " in yours\n";
    if (comparison.counterexample().pace != explore::Pace::Real) {
        text += "  " + explore::paceNote(comparison.counterexample().pace) + '\n';
    }
    return text + "  the shortest input sequence that shows it, as a script:\n" +
           indented(script, "    ");
}

// What comparing `work` with the exercise's model solution shows, as feedback lines.
std::string compareFeedback(const course::Pack& pack, const course::Exercise& exercise,
                            const ProgramFiles& work, std::size_t maxStates) {
    std::ostringstream printed;
    auto reference = quietRunner(printed);
    auto candidate = quietRunner(printed);
    const auto& files = exercise.files;
    if (!startRefusal(*reference, files.solution, packProgram(pack, files.solution, files.names))
             .empty()) {
        return "  not compared with the model solution: the model solution cannot be explored\n";
    }
    const std::string refusal = startRefusal(*candidate, exercise.id + ".PLC", work);
    if (!refusal.empty()) {
        return "  not compared with the model solution: " + refusal + '\n';
    }
    explore::ExploreOptions options;
    if (maxStates > 0) {
        options.maxStates = maxStates;
    }
    explore::Comparison comparison(reference->controller(), candidate->controller(), options);
    comparison.run();
    switch (comparison.verdict()) {
    case explore::Comparison::Verdict::Equivalent:
        return "  behaves as the model solution on every input sequence\n";
    case explore::Comparison::Verdict::Different:
        return differenceFeedback(comparison);
    case explore::Comparison::Verdict::Undecided:
        return "  not decided within " + std::to_string(options.maxStates) +
               " states whether it behaves as the model solution\n";
    case explore::Comparison::Verdict::ProgramError:
        break;
    }
    const explore::Explorer& e = comparison.explorer();
    return std::string(e.errorSystem() == 0 ? "  the model solution" : "  your program") +
           " stops with an error at line " + std::to_string(e.errorLine()) +
           " on an input sequence the comparison tried\n";
}

struct ExerciseGrade {
    std::vector<TestResult> tests;
    std::string feedback;
};

std::int64_t points(const std::vector<TestResult>& tests) {
    std::int64_t sum = 0;
    for (const TestResult& test : tests) {
        sum += test.passed ? test.info.points : 0;
    }
    return sum;
}

ExerciseGrade gradeExercise(const course::Pack& pack, const ExerciseTests& tests,
                            const Submission& submission, std::size_t maxStates) {
    const course::Exercise& exercise = *pack.exercise(tests.id);
    const auto work = submission.work.find(tests.id);
    ExerciseGrade grade;
    if (!submission.refusal.empty() || work == submission.work.end()) {
        const std::string why = submission.refusal.empty() ? "not handed in" : submission.refusal;
        grade.tests = failedProgram(tests.visible, "", Exit::Usage, why).tests;
        if (tests.hidden) {
            for (TestResult result : failedProgram(*tests.hidden, "", Exit::Usage, why).tests) {
                grade.tests.push_back(std::move(result));
            }
        }
        grade.feedback =
            tests.id + ": 0/" + std::to_string(tests.maxScore()) + " points: " + why + '\n';
    } else {
        grade.tests = runTests(work->second, tests.id + ".PLC", tests);
        grade.feedback = tests.id + ": " + std::to_string(points(grade.tests)) + '/' +
                         std::to_string(tests.maxScore()) + " points\n";
        for (const TestResult& test : grade.tests) {
            if (!test.passed) {
                grade.feedback += std::string("  failed ") + (test.info.hidden ? "hidden " : "") +
                                  "test " + test.info.name +
                                  (test.info.hidden ? "" : ": " + ProgramResult::describe(test)) +
                                  '\n';
            }
        }
        grade.feedback += compareFeedback(pack, exercise, work->second, maxStates);
    }
    for (TestResult& test : grade.tests) {
        test.info.name = tests.id + ": " + test.info.name;
    }
    return grade;
}

} // namespace

std::vector<ProgramResult> gradeSubmissions(const course::Pack& pack,
                                            const std::vector<ExerciseTests>& tests,
                                            const std::vector<Submission>& submissions,
                                            const PackGradeRequest& request) {
    const std::size_t count = submissions.size() * tests.size();
    std::vector<ExerciseGrade> grades(count);
    std::atomic<std::size_t> next{0};
    const auto work = [&]() {
        for (std::size_t k = next++; k < count; k = next++) {
            grades[k] = gradeExercise(pack, tests[k % tests.size()], submissions[k / tests.size()],
                                      request.maxStates);
        }
    };
    const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
    const std::size_t threads = std::min(
        count, request.jobs > 0 ? static_cast<std::size_t>(request.jobs) : std::size_t{cores});
    std::vector<std::thread> pool;
    for (std::size_t t = 1; t < threads; ++t) {
        pool.emplace_back(work);
    }
    work();
    for (std::thread& thread : pool) {
        thread.join();
    }
    std::vector<ProgramResult> results;
    for (std::size_t s = 0; s < submissions.size(); ++s) {
        ProgramResult result;
        result.program = submissions[s].student;
        for (std::size_t e = 0; e < tests.size(); ++e) {
            ExerciseGrade& grade = grades[s * tests.size() + e];
            std::move(grade.tests.begin(), grade.tests.end(), std::back_inserter(result.tests));
            result.output += grade.feedback;
        }
        result.status = result.firstFailure() == nullptr ? Exit::Ok : Exit::ExpectFailed;
        results.push_back(std::move(result));
    }
    return results;
}

std::vector<TestInfo> packReportedTests(const std::vector<ExerciseTests>& tests) {
    std::vector<TestInfo> reported;
    for (const ExerciseTests& exercise : tests) {
        for (const Script* script :
             {&exercise.visible, exercise.hidden ? &*exercise.hidden : nullptr}) {
            for (TestInfo info : script != nullptr ? script->tests : std::vector<TestInfo>{}) {
                info.name = exercise.id + ": " + info.name;
                reported.push_back(std::move(info));
            }
        }
    }
    return reported;
}

std::vector<TestInfo> exerciseColumns(const std::vector<ExerciseTests>& tests) {
    std::vector<TestInfo> columns;
    for (const ExerciseTests& exercise : tests) {
        columns.push_back({exercise.id, static_cast<int>(exercise.maxScore()), false, 0});
    }
    return columns;
}

} // namespace rungbox::sim
