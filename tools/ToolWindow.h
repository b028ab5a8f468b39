// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window as the developer tools drive it: message boxes and the file dialog are quiet
// stand-ins (a tool never waits on a modal box), the program is written straight into the grid
// and the run started as the lamp-button would.

#include "platform/Platform.h"
#include "support/NullPorts.h"
#include "support/WindowParts.h"
#include "ui/app/LanguageChoice.h"
#include "ui/app/MainWindow.h"
#include "ui/ladder/LadderWindow.h"

#include <QEventLoop>
#include <QPixmap>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace rungbox::test; // the window's parts, found by name

namespace rungbox::tools {

/// One grid line: instruction, location and set value ("" leaves a cell empty).
using ToolLine = std::array<std::string, 3>;

/// The language named by a leading "--language CODE" (a catalogue code: "de", "zh_CN"), taken
/// off the arguments; its catalogues stay installed while the object lives. None: English.
class ShotLanguage {
public:
    ShotLanguage(int& argc, char**& argv) {
        if (argc < 3 || std::string_view(argv[1]) != "--language") {
            return;
        }
        m_settings->setValue(ui::kLanguageKey, QString::fromLocal8Bit(argv[2]));
        m_choice = std::make_unique<ui::LanguageChoice>(*m_settings);
        argv[2] = argv[0];
        argc -= 2;
        argv += 2;
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QSettings> m_settings =
        std::make_unique<QSettings>(m_dir.filePath("rungbox.ini"), QSettings::IniFormat);
    std::unique_ptr<ui::LanguageChoice> m_choice;
};

class ToolWindow {
public:
    ToolWindow() { m_window.show(); }

    ui::MainWindow& window() { return m_window; }
    /// How many message boxes the run has shown (each is printed to stderr as well).
    int messages() const { return m_boxes.count; }

    /// Writes `lines` into the grid from line 1 on and starts the run; false when it did not
    /// start.
    bool loadAndStart(const std::vector<ToolLine>& lines) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            for (int col = 1; col <= 3; ++col) {
                m_window.session().grid().setText(static_cast<int>(i) + 1, col,
                                                  lines[i][static_cast<std::size_t>(col - 1)]);
            }
        }
        m_window.session().toggleRun();
        return m_window.session().running();
    }

    /// Opens the Ladder Diagram window, fits it to its whole diagram and writes its picture to
    /// `path`; false (said on stderr) when it cannot be written.
    bool saveLadder(const char* path) {
        ui::LadderWindow* ladder = m_window.showLadderDiagram();
        runFor(100);
        ladder->resize(ladder->canvas()->size() + QSize(4, 4));
        runFor(100);
        if (!ladder->grab().save(QString::fromLocal8Bit(path))) {
            std::fprintf(stderr, "cannot write %s\n", path);
            return false;
        }
        return true;
    }

    /// Runs the event loop for `ms` milliseconds, as the application does.
    static void runFor(int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }

private:
    // Prints each message instead of showing it; answers Ok, or No to a question.
    struct PrintedBoxes : platform::MessageBoxes {
        int count = 0;
        using platform::MessageBoxes::show;
        platform::BoxAnswer show(const l10n::Text& text, platform::BoxStyle style,
                                 const l10n::Text& title) override {
            ++count;
            std::fprintf(stderr, "%s: %s\n", l10n::english(title).c_str(),
                         l10n::english(text).c_str());
            return style.buttons == platform::BoxButtons::Ok ? platform::BoxAnswer::Ok
                                                             : platform::BoxAnswer::No;
        }
    };
    PrintedBoxes m_boxes;
    test::FixedDialog m_dialog; // the tools never load or save: every dialog is cancelled
    ui::MainWindow m_window{m_boxes, m_dialog};
};

} // namespace rungbox::tools
