// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ports a web page gives the session. A page cannot answer a message box or a file dialog
// while the core waits, so these ports answer at once and keep what the page must show or do
// afterwards: the panel's state for the page to read, the messages to show, a question that
// needs the user's answer, a file the user must pick and the file a save wrote.

#include "panel/WindowState.h"
#include "platform/Platform.h"

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rungbox::wasm {

/// The main window's panel and its run-time switches, as state the page reads; it redraws only
/// after a change (revision()).
using WebPanel = panel::WindowState;

/// One message box the core showed.
struct Message {
    std::string text;  ///< in English, lines joined by CR LF
    std::string title; ///< in English
    platform::BoxStyle style;
    l10n::Text textMessage; ///< the text with its message id, for the page to translate
    l10n::Text titleMessage;
};

/// Message boxes answered at once. A box with only OK is kept for the page to show. A question
/// takes the next answer the page queued; with none queued it is kept as the open question and
/// answered Dismissed, so the command stops with everything as it was, and the page runs the
/// command again with the user's answer queued.
class WebBoxes : public platform::MessageBoxes {
public:
    using platform::MessageBoxes::show;
    platform::BoxAnswer show(const l10n::Text& text, platform::BoxStyle style,
                             const l10n::Text& title) override;

    void queueAnswer(platform::BoxAnswer answer) { m_answers.push_back(answer); }
    void clearAnswers() { m_answers.clear(); }
    /// The boxes shown since the last take, oldest first.
    std::vector<Message> takeMessages();
    /// The question that stopped the last command, if one did; cleared by takeQuestion.
    std::optional<Message> takeQuestion() { return std::exchange(m_question, std::nullopt); }

private:
    std::deque<platform::BoxAnswer> m_answers;
    std::vector<Message> m_messages;
    std::optional<Message> m_question;
};

/// Files in the page's memory. The open dialog answers the file the page offered (the user picked
/// it before the command ran) or, with none offered, is cancelled and notes that the page must
/// ask the user for one. The save dialog answers the name it proposes: the page downloads what
/// the save wrote under that name.
class WebFiles : public platform::FileDialog, public platform::FileSystem {
public:
    /// Offers `bytes` as the file `name` for the next open dialog.
    void offer(std::string name, std::string bytes);
    /// Offers `bytes` as the file at `path` beside the offered one (its names file), read when
    /// the load asks for it.
    void offerBeside(std::string path, std::string bytes);
    /// Forgets what was offered and not read, so that it never attaches to a later load.
    void clearOffers();
    /// True when an open dialog found nothing offered since the last call.
    bool takeOpenWanted() { return std::exchange(m_openWanted, false); }
    /// The name and bytes of the last completed save, if one completed since the last take.
    std::optional<std::pair<std::string, std::string>> takeSaved() {
        return std::exchange(m_saved, std::nullopt);
    }
    /// The names file that save wrote beside the program, if it wrote one.
    std::optional<std::pair<std::string, std::string>> takeSavedNames() {
        return std::exchange(m_savedNames, std::nullopt);
    }

    std::optional<std::string> askSavePath(std::string_view defaultName,
                                           std::string_view filter) override;
    std::optional<std::string> askOpenPath(std::string_view filter) override;
    bool readAll(const std::string& path, std::string& bytes, platform::FileError& error) override;
    std::unique_ptr<platform::SaveFile> beginSave(const std::string& path,
                                                  platform::FileError& error) override;
    /// The page keeps no files of its own: there is never one to remove.
    bool remove(const std::string& path, platform::FileError& error) override;

private:
    std::optional<std::pair<std::string, std::string>> m_offered;
    std::optional<std::pair<std::string, std::string>> m_beside;
    std::optional<std::pair<std::string, std::string>> m_saved;
    std::optional<std::pair<std::string, std::string>> m_savedNames;
    bool m_openWanted = false;
};

/// A page cannot close its own tab: Exit is not offered.
class WebShell : public platform::MainWindowShell {
public:
    void closeMainWindow() override {}
};

} // namespace rungbox::wasm
