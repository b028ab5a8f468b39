// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bundle.h"

#include "text/Base64.h"
#include "text/JsonValue.h"

namespace rungbox::course {

namespace {

using text::JsonValue;

// The most a one-file form may be: its files in base64 (four bytes for three) and their names.
constexpr std::size_t kMaxBundleBytes = kMaxTotalBytes / 3 * 4 + (1U << 20);

std::nullopt_t refuse(std::string* why, std::string reason) {
    if (why != nullptr) {
        *why = std::move(reason);
    }
    return std::nullopt;
}

// The JSON object of a one-file form of `format`, version 1.
std::optional<JsonValue> readBundle(std::string_view bytes, std::string_view format,
                                    std::string* why) {
    text::JsonError error;
    auto json = text::parseJson(bytes, &error, {kMaxBundleBytes, 16});
    if (!json) {
        return refuse(why, "not JSON: " + error.why + " at byte " + std::to_string(error.offset));
    }
    const JsonValue* kind = json->member("format");
    const JsonValue* version = json->member("version");
    if (kind == nullptr || kind->asString() == nullptr || *kind->asString() != format ||
        version == nullptr || version->asWhole(1, 1) != 1) {
        return refuse(why, "not a " + std::string(format) + " file of version 1");
    }
    return json;
}

} // namespace

std::string packFileText(const FileSet& files) {
    std::map<std::string, JsonValue, std::less<>> encoded;
    for (const auto& [path, bytes] : files.files()) {
        encoded.emplace(path, JsonValue::string(text::base64(bytes)));
    }
    return text::jsonText(JsonValue::object({{"format", JsonValue::string("rungbox-pack-file")},
                                             {"version", JsonValue::number(1)},
                                             {"files", JsonValue::object(std::move(encoded))}})) +
           "\n";
}

std::optional<FileSet> readPackFile(std::string_view bytes, std::string* why) {
    const auto json = readBundle(bytes, "rungbox-pack-file", why);
    if (!json) {
        return std::nullopt;
    }
    const JsonValue* files = json->member("files");
    if (files == nullptr || files->asObject() == nullptr) {
        return refuse(why, "it holds no files");
    }
    FileSet set;
    for (const auto& [path, value] : *files->asObject()) {
        const std::string* text = value.asString();
        auto decoded = text != nullptr ? text::fromBase64(*text) : std::nullopt;
        std::string problem = "not base64";
        if (!decoded || !set.add(path, std::move(*decoded), &problem)) {
            return refuse(why, "the file \"" + path + "\": " + problem);
        }
    }
    return set;
}

namespace {

JsonValue checksValue(const CheckSummary& checks) {
    return JsonValue::object({{"runs", JsonValue::number(checks.runs)},
                              {"passed", JsonValue::number(checks.passed)},
                              {"tests", JsonValue::number(checks.tests)}});
}

std::optional<CheckSummary> readChecks(const JsonValue* value) {
    if (value == nullptr) {
        return CheckSummary{};
    }
    const JsonValue* runs = value->member("runs");
    const JsonValue* tests = value->member("tests");
    const JsonValue* passed = value->member("passed");
    if (runs == nullptr || tests == nullptr || passed == nullptr) {
        return std::nullopt;
    }
    const auto r = runs->asWhole(0, 1000000);
    const auto t = tests->asWhole(0, 1000);
    const auto p = passed->asWhole(0, t.value_or(0));
    if (!r || !t || !p) {
        return std::nullopt;
    }
    return CheckSummary{static_cast<int>(*r), static_cast<int>(*p), static_cast<int>(*t)};
}

// A file of the hand-in: base64 within a file's limit; an absent member is an empty file.
std::optional<std::string> handedFile(const JsonValue& work, std::string_view name) {
    const JsonValue* value = work.member(name);
    if (value == nullptr) {
        return std::string();
    }
    const std::string* text = value->asString();
    auto bytes = text != nullptr ? text::fromBase64(*text) : std::nullopt;
    if (bytes && bytes->size() > kMaxFileBytes) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

std::string handinText(const Handin& handin) {
    std::map<std::string, JsonValue, std::less<>> work;
    for (const auto& [id, done] : handin.work) {
        std::map<std::string, JsonValue, std::less<>> entry{
            {"program", JsonValue::string(text::base64(done.program))},
            {"checks", checksValue(done.checks)}};
        if (!done.names.empty()) {
            entry.emplace("names", JsonValue::string(text::base64(done.names)));
        }
        work.emplace(id, JsonValue::object(std::move(entry)));
    }
    return text::jsonText(JsonValue::object(
               {{"format", JsonValue::string("rungbox-handin")},
                {"version", JsonValue::number(1)},
                {"pack", JsonValue::object({{"id", JsonValue::string(handin.packId)},
                                            {"title", JsonValue::string(handin.packTitle)}})},
                {"exercises", JsonValue::object(std::move(work))}})) +
           "\n";
}

std::optional<Handin> readHandin(std::string_view bytes, std::string* why) {
    const auto json = readBundle(bytes, "rungbox-handin", why);
    if (!json) {
        return std::nullopt;
    }
    const JsonValue* pack = json->member("pack");
    const JsonValue* id = pack != nullptr ? pack->member("id") : nullptr;
    const JsonValue* title = pack != nullptr ? pack->member("title") : nullptr;
    const JsonValue* exercises = json->member("exercises");
    if (id == nullptr || id->asString() == nullptr || !isPackId(*id->asString()) ||
        title == nullptr || title->asString() == nullptr || exercises == nullptr ||
        exercises->asObject() == nullptr || exercises->asObject()->size() > kMaxExercises) {
        return refuse(why, "it names no pack or holds no exercises");
    }
    Handin handin{*id->asString(), *title->asString(), {}};
    for (const auto& [exercise, work] : *exercises->asObject()) {
        auto program = handedFile(work, "program");
        auto names = handedFile(work, "names");
        auto checks = readChecks(work.member("checks"));
        if (!isPackId(exercise) || !program || !names || !checks) {
            return refuse(why, "the exercise \"" + exercise + "\" is not readable");
        }
        handin.work.emplace(exercise, HandedWork{std::move(*program), std::move(*names), *checks});
    }
    return handin;
}

} // namespace rungbox::course
