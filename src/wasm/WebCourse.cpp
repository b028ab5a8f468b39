// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebCourse.h"

#include "Json.h"
#include "course/Markdown.h"

#include <algorithm>

namespace rungbox::wasm {

namespace {

// The last segment of a pack's path: the name a file goes by on the student's computer.
std::string baseName(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += (out.empty() ? "" : "\n") + line;
    }
    return out;
}

} // namespace

std::string WebCourse::open(const std::string& bytes) {
    std::string why;
    auto files = course::readPackFile(bytes, &why);
    if (!files) {
        return "This is no exercise pack: " + why;
    }
    course::PackRead read = course::readPack(std::move(*files));
    if (!read.pack) {
        return joinLines(read.problems);
    }
    m_pack = read.pack->teachersCopy() ? course::studentCopy(*read.pack) : std::move(*read.pack);
    m_work.clear();
    return {};
}

std::string WebCourse::packId() const {
    return m_pack ? m_pack->id : std::string();
}

std::string WebCourse::packTitle() const {
    return m_pack ? m_pack->title : std::string();
}

std::string WebCourse::exercisesJson() const {
    std::string out = "[";
    for (const course::Exercise& exercise :
         m_pack ? m_pack->exercises : std::vector<course::Exercise>()) {
        out += out.size() > 1 ? ",{\"id\":" : "{\"id\":";
        appendJsonString(out, exercise.id);
        out += ",\"title\":";
        appendJsonString(out, exercise.title);
        out += ",\"starter\":";
        appendJsonString(out, baseName(exercise.files.starter));
        out += ",\"tests\":";
        appendJsonString(out, baseName(exercise.files.tests));
        out += '}';
    }
    return out + "]";
}

std::string WebCourse::statementJson(const std::string& id) const {
    const course::Exercise* found = exercise(id);
    return found ? course::markdownJson(course::parseMarkdown(fileOf(found->files.statement)))
                 : "[]";
}

std::string WebCourse::file(const std::string& path) const {
    return course::isSafePath(path) ? fileOf(path) : std::string();
}

std::string WebCourse::starter(const std::string& id) const {
    const course::Exercise* found = exercise(id);
    return found ? fileOf(found->files.starter) : std::string();
}

std::string WebCourse::starterNames(const std::string& id) const {
    const course::Exercise* found = exercise(id);
    return found ? fileOf(found->files.names) : std::string();
}

std::string WebCourse::tests(const std::string& id) const {
    const course::Exercise* found = exercise(id);
    return found ? fileOf(found->files.tests) : std::string();
}

bool WebCourse::setWork(const std::string& id, const std::string& program, const std::string& names,
                        int runs, int passed, int tests) {
    if (exercise(id) == nullptr) {
        return false;
    }
    course::CheckSummary checks;
    checks.runs = std::clamp(runs, 0, 1000000);
    checks.tests = std::clamp(tests, 0, 1000);
    checks.passed = std::clamp(passed, 0, checks.tests);
    m_work[id] = course::HandedWork{program, names, checks};
    return true;
}

std::string WebCourse::handinText() const {
    if (!m_pack) {
        return {};
    }
    course::Handin handin{m_pack->id, m_pack->title, {}};
    for (const course::Exercise& exercise : m_pack->exercises) {
        const auto set = m_work.find(exercise.id);
        handin.work.emplace(
            exercise.id,
            set != m_work.end()
                ? set->second
                : course::HandedWork{starter(exercise.id), starterNames(exercise.id), {}});
    }
    return course::handinText(handin);
}

const course::Exercise* WebCourse::exercise(const std::string& id) const {
    return m_pack ? m_pack->exercise(id) : nullptr;
}

std::string WebCourse::fileOf(const std::string& path) const {
    const std::string* bytes = m_pack && !path.empty() ? m_pack->files.find(path) : nullptr;
    return bytes ? *bytes : std::string();
}

} // namespace rungbox::wasm
