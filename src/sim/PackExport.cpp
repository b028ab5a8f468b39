// SPDX-License-Identifier: GPL-3.0-or-later
#include "PackExport.h"

#include "Script.h"
#include "course/ZipWriter.h"
#include "text/JsonString.h"
#include "text/JsonValue.h"

#include <sstream>

namespace rungbox::sim {

namespace {

// Gradescope copies the autograder to /autograder/source, runs setup.sh once when it builds its
// image, and run_autograder for each submission, which it puts in /autograder/submission.
constexpr std::string_view kSetup = R"(#!/usr/bin/env bash
# Gradescope runs this once, building the autograder's image. Nothing needs installing:
# rungbox-sim is linked statically.
chmod +x /autograder/source/rungbox-sim /autograder/source/run_autograder
)";

constexpr std::string_view kRunAutograder = R"(#!/usr/bin/env bash
# Gradescope runs this for each submission: the student's hand-in (.rbxsub), or their .PLC files
# named by exercise id, are in submission/; the results go to results/results.json.
# RUNGBOX_AUTOGRADER_ROOT stands for /autograder, to try the autograder out on any machine.
root="${RUNGBOX_AUTOGRADER_ROOT:-/autograder}"
shopt -s nullglob
handins=("$root"/submission/*.rbxsub)
if [ ${#handins[@]} -gt 0 ]; then
    submission="${handins[0]}"
else
    submission="$root/submission"
fi
mkdir -p "$root/results"
"$root/source/rungbox-sim" grade --pack "$root/source/pack" --json "$root/results/results.json" \
    "$submission" >"$root/results/grade.txt" 2>&1
status=$?
# Failed tests are the student's score, not a fault of the autograder; no results at all is one.
if [ ! -s "$root/results/results.json" ]; then
    echo "rungbox-sim wrote no results (exit status $status):"
    cat "$root/results/grade.txt"
    exit 1
fi
)";

// The command that runs one visible test of a student's program: exit status 0 when it passes.
std::string runCommand(const PackTest& test) {
    const std::string only = test.test == "all" ? "" : "--test " + test.test + " ";
    return "rungbox-sim " + only + test.exercise + ".PLC " + test.exercise + ".script";
}

std::string stepId(const PackTest& test) {
    return test.exercise + "-" + test.test;
}

std::string autogradingJson(const std::vector<PackTest>& tests) {
    using text::JsonValue;
    std::vector<JsonValue> entries;
    for (const PackTest& test : tests) {
        entries.push_back(JsonValue::object({
            {"name", JsonValue::string(test.exercise + ": " + test.test)},
            {"setup", JsonValue::string("")},
            {"run", JsonValue::string(runCommand(test))},
            {"input", JsonValue::string("")},
            {"output", JsonValue::string("")},
            {"comparison", JsonValue::string("included")},
            {"timeout", JsonValue::number(5)},
            {"points", JsonValue::number(test.points)},
        }));
    }
    return text::jsonText(JsonValue::object({{"tests", JsonValue::array(std::move(entries))}})) +
           "\n";
}

// A YAML scalar in double quotes (JSON's string form is valid YAML).
std::string quoted(const std::string& text) {
    return text::jsonString(text, text::JsonChars::Utf8);
}

std::string workflowYaml(const std::vector<PackTest>& tests) {
    std::ostringstream out;
    out << "# Runs the exercises' visible tests on each push and reports the points to GitHub\n"
           "# Classroom. rungbox-sim comes with the template (.github/rungbox/rungbox-sim).\n"
           "name: Autograding Tests\n"
           "on: [push, workflow_dispatch, repository_dispatch]\n"
           "permissions:\n  checks: write\n  actions: read\n  contents: read\n"
           "jobs:\n  run-autograding-tests:\n    runs-on: ubuntu-latest\n"
           "    if: github.actor != 'github-classroom[bot]'\n    steps:\n"
           "      - name: Checkout code\n        uses: actions/checkout@v4\n"
           "      - name: Install rungbox-sim\n        run: |\n"
           "          mkdir -p \"$HOME/.local/bin\"\n"
           "          install -m 755 .github/rungbox/rungbox-sim \"$HOME/.local/bin/rungbox-sim\"\n"
           "          echo \"$HOME/.local/bin\" >> \"$GITHUB_PATH\"\n";
    std::string runners;
    for (const PackTest& test : tests) {
        out << "      - name: " << quoted(test.exercise + ": " + test.test) << "\n"
            << "        id: " << stepId(test) << "\n"
            << "        uses: classroom-resources/autograding-command-grader@v1\n"
            << "        with:\n"
            << "          test-name: " << quoted(test.exercise + ": " + test.test) << "\n"
            << "          command: " << quoted(runCommand(test))
            << "\n          timeout: 5\n          max-score: " << test.points << "\n";
        runners += (runners.empty() ? "" : ",") + stepId(test);
    }
    out << "      - name: Autograding Reporter\n"
           "        uses: classroom-resources/autograding-grading-reporter@v1\n        env:\n";
    for (const PackTest& test : tests) {
        std::string variable = stepId(test);
        for (char& c : variable) {
            c = c == '-' ? '_' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        out << "          " << variable << "_RESULTS: \"${{steps." << stepId(test)
            << ".outputs.result}}\"\n";
    }
    out << "        with:\n          runners: " << runners << "\n";
    return out.str();
}

} // namespace

std::vector<PackTest> visibleTests(const course::Pack& pack) {
    std::vector<PackTest> tests;
    for (const course::Exercise& exercise : pack.exercises) {
        const std::string* text = pack.files.find(exercise.files.tests);
        std::istringstream in(text != nullptr ? *text : std::string());
        const Script script = readScript(in);
        if (script.tests.empty()) {
            tests.push_back({exercise.id, "all", 1});
        }
        for (const TestInfo& test : script.tests) {
            tests.push_back({exercise.id, test.name, test.points});
        }
    }
    return tests;
}

std::string gradescopeArchive(const course::Pack& pack, const std::string& staticSim) {
    course::ZipWriter zip;
    zip.add("setup.sh", std::string(kSetup), true);
    zip.add("run_autograder", std::string(kRunAutograder), true);
    zip.add("rungbox-sim", staticSim, true);
    for (const auto& [path, bytes] : pack.files.files()) {
        zip.add("pack/" + path, bytes);
    }
    return zip.archive();
}

std::map<std::string, std::string> classroomTemplate(const course::Pack& pack,
                                                     const std::string& staticSim) {
    const course::Pack students = course::studentCopy(pack);
    std::map<std::string, std::string> files(students.files.files().begin(),
                                             students.files.files().end());
    const std::vector<PackTest> tests = visibleTests(students);
    files.emplace(".github/classroom/autograding.json", autogradingJson(tests));
    files.emplace(".github/workflows/classroom.yml", workflowYaml(tests));
    files.emplace(std::string(kClassroomSim), staticSim);
    return files;
}

} // namespace rungbox::sim
