// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pack.h"

#include "text/JsonValue.h"
#include "text/Utf8.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <utility>

namespace rungbox::course {

namespace {

using text::JsonValue;

// The file names an exercise's roles take when pack.json names none.
ExerciseFiles defaultFiles(const std::string& id) {
    return {id + ".md", id + ".PLC", id + ".names", id + ".script", id + ".solution.PLC",
            id + ".hidden.script"};
}

// Each role's file name with its key in pack.json, in one table.
template <typename Files> auto roles(Files& files) {
    return std::array<std::pair<std::string_view, decltype(&files.statement)>, 6>{{
        {"statement", &files.statement},
        {"starter", &files.starter},
        {"names", &files.names},
        {"tests", &files.tests},
        {"solution", &files.solution},
        {"hidden", &files.hidden},
    }};
}

bool isTitle(std::string_view title) {
    return !title.empty() && title.size() <= kMaxTitleBytes && text::isUtf8(title) &&
           std::none_of(title.begin(), title.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// A string member that must be there and pass `ok`; a problem otherwise.
std::string stringMember(const JsonValue& object, std::string_view name, bool (*ok)(std::string_view),
                         const std::string& where, std::vector<std::string>& problems) {
    const JsonValue* member = object.member(name);
    const std::string* value = member != nullptr ? member->asString() : nullptr;
    if (value == nullptr || !ok(*value)) {
        problems.push_back(where + ": \"" + std::string(name) + "\" is missing or not valid");
        return {};
    }
    return *value;
}

// The roles' files of the exercise `entry`: its "files" member over the defaults. Optional
// roles whose file is not in the pack are left empty.
ExerciseFiles exerciseFiles(const JsonValue& entry, const std::string& id, const FileSet& files,
                            std::vector<std::string>& problems) {
    ExerciseFiles named = defaultFiles(id);
    const JsonValue* given = entry.member("files");
    for (const auto& [key, path] : roles(named)) {
        const JsonValue* value = given != nullptr ? given->member(key) : nullptr;
        if (value == nullptr) {
            continue;
        }
        const std::string* text = value->asString();
        if (text == nullptr || !isSafePath(*text)) {
            problems.push_back(id + ": the " + std::string(key) + " file is not a path in the pack");
            continue;
        }
        *path = *text;
    }
    for (const auto& [key, path] : roles(named)) {
        const bool required = key == "statement" || key == "starter" || key == "tests";
        if (files.contains(*path)) {
            continue;
        }
        if (required) {
            problems.push_back(id + ": its " + std::string(key) + " " + *path + " is missing");
        }
        path->clear();
    }
    return named;
}

void readExercises(const JsonValue& list, Pack& pack, std::vector<std::string>& problems) {
    const auto* items = list.asArray();
    if (items == nullptr || items->empty() || items->size() > kMaxExercises) {
        problems.push_back("pack.json: \"exercises\" must list 1 to " +
                           std::to_string(kMaxExercises) + " exercises");
        return;
    }
    std::set<std::string, std::less<>> ids;
    for (const JsonValue& entry : *items) {
        const std::string where = "pack.json: exercise " + std::to_string(pack.exercises.size() + 1);
        Exercise exercise;
        exercise.id = stringMember(entry, "id", isPackId, where, problems);
        exercise.title = stringMember(entry, "title", isTitle, where, problems);
        if (exercise.id.empty()) {
            continue;
        }
        if (!ids.insert(exercise.id).second) {
            problems.push_back("pack.json: the exercises' ids must be unique: " + exercise.id);
        }
        exercise.files = exerciseFiles(entry, exercise.id, pack.files, problems);
        pack.exercises.push_back(std::move(exercise));
    }
}

} // namespace

bool isPackId(std::string_view id) {
    return !id.empty() && id.size() <= kMaxIdBytes &&
           std::all_of(id.begin(), id.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '_' || c == '-';
           });
}

const Exercise* Pack::exercise(std::string_view wanted) const {
    const auto found = std::find_if(exercises.begin(), exercises.end(),
                                    [wanted](const Exercise& e) { return e.id == wanted; });
    return found == exercises.end() ? nullptr : &*found;
}

bool Pack::teachersCopy() const {
    return std::any_of(exercises.begin(), exercises.end(),
                       [](const Exercise& e) { return !e.files.solution.empty(); });
}

PackRead readPack(FileSet files) {
    PackRead read;
    const std::string* bytes = files.find(kPackJson);
    if (bytes == nullptr) {
        read.problems.push_back("pack.json is missing");
        return read;
    }
    text::JsonError error;
    const auto json = text::parseJson(*bytes, &error);
    if (!json || json->asObject() == nullptr) {
        read.problems.push_back("pack.json: not JSON (" +
                                (json ? std::string("not an object") : error.why + " at byte " +
                                                                          std::to_string(error.offset)) +
                                ")");
        return read;
    }
    const JsonValue* format = json->member("format");
    if (format == nullptr || format->asString() == nullptr || *format->asString() != "rungbox-pack" ||
        json->member("version") == nullptr || json->member("version")->asWhole(1, 1) != 1) {
        read.problems.push_back("pack.json: not a Rungbox pack of version 1 "
                                "(\"format\": \"rungbox-pack\", \"version\": 1)");
        return read;
    }
    Pack pack;
    pack.files = std::move(files);
    pack.id = stringMember(*json, "id", isPackId, "pack.json", read.problems);
    pack.title = stringMember(*json, "title", isTitle, "pack.json", read.problems);
    const JsonValue* list = json->member("exercises");
    readExercises(list != nullptr ? *list : JsonValue(), pack, read.problems);
    if (read.problems.empty()) {
        read.pack = std::move(pack);
    }
    return read;
}

namespace {

// True for a file the students never get: a model solution or hidden tests, by its role or by
// its name.
bool isSecret(const Pack& pack, std::string_view path) {
    const auto endsWith = [path](std::string_view tail) {
        return path.size() >= tail.size() && path.substr(path.size() - tail.size()) == tail;
    };
    if (endsWith(".solution.PLC") || endsWith(".hidden.script")) {
        return true;
    }
    return std::any_of(pack.exercises.begin(), pack.exercises.end(), [path](const Exercise& e) {
        return e.files.solution == path || e.files.hidden == path;
    });
}

} // namespace

Pack studentCopy(const Pack& pack) {
    Pack copy;
    copy.id = pack.id;
    copy.title = pack.title;
    copy.exercises = pack.exercises;
    for (Exercise& exercise : copy.exercises) {
        exercise.files.solution.clear();
        exercise.files.hidden.clear();
    }
    for (const auto& [path, bytes] : pack.files.files()) {
        if (!isSecret(pack, path) && path != kPackJson) {
            copy.files.add(path, bytes);
        }
    }
    copy.files.add(std::string(kPackJson), packJsonText(copy));
    return copy;
}

std::string packJsonText(const Pack& pack) {
    std::vector<JsonValue> exercises;
    for (const Exercise& exercise : pack.exercises) {
        std::map<std::string, JsonValue, std::less<>> entry{
            {"id", JsonValue::string(exercise.id)}, {"title", JsonValue::string(exercise.title)}};
        const ExerciseFiles defaults = defaultFiles(exercise.id);
        std::map<std::string, JsonValue, std::less<>> named;
        const auto given = roles(exercise.files);
        const auto usual = roles(defaults);
        for (std::size_t k = 0; k < given.size(); ++k) {
            if (!given[k].second->empty() && *given[k].second != *usual[k].second) {
                named.emplace(std::string(given[k].first), JsonValue::string(*given[k].second));
            }
        }
        if (!named.empty()) {
            entry.emplace("files", JsonValue::object(std::move(named)));
        }
        exercises.push_back(JsonValue::object(std::move(entry)));
    }
    return text::jsonText(JsonValue::object({
               {"format", JsonValue::string("rungbox-pack")},
               {"version", JsonValue::number(1)},
               {"id", JsonValue::string(pack.id)},
               {"title", JsonValue::string(pack.title)},
               {"exercises", JsonValue::array(std::move(exercises))},
           })) +
           "\n";
}

} // namespace rungbox::course
