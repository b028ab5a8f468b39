// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exercise packs in the main window. File > Open Exercise Pack... opens a published pack
// (`.rbxpack`) or a pack's folder (its `pack.json` chosen); a panel beside the front panel lists
// the exercises with their state and shows the chosen one's statement. Choosing an exercise
// loads its work into the grid (its starter the first time); the work of each exercise is kept
// apart (PackWork) and switching saves the current one's without asking. Check runs the
// exercise's visible tests in the Check With Script dialog; Hand In writes every exercise's
// work into one `.rbxsub`; Reset Exercise goes back to the starter after a question.

#include "PackWork.h"
#include "course/Pack.h"
#include "session/Session.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <string>

class QAction;
class QDockWidget;
class QLabel;
class QMainWindow;
class QMenu;
class QPushButton;
class QTextBrowser;
class QTreeWidget;

namespace rungbox::ui {

class CheckDialog;

class PackTools : public QObject {
    Q_OBJECT

public:
    /// The open dialog's filter: a published pack, or a pack folder's pack.json.
    static constexpr std::string_view kPackFilter = QT_TRANSLATE_NOOP(
        "FileFilter", "Exercise pack") " (*.rbxpack pack.json)|*.rbxpack pack.json";
    /// The save dialog's filter of a hand-in.
    static constexpr std::string_view kHandinFilter =
        QT_TRANSLATE_NOOP("FileFilter", "Rungbox hand-in") " (*.rbxsub)|*.rbxsub";
    /// The panel's columns.
    enum Column { TitleColumn, StateColumn };

    /// Adds Open Exercise Pack... and Hand In... to the end of `fileMenu`, the pack's panel
    /// (hidden until a pack opens) to `window` and its item (off until then) to `viewMenu`. The
    /// work is kept under `workFolder`/packs. Everything given must outlive the tools.
    PackTools(session::Session& session, QMainWindow& window, QMenu& fileMenu, QMenu& viewMenu,
              QString workFolder);
    ~PackTools() override;

    /// Opens the pack at `path`: a `.rbxpack` file, a pack's folder or its pack.json. A pack
    /// that cannot be read is explained in a message box and changes nothing. Answers whether
    /// the pack opened; its first exercise is then chosen.
    bool openPack(const std::string& path);
    /// Chooses exercise `index` (in the pack's order): the current one's work is kept, then the
    /// chosen one's loaded. False when it could not be loaded (its message was shown).
    bool chooseExercise(int index);
    /// Runs the current exercise's visible tests on the program in the grid and records the
    /// result; the dialog shows the tests (deleted when closed). nullptr without an exercise.
    CheckDialog* check();
    /// Asks where to save and writes the hand-in of every exercise. Answers whether it was
    /// written.
    bool handIn();
    /// Asks whether to go back to the starter of the current exercise, and does. Answers
    /// whether it did.
    bool resetExercise();
    /// Saves the current exercise's work when the program in the grid is its and was edited.
    void keepWork();

    const course::Pack* pack() const { return m_pack ? &*m_pack : nullptr; }
    const course::Exercise* exercise() const;
    PackWork* work() const { return m_work.get(); }
    /// "Week 3: timers, A motor latch" for a printout's header; empty without a pack.
    QString context() const;
    QDockWidget* panel() const { return m_dock; }

private:
    void buildPanel(QMainWindow& window);
    std::optional<course::FileSet> readFiles(const std::string& path, std::string& why);
    void showPack();
    void refreshStates();
    void showStatement();
    bool holdsCurrentWork() const;
    void showError(const QString& text);

    session::Session& m_session;
    QString m_workFolder;
    std::optional<course::Pack> m_pack;
    std::unique_ptr<PackWork> m_work;
    int m_current = -1;
    QAction* m_handInItem = nullptr;
    QDockWidget* m_dock = nullptr;
    QLabel* m_packTitle = nullptr;
    QTreeWidget* m_list = nullptr;
    QTextBrowser* m_statement = nullptr;
    QPushButton* m_checkButton = nullptr;
    QPushButton* m_resetButton = nullptr;
};

} // namespace rungbox::ui
