// SPDX-License-Identifier: GPL-3.0-or-later
#include "PackWork.h"

#include "names/NamesFile.h"
#include "text/JsonValue.h"

#include <QDir>

namespace rungbox::ui {

namespace {

constexpr const char* kChecksFile = "/checks.json";

const std::string& fileOf(const course::Pack& pack, const std::string& path) {
    static const std::string none;
    const std::string* bytes = path.empty() ? nullptr : pack.files.find(path);
    return bytes == nullptr ? none : *bytes;
}

} // namespace

const char* stateText(ExerciseState state) {
    switch (state) {
    case ExerciseState::NotStarted:
        return QT_TRANSLATE_NOOP("PackWork", "not started");
    case ExerciseState::Edited:
        return QT_TRANSLATE_NOOP("PackWork", "edited");
    case ExerciseState::Passed:
        return QT_TRANSLATE_NOOP("PackWork", "all tests pass");
    }
    return "";
}

PackWork::PackWork(platform::FileSystem& fileSystem, std::string folder)
    : m_fileSystem(fileSystem), m_folder(std::move(folder)) {
    readChecks();
}

std::string PackWork::programPath(const course::Exercise& exercise) const {
    return m_folder + "/" + exercise.id + ".PLC";
}

bool PackWork::read(const std::string& path, std::string& bytes) const {
    platform::FileError error;
    return m_fileSystem.readAll(path, bytes, error);
}

bool PackWork::write(const std::string& path, std::string_view bytes, platform::FileError& error) {
    if (!QDir().mkpath(QString::fromStdString(m_folder))) {
        error = {0, "the folder " + m_folder + " could not be made"};
        return false;
    }
    auto file = m_fileSystem.beginSave(path, error);
    return file && file->write(bytes, error) && file->commit(error);
}

bool PackWork::start(const course::Pack& pack, const course::Exercise& exercise, bool restart,
                     platform::FileError& error) {
    const std::string program = programPath(exercise);
    std::string bytes;
    if (!restart && read(program, bytes)) {
        return true;
    }
    const std::string names = names::namesPathFor(program);
    const std::string& starterNames = fileOf(pack, exercise.files.names);
    if (!write(program, fileOf(pack, exercise.files.starter), error) ||
        !(starterNames.empty() ? m_fileSystem.remove(names, error)
                               : write(names, starterNames, error))) {
        return false;
    }
    if (restart && m_checks.erase(exercise.id) > 0) {
        return writeChecks(error);
    }
    return true;
}

ExerciseState PackWork::state(const course::Pack& pack, const course::Exercise& exercise) const {
    const course::CheckSummary checks = this->checks(exercise.id);
    if (checks.tests > 0 && checks.passed == checks.tests) {
        return ExerciseState::Passed;
    }
    const course::HandedWork work = handed(pack, exercise);
    const bool starter = work.program == fileOf(pack, exercise.files.starter) &&
                         work.names == fileOf(pack, exercise.files.names);
    return starter ? ExerciseState::NotStarted : ExerciseState::Edited;
}

course::HandedWork PackWork::handed(const course::Pack& pack,
                                    const course::Exercise& exercise) const {
    course::HandedWork work;
    const std::string program = programPath(exercise);
    if (!read(program, work.program)) {
        work.program = fileOf(pack, exercise.files.starter);
        work.names = fileOf(pack, exercise.files.names);
    } else if (!read(names::namesPathFor(program), work.names)) {
        work.names.clear();
    }
    work.checks = checks(exercise.id);
    return work;
}

course::CheckSummary PackWork::checks(const std::string& exerciseId) const {
    const auto found = m_checks.find(exerciseId);
    return found == m_checks.end() ? course::CheckSummary{} : found->second;
}

bool PackWork::recordCheck(const std::string& exerciseId, int passed, int tests,
                           platform::FileError& error) {
    course::CheckSummary& checks = m_checks[exerciseId];
    ++checks.runs;
    checks.passed = passed;
    checks.tests = tests;
    return writeChecks(error);
}

// checks.json: {"latch": {"runs": 3, "passed": 4, "tests": 5}, ...}. A file that does not read
// as that is taken as no checks: it is ours, and only a hand-in's summary depends on it.
void PackWork::readChecks() {
    std::string bytes;
    if (!read(m_folder + kChecksFile, bytes)) {
        return;
    }
    const auto json = text::parseJson(bytes);
    const auto* exercises = json ? json->asObject() : nullptr;
    if (exercises == nullptr) {
        return;
    }
    const auto whole = [](const text::JsonValue& value, const char* name, long long highest) {
        const text::JsonValue* member = value.member(name);
        const auto number = member != nullptr ? member->asWhole(0, highest) : std::nullopt;
        return static_cast<int>(number.value_or(0));
    };
    for (const auto& [id, value] : *exercises) {
        if (course::isPackId(id)) {
            m_checks[id] = {whole(value, "runs", 1000000), whole(value, "passed", 1000),
                            whole(value, "tests", 1000)};
        }
    }
}

bool PackWork::writeChecks(platform::FileError& error) {
    std::map<std::string, text::JsonValue, std::less<>> exercises;
    for (const auto& [id, checks] : m_checks) {
        exercises.emplace(id, text::JsonValue::object({
                                  {"runs", text::JsonValue::number(checks.runs)},
                                  {"passed", text::JsonValue::number(checks.passed)},
                                  {"tests", text::JsonValue::number(checks.tests)},
                              }));
    }
    return write(m_folder + kChecksFile, text::jsonText(text::JsonValue::object(exercises)), error);
}

} // namespace rungbox::ui
