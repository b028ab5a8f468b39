// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebPorts.h"

#include "names/NamesFile.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace rungbox::wasm {

platform::BoxAnswer WebBoxes::show(const l10n::Text& text, platform::BoxStyle style,
                                   const l10n::Text& title) {
    Message message{l10n::english(text), l10n::english(title), style, text, title};
    if (style.buttons == platform::BoxButtons::Ok) {
        m_messages.push_back(std::move(message));
        return platform::BoxAnswer::Ok;
    }
    if (!m_answers.empty()) {
        const platform::BoxAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    m_question = std::move(message);
    return platform::BoxAnswer::Dismissed;
}

std::vector<Message> WebBoxes::takeMessages() {
    return std::exchange(m_messages, {});
}

void WebFiles::offer(std::string name, std::string bytes) {
    m_offered.emplace(std::move(name), std::move(bytes));
}

void WebFiles::offerBeside(std::string path, std::string bytes) {
    m_beside.emplace(std::move(path), std::move(bytes));
}

void WebFiles::clearOffers() {
    m_offered.reset();
    m_beside.reset();
}

std::optional<std::string> WebFiles::askSavePath(std::string_view defaultName, std::string_view) {
    return std::string(defaultName);
}

std::optional<std::string> WebFiles::askOpenPath(std::string_view) {
    if (!m_offered) {
        m_openWanted = true;
        return std::nullopt;
    }
    return m_offered->first;
}

bool WebFiles::readAll(const std::string& path, std::string& bytes, platform::FileError& error) {
    for (auto* offered : {&m_offered, &m_beside}) {
        if (*offered && (*offered)->first == path) {
            bytes = std::move((*offered)->second);
            offered->reset();
            return true;
        }
    }
    error = {ENOENT, std::strerror(ENOENT)};
    return false;
}

namespace {

// Collects the bytes of a save; the commit hands them to the files as the saved file, or drops
// them when `saved` is null.
class MemorySaveFile : public platform::SaveFile {
public:
    MemorySaveFile(std::string path, std::optional<std::pair<std::string, std::string>>* saved)
        : m_path(std::move(path)), m_saved(saved) {}
    bool write(std::string_view bytes, platform::FileError&) override {
        m_bytes += bytes;
        return true;
    }
    bool commit(platform::FileError&) override {
        if (m_saved != nullptr) {
            m_saved->emplace(m_path, std::move(m_bytes));
        }
        return true;
    }

private:
    std::string m_path;
    std::string m_bytes;
    std::optional<std::pair<std::string, std::string>>* m_saved;
};

} // namespace

std::unique_ptr<platform::SaveFile> WebFiles::beginSave(const std::string& path,
                                                        platform::FileError&) {
    // The program and its names file, written after it, are two downloads.
    const bool namesFile = names::namesPathFor(path) == path;
    return std::make_unique<MemorySaveFile>(path, namesFile ? &m_savedNames : &m_saved);
}

bool WebFiles::remove(const std::string&, platform::FileError&) {
    return true;
}

} // namespace rungbox::wasm
